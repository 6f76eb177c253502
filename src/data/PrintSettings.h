#pragma once
// The print settings of the calculation sheet: heading, page numbers and the sheet font. The
// values live in the project (ProjectSettings and SheetFontSetting) and travel with the file;
// the sheet reads them and the print-settings dialog edits them, both through this one type.
#include <cstdint>
#include <string>

#include "data/SheetFontSetting.h"

namespace zel {

struct ProjectSettings;
struct Project;

struct PrintSettings {
    std::string HeadingText;          // heading of page 1; empty = none
    std::int16_t PageNumberMode = 2;  // 1 "付けない", 2 "付ける" (page number in the footer)
    std::int16_t StartPageNumber = 1;
    std::int16_t fontIndex = 0;  // 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック"
    std::string PrintFontName = kMinchoFontName;
    std::int16_t PrintFontSize = 10;  // fixed

    bool operator==(const PrintSettings&) const = default;
};

// The settings as stored; the font name stays as the file holds it (possibly empty).
PrintSettings PrintSettingsOf(const ProjectSettings& settings, const SheetFontSetting& font);
PrintSettings PrintSettingsOf(const Project& project);
void StorePrintSettings(const PrintSettings& print, ProjectSettings& settings,
                        SheetFontSetting& font);

// The font the sheet is set in: the stored name, or the Mincho face when none is stored.
std::string SheetFontNameOf(const PrintSettings& print);

}  // namespace zel
