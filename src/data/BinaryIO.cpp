#include "data/BinaryIO.h"

#include <bit>
#include <cstring>
#include <optional>

#include "lib/ShiftJis.h"

static_assert(std::endian::native == std::endian::little,
              "the binary files are little-endian; a big-endian host needs byte swapping here");

namespace zel {

bool ByteReader::ReadRaw(void* out, std::size_t n) {
    if (exhausted_ || bytes_.size() - pos_ < n) {
        exhausted_ = true;
        return false;
    }
    std::memcpy(out, bytes_.data() + pos_, n);
    pos_ += n;
    return true;
}

// Read into a temporary so a partial field leaves the caller's value untouched.
void ByteReader::Read(std::int16_t& value) {
    std::int16_t v;
    if (ReadRaw(&v, sizeof v)) value = v;
}
void ByteReader::Read(std::int32_t& value) {
    std::int32_t v;
    if (ReadRaw(&v, sizeof v)) value = v;
}
void ByteReader::Read(float& value) {
    float v;
    if (ReadRaw(&v, sizeof v)) value = v;
}
void ByteReader::Read(double& value) {
    double v;
    if (ReadRaw(&v, sizeof v)) value = v;
}

bool ByteReader::ReadTextBytes(std::string& sjis) {
    std::uint16_t length = 0;
    if (!ReadRaw(&length, sizeof length)) return false;
    if (bytes_.size() - pos_ < length) {
        exhausted_ = true;
        return false;
    }
    sjis.assign(bytes_.data() + pos_, length);
    pos_ += length;
    return true;
}

void ByteWriter::WriteRaw(const void* data, std::size_t n) {
    out_.append(static_cast<const char*>(data), n);
}

void ByteWriter::WriteTextBytes(std::string_view sjis) {
    if (sjis.size() > kMaxTextBytes) sjis = sjis.substr(0, kMaxTextBytes);
    const auto length = static_cast<std::uint16_t>(sjis.size());
    WriteRaw(&length, sizeof length);
    out_.append(sjis.data(), sjis.size());
}

namespace {

// Length of the UTF-8 sequence starting with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

}  // namespace

std::string EncodeFileText(std::string_view utf8, bool* altered) {
    bool changed = false;
    std::string out;
    if (IsAscii(utf8)) {
        out = utf8;
    } else if (auto whole = Utf8ToSjis(utf8)) {
        out = std::move(*whole);
    } else {
        // Character by character so only the characters without a form are lost.
        std::size_t i = 0;
        while (i < utf8.size()) {
            std::size_t n = SequenceLength(static_cast<unsigned char>(utf8[i]));
            if (n > utf8.size() - i) n = 1;
            if (auto one = Utf8ToSjis(utf8.substr(i, n))) {
                out += *one;
            } else {
                out += '?';
                changed = true;
            }
            i += n;
        }
    }
    if (out.size() > kMaxTextBytes) {
        // Cut before a lead byte so no half character is left at the end.
        std::size_t cut = 0;
        std::size_t i = 0;
        while (i < out.size()) {
            const auto c = static_cast<unsigned char>(out[i]);
            const std::size_t n = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
            if (i + n > kMaxTextBytes) break;
            i += n;
            cut = i;
        }
        out.resize(cut);
        changed = true;
    }
    if (altered) *altered = changed;
    return out;
}

}  // namespace zel
