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

}  // namespace zel
