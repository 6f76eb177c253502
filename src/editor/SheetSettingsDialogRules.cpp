#include "editor/SheetSettingsDialogRules.h"

#include <cmath>

#include "data/ProjectSettings.h"
#include "data/SheetFontSetting.h"
#include "lib/Numbers.h"
#include "lib/Rounding.h"

namespace zel {

SheetSettingsForm OpenSheetSettingsForm(const PrintSettings& current) {
    return OpenSheetOptions(current.HeadingText, current.fontIndex, current.PageNumberMode,
                            current.StartPageNumber);
}

bool StartNumberFromText(const std::string& text, std::int16_t& number) {
    const double rounded = RoundHalfEven(LeadingValue(text));
    if (!std::isfinite(rounded) || rounded < -32768.0 || rounded > 32767.0) return false;
    number = static_cast<std::int16_t>(rounded);
    return true;
}

bool ConfirmSheetSettingsForm(const SheetSettingsForm& form, Prompter& prompter,
                              PrintSettings& settings) {
    std::int16_t start = 0;
    if (!StartNumberFromText(form.startText, start)) {
        prompter.ShowMessage(kStartPageOutOfRange, kButtonsOk, kMessageTitle);
        return false;
    }
    if (prompter.ShowMessage(kSheetSettingsQuestion, kButtonsYesNo, kMessageTitle) != kAnswerYes)
        return false;
    settings.PageNumberMode = static_cast<std::int16_t>(PageNumberModeOf(form));
    settings.HeadingText = HeadingOf(form);
    settings.StartPageNumber = start;
    settings.fontIndex = static_cast<std::int16_t>(FontChoiceOf(form));
    settings.PrintFontName = FontNameForChoice(settings.fontIndex);
    return true;
}

}  // namespace zel
