#include "lib/Text.h"

namespace zel {
namespace {

constexpr std::string_view kFullWidthBlank = "\xE3\x80\x80";

std::size_t LeadingBlank(std::string_view text) {
    if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) return 1;
    return text.starts_with(kFullWidthBlank) ? kFullWidthBlank.size() : 0;
}

std::size_t TrailingBlank(std::string_view text) {
    if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) return 1;
    return text.ends_with(kFullWidthBlank) ? kFullWidthBlank.size() : 0;
}

}  // namespace

std::string HalfWidthNumberText(std::string_view text) {
    std::string half;
    half.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // U+FF0B..U+FF19 (EF BC 8B..99) stand where '+'..'9' do, 0xFEE0 higher: their last
        // byte less 0x60 is the half-width character.
        if (i + 2 < text.size() && text[i] == '\xEF' && text[i + 1] == '\xBC') {
            const auto c = static_cast<unsigned char>(text[i + 2]);
            if ((c >= 0x90 && c <= 0x99) || c == 0x8B || c == 0x8D || c == 0x8E) {
                half.push_back(static_cast<char>(c - 0x90 + '0'));
                i += 2;
                continue;
            }
        }
        if (text.substr(i).starts_with(kFullWidthBlank)) {
            half.push_back(' ');
            i += kFullWidthBlank.size() - 1;
            continue;
        }
        half.push_back(text[i]);
    }
    return half;
}

std::string_view TrimChars(std::string_view text, std::string_view characters) {
    const auto first = text.find_first_not_of(characters);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

std::string_view TrimSpaces(std::string_view text) {
    return TrimChars(text, " ");
}

std::string_view TrimBlanks(std::string_view text) {
    while (const std::size_t n = LeadingBlank(text)) text.remove_prefix(n);
    return TrimBlanksRight(text);
}

std::string_view TrimBlanksRight(std::string_view text) {
    while (const std::size_t n = TrailingBlank(text)) text.remove_suffix(n);
    return text;
}

std::string HexBytes(const void* data, std::size_t n) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(n * 2);
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<const unsigned char*>(data)[i];
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

bool ParseHexBytes(std::string_view text, void* out, std::size_t n) {
    if (text.size() != n * 2) return false;
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    auto* bytes = static_cast<unsigned char*>(out);
    for (std::size_t i = 0; i < n; ++i) {
        const int hi = digit(text[2 * i]), lo = digit(text[2 * i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes[i] = static_cast<unsigned char>(hi * 16 + lo);
    }
    return true;
}

}  // namespace zel
