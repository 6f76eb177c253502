#pragma once
// Font metrics needed while a sheet is composed, in twips. The Qt layer measures real fonts;
// FixedFontMetrics gives predictable values for tests and for composing without a toolkit.
#include <cstdint>
#include <string>
#include <string_view>

namespace zel {

struct SheetFont {
    std::string name;
    std::int16_t points = 10;
    bool bold = false;

    bool operator==(const SheetFont&) const = default;
};

class SheetFontMetrics {
  public:
    virtual ~SheetFontMetrics() = default;
    // Advance width of a one-line text.
    virtual std::int32_t TextWidth(const SheetFont& font, std::string_view text) const = 0;
    // Height of one line of text (ascent + descent).
    virtual std::int32_t LineHeight(const SheetFont& font) const = 0;
};

// Every half-width character is half an em wide, a full-width one a whole em; a line is one em
// high (1 point = 20 twips). This is how the fixed-pitch Japanese sheet fonts behave.
class FixedFontMetrics final : public SheetFontMetrics {
  public:
    std::int32_t TextWidth(const SheetFont& font, std::string_view text) const override;
    std::int32_t LineHeight(const SheetFont& font) const override;
};

}  // namespace zel
