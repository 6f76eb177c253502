#include "editor/DefaultsDialogRules.h"

#include <algorithm>

#include "calc/BarTable.h"
#include "lib/Numbers.h"
#include "lib/Rounding.h"

namespace zel {

namespace {

std::string IntegerText(int value) {
    return FormatNumber(value, "#0");
}

// Refills a size list for a grade; the shown text follows the remembered position. As in the
// input area, a position past the end of a shorter list takes its last entry: an empty size
// would be stored as the default.
void RefillSizes(std::vector<std::string>& sizes, std::string& text, BarList list, int grade) {
    const auto old = std::find(sizes.begin(), sizes.end(), text);
    const int position = old == sizes.end() ? -1 : static_cast<int>(old - sizes.begin());
    sizes = BarSizesFor(list, grade);
    if (position >= 0 && !sizes.empty())
        text = sizes[static_cast<std::size_t>(std::min(position, static_cast<int>(sizes.size()) - 1))];
}

}  // namespace

DefaultsDialogForm OpenDefaultsForm(const DefaultsRecord& d) {
    DefaultsDialogForm form;
    form.mainGrade = d.mainBarGrade;
    form.mainSizes = BarSizesFor(BarList::MainBars, d.mainBarGrade);
    form.mainSizeText = d.mainBarSize;
    form.ratioText = FormatGeneral(d.compressionBarRatio);
    form.layersText = IntegerText(d.maxBarLayers);
    form.stirrupGrade = d.stirrupGrade;
    form.stirrupSizes = BarSizesFor(BarList::Stirrups, d.stirrupGrade);
    form.stirrupSizeText = d.stirrupSize;
    form.assemblyMethod = d.assemblyMethod;
    form.legsText = IntegerText(d.maxStirrupLegs);
    form.pitchText = IntegerText(d.maxStirrupPitch);
    form.fcText = FormatGeneral(ToSingle(d.concreteFc / 10.0));
    form.ruleOption = d.minRebarRule == 0 || d.minRebarRule == 1 ? d.minRebarRule : -1;
    form.inputUnitOption = d.unitCode >= 2 ? 1 : 0;
    form.outputUnitOption = (d.unitCode & 1) != 0 ? 1 : 0;
    form.sheet = OpenSheetOptions(d.sheetTitle, d.fontChoice, d.pageNumberMode, d.firstPageNumber);
    return form;
}

void ChooseDefaultsGrade(DefaultsDialogForm& form, bool mainBars, int grade) {
    if (mainBars) {
        form.mainGrade = grade;
        RefillSizes(form.mainSizes, form.mainSizeText, BarList::MainBars, grade);
    } else {
        form.stirrupGrade = grade;
        RefillSizes(form.stirrupSizes, form.stirrupSizeText, BarList::Stirrups, grade);
    }
}

bool ConfirmDefaultsForm(const DefaultsDialogForm& form, Prompter& prompter,
                         DefaultsRecord& defaults) {
    if (prompter.ShowMessage(kDefaultsQuestion, kButtonsYesNo, kMessageTitle) != kAnswerYes)
        return false;
    DefaultsRecord d = defaults;
    d.mainBarGrade = static_cast<std::int16_t>(form.mainGrade);
    d.mainBarSize = form.mainSizeText;
    d.compressionBarRatio = ToSingle(LeadingValue(form.ratioText));
    d.maxBarLayers = RoundToInt16(LeadingValue(form.layersText));
    d.stirrupGrade = static_cast<std::int16_t>(form.stirrupGrade);
    d.stirrupSize = form.stirrupSizeText;
    d.assemblyMethod = static_cast<std::int16_t>(form.assemblyMethod);
    d.maxStirrupLegs = RoundToInt16(LeadingValue(form.legsText));
    d.maxStirrupPitch = RoundToInt16(LeadingValue(form.pitchText));
    // The field is in N/mm2; the record keeps kg/cm2.
    d.concreteFc = ToSingle(LeadingValue(form.fcText) * 10.0);
    if (form.ruleOption >= 0) d.minRebarRule = static_cast<std::int16_t>(form.ruleOption);
    d.unitCode = static_cast<std::int16_t>(2 * (form.inputUnitOption == 1 ? 1 : 0) +
                                           (form.outputUnitOption == 1 ? 1 : 0));
    d.sheetTitle = HeadingOf(form.sheet);
    d.fontChoice = static_cast<std::int16_t>(FontChoiceOf(form.sheet));
    d.pageNumberMode = static_cast<std::int16_t>(PageNumberModeOf(form.sheet));
    d.firstPageNumber = RoundToInt16(LeadingValue(form.sheet.startText));
    defaults = std::move(d);
    return true;
}

}  // namespace zel
