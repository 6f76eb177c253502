#include "editor/SheetSettingsDialogRules.h"

#include <cmath>

#include "data/ProjectSettings.h"
#include "data/SheetFontSetting.h"
#include "lib/Numbers.h"
#include "lib/Rounding.h"
#include "lib/Text.h"

namespace zel {

namespace {}  // namespace

SheetSettingsForm OpenSheetSettingsForm(const PrintSettings& current) {
    SheetSettingsForm form;
    form.heading = current.HeadingText;
    form.startText = FormatNumber(current.StartPageNumber, "#0");
    form.fontOption = current.fontIndex == 1 ? 1 : 0;
    const int option = current.PageNumberMode - 1;
    if (option == kPageNumbersOff || option == kPageNumbersOn)
        ChoosePageNumberOption(form, option);
    else
        form.pageNumberOption = -1;  // a mode the dialog does not know selects nothing
    return form;
}

void ChoosePageNumberOption(SheetSettingsForm& form, int option) {
    if (option != kPageNumbersOff && option != kPageNumbersOn) return;
    form.pageNumberOption = option;
    const bool on = option == kPageNumbersOn;
    form.startLabel.enabled = on;
    form.startField.enabled = on;
    form.startField.background = on ? ViewColour::White : ViewColour::LightGrey;
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
    // No option selected reads as index 0, as an option group without a selection does.
    const int option = form.pageNumberOption < 0 ? 0 : form.pageNumberOption;
    settings.PageNumberMode = static_cast<std::int16_t>(option + 1);
    settings.HeadingText = std::string(TrimSpaces(form.heading));
    settings.StartPageNumber = start;
    settings.fontIndex = static_cast<std::int16_t>(form.fontOption == 1 ? 1 : 0);
    settings.PrintFontName = FontNameForChoice(settings.fontIndex);
    return true;
}

}  // namespace zel
