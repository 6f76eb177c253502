#include "editor/SheetOptionsRules.h"

#include "lib/Numbers.h"
#include "lib/Text.h"

namespace zel {

SheetOptionsForm OpenSheetOptions(const std::string& heading, int fontChoice, int pageNumberMode,
                                  int startPage) {
    SheetOptionsForm form;
    form.heading = heading;
    form.fontOption = fontChoice == 1 ? 1 : 0;
    form.startText = FormatNumber(startPage, "#0");
    const int option = pageNumberMode - 1;
    if (option == kPageNumbersOff || option == kPageNumbersOn)
        ChoosePageNumberOption(form, option);
    else
        form.pageNumberOption = -1;
    return form;
}

void ChoosePageNumberOption(SheetOptionsForm& form, int option) {
    if (option != kPageNumbersOff && option != kPageNumbersOn) return;
    form.pageNumberOption = option;
    const bool on = option == kPageNumbersOn;
    form.startLabel.enabled = on;
    form.startField.enabled = on;
    form.startField.background = on ? ViewColour::White : ViewColour::LightGrey;
}

int PageNumberModeOf(const SheetOptionsForm& form) {
    return (form.pageNumberOption < 0 ? 0 : form.pageNumberOption) + 1;
}

int FontChoiceOf(const SheetOptionsForm& form) {
    return form.fontOption == 1 ? 1 : 0;
}

std::string HeadingOf(const SheetOptionsForm& form) {
    return std::string(TrimSpaces(form.heading));
}

}  // namespace zel
