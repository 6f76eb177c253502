#include "lib/ShiftJis.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace zel {

namespace {

// A converter kept open for the thread's lifetime: opening one costs far more than converting
// the short texts of a file or a sheet cell, and the sheet measures thousands of them.
class CachedConverter {
  public:
    CachedConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~CachedConverter() {
        if (valid()) iconv_close(cd_);
    }
    CachedConverter(const CachedConverter&) = delete;
    CachedConverter& operator=(const CachedConverter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    // The converter in its initial state.
    iconv_t get() {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return cd_;
    }

  private:
    iconv_t cd_;
};

CachedConverter& ToSjis() {
    thread_local CachedConverter converter("CP932", "UTF-8");
    return converter;
}

CachedConverter& FromSjis() {
    thread_local CachedConverter converter("UTF-8", "CP932");
    return converter;
}

// One conversion with iconv; `lossy` replaces undecodable bytes by U+FFFD (UTF-8 output only).
std::optional<std::string> Convert(CachedConverter& converter, std::string_view input, bool lossy) {
    if (!converter.valid()) return std::nullopt;
    iconv_t cd = converter.get();
    std::string output;
    output.resize(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    bool ok = true;
    while (inLeft > 0) {
        const std::size_t r = iconv(cd, &in, &inLeft, &out, &outLeft);
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            const std::size_t used = output.size() - outLeft;
            output.resize(output.size() * 2);
            out = output.data() + used;
            outLeft = output.size() - used;
            continue;
        }
        // EILSEQ or EINVAL: a byte sequence that has no counterpart.
        if (!lossy) {
            ok = false;
            break;
        }
        static constexpr char kReplacement[] = "\xEF\xBF\xBD";
        if (outLeft < 3) {
            const std::size_t used = output.size() - outLeft;
            output.resize(output.size() * 2);
            out = output.data() + used;
            outLeft = output.size() - used;
        }
        for (char c : std::string_view(kReplacement, 3)) *out++ = c;
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    // A stateless encoding pair: no shift sequence to flush.
    if (!ok) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    return Convert(ToSjis(), utf8, false);
}

std::optional<std::string> SjisToUtf8(std::string_view sjis) {
    if (sjis.empty()) return std::string();
    return Convert(FromSjis(), sjis, false);
}

std::string SjisToUtf8Lossy(std::string_view sjis) {
    if (sjis.empty()) return {};
    auto result = Convert(FromSjis(), sjis, true);
    return result ? *result : std::string();
}

namespace {
// Length in bytes of the UTF-8 sequence starting with `lead` (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}
}  // namespace

int DisplayWidth(std::string_view utf8) {
    if (auto sjis = Utf8ToSjis(utf8)) return static_cast<int>(sjis->size());
    // Count character by character so one stray character does not spoil the whole width.
    CachedConverter& converter = ToSjis();
    if (!converter.valid()) return static_cast<int>(utf8.size());
    iconv_t cd = converter.get();
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len =
            std::min(Utf8SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        char buffer[16];
        char* in = const_cast<char*>(utf8.data() + i);
        std::size_t inLeft = len;
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool ok =
            iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
        width += ok ? static_cast<int>(sizeof buffer - outLeft) : 2;
        i += len;
    }
    return width;
}

std::string PadRightToWidth(std::string_view utf8, int width) {
    std::string result(utf8);
    const int current = DisplayWidth(utf8);
    if (current < width) result.append(static_cast<std::size_t>(width - current), ' ');
    return result;
}

}  // namespace zel
