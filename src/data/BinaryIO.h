#pragma once
// Little-endian reading and writing of the binary files (data file and defaults file):
// Integer 2 bytes, Long 4, Single 4, Double 8, texts as a 2-byte byte count plus Shift-JIS.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zel {

// Reads fields from a byte image. Once a field runs past the end, that field and every later
// one keep the value they had (the caller's reset state) and exhausted() becomes true; nothing
// is ever read out of bounds.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    void read(std::int16_t& value);
    void read(std::int32_t& value);
    void read(float& value);
    void read(double& value);
    template <std::size_t N>
    void read(std::array<std::uint8_t, N>& block) {
        readRaw(block.data(), N);
    }
    template <typename T, std::size_t N>
    void read(std::array<T, N>& values) {
        for (auto& v : values) read(v);
    }
    // The raw Shift-JIS bytes of one text. A length beyond the end stops reading.
    bool readTextBytes(std::string& sjis);

    bool exhausted() const { return exhausted_; }
    std::size_t position() const { return pos_; }

  private:
    bool readRaw(void* out, std::size_t n);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool exhausted_ = false;
};

class ByteWriter {
  public:
    void write(std::int16_t value) { writeRaw(&value, sizeof value); }
    void write(std::int32_t value) { writeRaw(&value, sizeof value); }
    void write(float value) { writeRaw(&value, sizeof value); }
    void write(double value) { writeRaw(&value, sizeof value); }
    template <std::size_t N>
    void write(const std::array<std::uint8_t, N>& block) {
        out_.append(reinterpret_cast<const char*>(block.data()), N);
    }
    template <typename T, std::size_t N>
    void write(const std::array<T, N>& values) {
        for (const auto& v : values) write(v);
    }
    // Writes the byte count (at most 65535) and the bytes of an already encoded text.
    void writeTextBytes(std::string_view sjis);

    std::string& bytes() { return out_; }

  private:
    void writeRaw(const void* data, std::size_t n);

    std::string out_;
};

inline constexpr std::size_t kMaxTextBytes = 0xFFFF;

// Plain ASCII is the same in UTF-8 and Shift-JIS, which spares a conversion for most texts.
inline bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// UTF-8 -> Shift-JIS for a file text. Characters without a Shift-JIS form become "?", and a
// text longer than 65535 bytes is cut at a character boundary; `altered` reports either.
std::string EncodeFileText(std::string_view utf8, bool* altered = nullptr);

}  // namespace zel
