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
// one keep the value they had (the caller's reset state) and Exhausted() becomes true; nothing
// is ever read out of bounds.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    void Read(std::int16_t& value);
    void Read(std::int32_t& value);
    void Read(float& value);
    void Read(double& value);
    template <std::size_t N>
    void Read(std::array<std::uint8_t, N>& block) {
        ReadRaw(block.data(), N);
    }
    template <typename T, std::size_t N>
    void Read(std::array<T, N>& values) {
        for (auto& v : values) Read(v);
    }
    // The raw Shift-JIS bytes of one text. A length beyond the end stops reading.
    bool ReadTextBytes(std::string& sjis);

    bool Exhausted() const { return exhausted_; }
    std::size_t Position() const { return pos_; }

  private:
    bool ReadRaw(void* out, std::size_t n);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool exhausted_ = false;
};

class ByteWriter {
  public:
    void Write(std::int16_t value) { WriteRaw(&value, sizeof value); }
    void Write(std::int32_t value) { WriteRaw(&value, sizeof value); }
    void Write(float value) { WriteRaw(&value, sizeof value); }
    void Write(double value) { WriteRaw(&value, sizeof value); }
    template <std::size_t N>
    void Write(const std::array<std::uint8_t, N>& block) {
        out_.append(reinterpret_cast<const char*>(block.data()), N);
    }
    template <typename T, std::size_t N>
    void Write(const std::array<T, N>& values) {
        for (const auto& v : values) Write(v);
    }
    // Writes the byte count (at most 65535) and the bytes of an already encoded text.
    void WriteTextBytes(std::string_view sjis);

    std::string& Bytes() { return out_; }

  private:
    void WriteRaw(const void* data, std::size_t n);

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
