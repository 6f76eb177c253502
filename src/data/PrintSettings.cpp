#include "data/PrintSettings.h"

#include "data/Project.h"
#include "data/ProjectSettings.h"

namespace zel {

PrintSettings PrintSettingsOf(const ProjectSettings& settings, const SheetFontSetting& font) {
    PrintSettings print;
    print.HeadingText = settings.sheetTitle;
    print.PageNumberMode = settings.pageNumberMode;
    print.StartPageNumber = settings.firstPageNumber;
    print.fontIndex = font.fontChoice;
    print.PrintFontName = font.fontName;
    return print;
}

PrintSettings PrintSettingsOf(const Project& project) {
    return PrintSettingsOf(project.settings, project.font);
}

void StorePrintSettings(const PrintSettings& print, ProjectSettings& settings,
                        SheetFontSetting& font) {
    settings.sheetTitle = print.HeadingText;
    settings.pageNumberMode = print.PageNumberMode;
    settings.firstPageNumber = print.StartPageNumber;
    font.fontChoice = print.fontIndex;
    font.fontName = print.PrintFontName;
}

std::string SheetFontNameOf(const PrintSettings& print) {
    return print.PrintFontName.empty() ? std::string(kMinchoFontName) : print.PrintFontName;
}

}  // namespace zel
