// The choices of the input area: sections, support, moment position, grades and sizes, flags,
// message options and units.
#include <algorithm>

#include "calc/BarTable.h"
#include "data/BeamRecord.h"
#include "calc/UnitFactor.h"
#include "editor/InputArea.h"

namespace zel {

void InputArea::ApplySectionHeadings(bool twoBlankHeadings) {
    std::array<ControlView, 3>& heading = view_.sectionHeading;
    switch (sectionOption_) {
        case 0:
            heading[0].caption = supportType_ == 1 ? "固定端" : "全断面";
            heading[0].visible = true;
            heading[1].visible = false;
            heading[2].visible = false;
            view_.sectionColumnVisible = {true, false, false};
            view_.copyButton[0].enabled = false;
            view_.copyButton[1].enabled = false;
            break;
        case 1:
            heading[0].caption = twoBlankHeadings ? "端  部" : "端 部";
            heading[1].caption = "中 央";
            heading[0].visible = heading[1].visible = true;
            heading[2].visible = false;
            view_.sectionColumnVisible = {true, true, false};
            view_.copyButton[0].enabled = true;
            view_.copyButton[1].enabled = false;
            break;
        default:
            heading[0].caption = twoBlankHeadings ? "左  端" : "左 端";
            heading[1].caption = "中 央";
            heading[2].caption = "右 端";
            heading[0].visible = heading[1].visible = heading[2].visible = true;
            view_.sectionColumnVisible = {true, true, true};
            view_.copyButton[0].enabled = true;
            view_.copyButton[1].enabled = true;
            break;
    }
}

void InputArea::SelectSectionCount(int index) {
    sectionOption_ = std::clamp(index, 0, kSectionSlots - 1);
    CountEdit();
    ApplySectionHeadings(false);
}

void InputArea::SelectSupportType(int index) {
    supportType_ = index == 1 ? 1 : 0;
    ShowLoadPicture();
    SetUnitCaptions();
    CountEdit();
    if (supportType_ == 1) {
        SelectSectionCount(0);
        view_.sectionOption[0].caption = "１断面(固定端)";
        view_.sectionHeading[0].caption = "固定端";
        view_.sectionOption[1].enabled = false;
        view_.sectionOption[2].enabled = false;
        view_.momentOption[0].enabled = false;
        view_.momentOption[1].enabled = false;
        view_.cantileverNote.visible = true;
        view_.approximateButton.enabled = false;
        view_.spanTypeCaption.background = ViewColour::Face;
        view_.spanTypeCaption.foreground = ViewColour::Grey;
        view_.momentField.background = ViewColour::LightGrey;
        view_.momentField.enabled = false;
    } else {
        view_.sectionOption[0].caption = "１断面(全断面共通)";
        static const char* const kFirstHeading[] = {"全断面", "端  部", "左  端"};
        view_.sectionHeading[0].caption = kFirstHeading[sectionOption_];
        view_.sectionOption[1].enabled = true;
        view_.sectionOption[2].enabled = true;
        view_.momentOption[0].enabled = true;
        view_.momentOption[1].enabled = true;
        view_.cantileverNote.visible = false;
        SelectMomentPositionMode(rememberedMoment_);
        view_.approximateButton.enabled = true;
        view_.spanTypeCaption.background = ViewColour::White;
        view_.spanTypeCaption.foreground = ViewColour::Black;
    }
    rememberedSupport_ = supportType_;
    if (!fillingForm) RedrawDiagram();
}

void InputArea::SelectMomentPositionMode(int index) {
    CountEdit();
    momentMode_ = index == 1 ? 1 : 0;
    rememberedMoment_ = momentMode_;
    ApplyMomentPositionView();
}

void InputArea::ApplyMomentPositionView() {
    if (momentMode_ == 0) {
        view_.momentField.background = ViewColour::Face;
        view_.momentField.enabled = false;
        view_.momentUnit.enabled = false;
    } else if (!fillingForm) {
        view_.momentField.background = ViewColour::White;
        view_.momentField.enabled = true;
        view_.momentUnit.enabled = true;
        view_.focusRequest = Field::MomentPosition;
    }
}

void InputArea::RefillSizes(bool mainBars, int grade) {
    std::vector<std::string>& list = mainBars ? mainSizes_ : stirrupSizes_;
    int& position = mainBars ? mainSizePosition_ : stirrupSizePosition_;
    std::string& text = mainBars ? mainSizeText_ : stirrupSizeText_;
    list = BarSizesFor(mainBars ? BarList::MainBars : BarList::Stirrups, grade);
    // The position is kept, not the name; a position beyond the shorter list of the other bar
    // kind takes its last entry instead of failing.
    if (position >= 0 && !list.empty()) {
        position = std::min(position, static_cast<int>(list.size()) - 1);
        text = list[position];
    } else {
        position = -1;
        text.clear();
    }
}

void InputArea::SetSizeFromText(bool mainBars, const std::string& text) {
    const std::vector<std::string>& list = mainBars ? mainSizes_ : stirrupSizes_;
    const std::string trimmed = TrimFieldText(text);
    const auto found = std::find(list.begin(), list.end(), trimmed);
    (mainBars ? mainSizeText_ : stirrupSizeText_) = text;
    (mainBars ? mainSizePosition_ : stirrupSizePosition_) =
        found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void InputArea::SelectMainBarGrade(int grade) {
    CountEdit();
    mainGrade_ = grade;
    RefillSizes(true, grade);
}

void InputArea::SelectStirrupGrade(int grade) {
    CountEdit();
    stirrupGrade_ = grade;
    RefillSizes(false, grade);
}

void InputArea::SelectMainBarSize(int position) {
    if (position < 0 || position >= static_cast<int>(mainSizes_.size())) return;
    CountEdit();
    mainSizePosition_ = position;
    mainSizeText_ = mainSizes_[position];
}

void InputArea::SelectStirrupSize(int position) {
    if (position < 0 || position >= static_cast<int>(stirrupSizes_.size())) return;
    CountEdit();
    stirrupSizePosition_ = position;
    stirrupSizeText_ = stirrupSizes_[position];
}

void InputArea::SelectAssemblyMethod(int position) {
    CountEdit();
    assemblyMethod_ = position;
}

void InputArea::SelectMinRebarRule(int index) {
    CountEdit();
    minRebarRule_ = index;
}

void InputArea::SetCalculationFlag(int box, bool checked) {
    if (box < 0 || box > 2) return;
    calcFlags_[box] = checked;
    // Excluding a beam from the sheet is not a change of the beam.
    if (box != 0) CountEdit();
}

void InputArea::SetMessageOption(int box, bool checked) {
    if (box == 0) suppressChangeMessages = checked;
    if (box == 1) suppressPreviewCloseMessage = checked;
}

std::string LoadUnitCaption(bool inputIsSI, int loadType) {
    return std::string("(") + (inputIsSI ? "N" : "kg") + (loadType == 1 ? ")" : "/m2)");
}

void InputArea::SetUnitCaptions() {
    const char* stress = inputIsSI_ ? "N/mm2" : "kg/cm2";
    view_.loadUnit.caption = LoadUnitCaption(inputIsSI_, currentLoadType_);
    view_.fcUnit.caption = std::string("(") + stress + ")";
}

void InputArea::SelectInputUnits(int index) {
    const bool si = index == 1;
    if (si == inputIsSI_) return;
    if (!loadingFile && !suppressChangeMessages) {
        prompter_->ShowMessage("入力単位を変更する場合、ｺﾝｸﾘｰﾄ設計基準強度 Ｆc も変更してください",
                              kButtonsOk, kMessageTitleWide);
    }
    inputIsSI_ = si;
    // The Fc text now reads in the other unit: it no longer stands for the stored value.
    shown_[FieldIndex(Field::Fc)].reset();
    SetUnitCaptions();
    unitFactor_ = UnitFactor(inputIsSI_);
}

void InputArea::SelectOutputUnits(int index) {
    outputIsSI_ = index == 1;
}

void InputArea::SetSpanTypeChoice(int spanType, const std::array<float, 3>& coefficients) {
    CountEdit();
    spanType_ = spanType;
    userCoefficients_ = coefficients;
    view_.spanTypeCaption.caption = SpanTypeName(spanType_);
}

}  // namespace zel
