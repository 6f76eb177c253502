#pragma once
// The font of the calculation sheet, saved with the data file.
#include <cstdint>
#include <string>

namespace zel {

inline constexpr const char* kMinchoFontName = "ＭＳ 明朝";
inline constexpr const char* kGothicFontName = "ＭＳ ゴシック";

struct SheetFontSetting {
    std::int16_t fontChoice = 0;  // 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック"
    std::string fontName;

    bool operator==(const SheetFontSetting&) const = default;
};

// Font name belonging to a font choice (anything but 1 is the Mincho face).
inline const char* FontNameForChoice(int fontChoice) {
    return fontChoice == 1 ? kGothicFontName : kMinchoFontName;
}

}  // namespace zel
