#include "data/DefaultsRecord.h"

#include "data/ProjectSettings.h"
#include "data/SheetFontSetting.h"

namespace zel {

DefaultsRecord BuiltInDefaults() {
    DefaultsRecord d;
    d.mainBarSize = "D16";
    d.stirrupSize = "D10";
    d.maxStirrupPitch = 250;
    d.compressionBarRatio = 0.5f;
    d.maxBarLayers = 2;
    d.maxStirrupLegs = 2;
    d.concreteFc = 210.0f;
    d.unitCode = 3;
    d.sheetTitle = kDefaultSheetTitle;
    d.pageNumberMode = 2;
    d.firstPageNumber = 1;
    return d;
}

void ApplyDefaultsToProject(const DefaultsRecord& defaults, ProjectSettings& settings,
                            SheetFontSetting& font) {
    settings.unitCode = defaults.unitCode;
    settings.sheetTitle = defaults.sheetTitle;
    settings.pageNumberMode = defaults.pageNumberMode;
    settings.firstPageNumber = defaults.firstPageNumber;
    font.fontChoice = defaults.fontChoice;
    font.fontName = FontNameForChoice(defaults.fontChoice);
}

}  // namespace zel
