#include "editor/InputArea.h"

#include <algorithm>

#include "calc/BarTable.h"
#include "data/BeamRecord.h"
#include "data/DefaultsRecord.h"
#include "data/GradeTable.h"
#include "data/ProjectSettings.h"
#include "data/SheetFontSetting.h"
#include "editor/FieldRules.h"
#include "lib/Numbers.h"
#include "lib/Rounding.h"

namespace zel {

namespace {

constexpr int kEscapeKey = 27;

int CharCount(const std::string& text) {
    int count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string IntegerText(int value) {
    return std::to_string(value);
}

}  // namespace

const char* SpanTypeName(int spanType) {
    static const char* const kNames[kSpanTypeCount] = {"単スパン",     "２ｽﾊﾟﾝ(左)", "多ｽﾊﾟﾝ(左外)",
                                                       "多スパン(内)", "ﾕｰｻﾞｰ指定",  "２ｽﾊﾟﾝ(右)",
                                                       "多ｽﾊﾟﾝ(右外)"};
    return spanType >= 0 && spanType < kSpanTypeCount ? kNames[spanType] : "";
}

const char* LoadTypeCaption(int loadType) {
    static const char* const kNames[kLoadTypeCount] = {"1:集中荷重",         "2:右上がり三角荷重",
                                                       "3:左上がり三角荷重", "4:等分布荷重",
                                                       "5:台形荷重",         "6:三角荷重"};
    return loadType >= 1 && loadType <= kLoadTypeCount ? kNames[loadType - 1] : "";
}

std::string LoadPictureFile(int loadType, int supportType) {
    static const char* const kNames[kLoadTypeCount] = {
        "集中荷重", "右上がり三角荷重", "左上がり三角荷重", "等分布荷重", "台形荷重", "三角荷重"};
    if (loadType < 1 || loadType > kLoadTypeCount) return {};
    return std::string(kNames[loadType - 1]) + (supportType == 1 ? "_C.JPG" : ".JPG");
}

InputArea::InputArea(Prompter& prompter) : prompter_(&prompter) {
    memberTexts_[FieldIndex(Field::Fc)] = "210";

    view_.sectionOption[0].caption = "１断面(全断面共通)";
    view_.sectionOption[1].caption = "２断面(ハンチ付き等)";
    view_.sectionOption[2].caption = "３断面(左右ハンチが異なる等)";
    for (ControlView& button : view_.copyButton) button.caption = "ｺﾋﾟｰ";
    view_.momentOption[0].caption = "梁中央";
    view_.momentOption[1].caption = "任意位置(梁左端から)";
    view_.cantileverNote.caption = "片持梁では指定できません";
    view_.cantileverNote.visible = false;
    view_.approximateButton.caption = "略算方法";
    view_.momentUnit.caption = "(m)";
    view_.fullSpanButton.caption = "全ｽﾊﾟﾝ";
    view_.changeLoadButton.caption = "変更";
    view_.deleteLoadButton.caption = "削除";
    view_.calcSheetButton.caption = "計算書";
    view_.changeMemberButton.caption = "変  更";
    view_.checkButton.caption = "個 別ﾁｪｯｸ";
    view_.calcSheetMenu.caption = "計算書(&G)";
    view_.checkMenu.caption = "部材個別ﾁｪｯｸ(&C)";
    view_.editHint.caption = "[ｷｬﾝｾﾙ/ｸﾘｱｰ] で [個 別ﾁｪｯｸ] [計算書] ﾎﾞﾀﾝ再表示";

    // The window opens like a reset: nothing of it counts as an edit.
    fillingForm = true;
    SelectSectionCount(0);
    SelectMomentPositionMode(0);
    SetSpanTypeChoice(0, userCoefficients_);
    RefillSizes(true, 0);
    RefillSizes(false, 0);
    SelectLoadType(0);
    SetEditButtons(1);
    fillingForm = false;
    memberModified = false;
    fileModified = false;
}

// ----- Texts -----

std::array<std::string, 6>& InputArea::Page(int loadType) {
    return pageTexts_[std::clamp(loadType, 1, kLoadTypeCount) - 1];
}

const std::string& InputArea::LoadPageText(int loadType, int index) const {
    return pageTexts_[std::clamp(loadType, 1, kLoadTypeCount) - 1][std::clamp(index, 0, 5)];
}

std::string& InputArea::MutableText(Field field) {
    if (IsLoadField(field)) return Page(currentLoadType_)[LoadFieldIndex(field)];
    return memberTexts_[FieldIndex(field)];
}

const std::string& InputArea::Text(Field field) const {
    if (IsLoadField(field)) return LoadPageText(currentLoadType_, LoadFieldIndex(field));
    return memberTexts_[FieldIndex(field)];
}

void InputArea::CountEdit() {
    if (fillingForm) return;
    ++editCount_;
    memberModified = true;
    fileModified = true;
}

void InputArea::ApplyEditText(Field field, const std::string& text) {
    std::string& current = MutableText(field);
    if (current == text) return;
    current = text;
    // Typing in a load field is not an edit; only adding, changing and deleting loads are.
    if (!IsLoadField(field)) CountEdit();
}

void InputArea::SetText(Field field, const std::string& text) {
    ApplyEditText(field, text);
}

double InputArea::SpanValue() const {
    return LeadingValue(Text(Field::Span));
}

void InputArea::ShowValue(Field field, const std::string& text, float stored) {
    SetText(field, text);
    shown_[FieldIndex(field)] = ShownValue{text, stored};
}

bool InputArea::ShowsStoredText(Field field) const {
    const std::optional<ShownValue>& shown = shown_[FieldIndex(field)];
    return shown && shown->text == Text(field);
}

float InputArea::ValueOf(Field field, double scale) const {
    if (ShowsStoredText(field)) return shown_[FieldIndex(field)]->stored;
    return ToSingle(LeadingValue(Text(field)) * scale);
}

// ----- Field events -----

void InputArea::FocusEnter(Field field) {
    const std::string trimmed = TrimFieldText(Text(field));
    ApplyEditText(field, trimmed);
    focusText_ = trimmed;
    // The name is typed from its start, numbers are appended to.
    const int caret = field == Field::MemberName ? 0 : CharCount(trimmed);
    view_.selection = {field, caret, 0};
}

void InputArea::KeyDown(Field field, int keyCode) {
    if (keyCode != kEscapeKey) return;
    ApplyEditText(field, focusText_);
    view_.selection = {field, 0, CharCount(focusText_)};
}

void InputArea::TextChanged(Field field, const std::string& text) {
    MutableText(field) = LimitChars(text, MaxChars(field));
    if (!IsLoadField(field)) CountEdit();
}

LeaveResult InputArea::FocusLeave(Field field, bool returnFocusFailed) {
    LeaveResult result;
    result.message = LeaveRejection(field, Text(field), Text(Field::Span), currentLoadType_);
    if (result.message.empty()) {
        if (field == Field::Span) RedrawDiagram();
        return result;
    }
    result.accepted = false;
    if (returnFocusFailed) return result;
    prompter_->ShowMessage(result.message, kButtonsOk, kMessageTitle);
    view_.selection = {field, 0, CharCount(Text(field))};
    return result;
}

void InputArea::CopySection(int button) {
    if (button < 0 || button > 1) return;
    SetText(BreadthField(button + 1), Text(BreadthField(button)));
    SetText(DepthField(button + 1), Text(DepthField(button)));
    SetText(CoverField(button + 1), Text(CoverField(button)));
}

// ----- Diagram -----

void InputArea::RedrawDiagram() {
    std::optional<BeamDiagram> drawn = DrawBeamWithLoads(SpanValue(), supportType_, loadLines_, -1);
    if (!drawn) return;
    diagram_ = std::move(drawn);
    highlightedLoad_ = -1;
}

void InputArea::DrawAllNormal() {
    highlightedLoad_ = -1;
    if (!diagram_) return;
    diagram_ = DrawBeamWithLoads(diagram_->span, diagram_->supportType, loadLines_, -1);
}

// ----- Transfer -----

void InputArea::GatherInto(BeamRecord& record, const GradeTable& grades, int beamCount) {
    // Values the user changed in the area replace what a damaged file left of the beam.
    if (memberModified) record.cutByFileEnd = false;
    // A name shown from the record keeps its blanks; a typed one is trimmed.
    const std::string& name = Text(Field::MemberName);
    record.memberName = ShowsStoredText(Field::MemberName) ? name : TrimFieldText(name);
    record.spanLength = ValueOf(Field::Span);
    record.sectionCount = static_cast<std::int16_t>(sectionOption_ + 1);
    for (int c = 0; c < record.sectionCount; ++c) {
        record.sectionWidth[c] = ValueOf(BreadthField(c));
        record.sectionDepth[c] = ValueOf(DepthField(c));
        record.sectionCover[c] = ValueOf(CoverField(c));
    }
    record.selfWeight = ComputeSelfWeight(record);
    record.concreteFc = ValueOf(Field::Fc, inputIsSI_ ? 10 : 1);

    record.mainBarGrade = static_cast<std::int16_t>(mainGrade_);
    record.mainBarSize = mainSizeText_;
    record.compressionBarRatio = ValueOf(Field::CompressionRatio);
    record.maxBarLayers = RoundToInt16(ValueOf(Field::BarLayers));
    record.mainGradeValue = grades.ValueOf(mainGrade_);

    record.stirrupGrade = static_cast<std::int16_t>(stirrupGrade_);
    record.stirrupSize = stirrupSizeText_;
    record.maxStirrupLegs = RoundToInt16(ValueOf(Field::StirrupLegs));
    record.maxStirrupPitch = RoundToInt16(ValueOf(Field::StirrupPitch));
    record.assemblyMethod = static_cast<std::int16_t>(assemblyMethod_);
    record.stirrupGradeValue = grades.ValueOf(stirrupGrade_);

    record.minRebarRule = static_cast<std::int16_t>(minRebarRule_);
    record.spanType = static_cast<std::int16_t>(spanType_);
    record.userCoefficients = userCoefficients_;

    record.skipBeam = calcFlags_[0] ? 1 : 0;
    record.shortTerm = calcFlags_[1] ? 1 : 0;
    record.ignoreSelfWeight = calcFlags_[2] ? 1 : 0;

    record.supportType = static_cast<std::int16_t>(supportType_);
    record.momentPositionMode = static_cast<std::int16_t>(momentMode_);
    record.momentPosition = ComputeMomentPosition(record, ValueOf(Field::MomentPosition));

    if (beamCount >= 1) SetEditButtons(1);
}

void InputArea::ShowRecord(const BeamRecord& record) {
    const bool wasFilling = fillingForm;
    fillingForm = true;
    const bool cantilever = record.supportType == 1;
    // A cantilever has one section, whatever the record says.
    const int sections = cantilever ? 1 : std::clamp<int>(record.sectionCount, 1, kSectionSlots);

    // Columns not shown keep their texts but not the memory of another beam's values.
    shown_.fill(std::nullopt);
    auto showNumber = [this](Field field, float stored) {
        ShowValue(field, FormatGeneral(stored), stored);
    };
    ShowValue(Field::MemberName, record.memberName, 0.0f);
    showNumber(Field::Span, record.spanLength);
    for (int c = 0; c < sections; ++c) {
        showNumber(BreadthField(c), record.sectionWidth[c]);
        showNumber(DepthField(c), record.sectionDepth[c]);
        showNumber(CoverField(c), record.sectionCover[c]);
    }
    showNumber(Field::CompressionRatio, record.compressionBarRatio);
    ShowValue(Field::BarLayers, IntegerText(record.maxBarLayers), record.maxBarLayers);
    ShowValue(Field::StirrupLegs, IntegerText(record.maxStirrupLegs), record.maxStirrupLegs);
    ShowValue(Field::StirrupPitch, IntegerText(record.maxStirrupPitch), record.maxStirrupPitch);
    ShowValue(Field::Fc,
              FormatGeneral(inputIsSI_ ? ToSingle(record.concreteFc / 10.0) : record.concreteFc),
              record.concreteFc);
    view_.sectionOption[1].enabled = !cantilever;
    view_.sectionOption[2].enabled = !cantilever;

    SelectSectionCount(sections - 1);
    SelectSupportType(cantilever ? 1 : 0);
    SelectMomentPositionMode(record.momentPositionMode == 1 ? 1 : 0);
    SelectMainBarGrade(record.mainBarGrade);
    SetSizeFromText(true, record.mainBarSize);
    SelectStirrupGrade(record.stirrupGrade);
    SetSizeFromText(false, record.stirrupSize);
    SelectAssemblyMethod(record.assemblyMethod);
    SelectMinRebarRule(record.minRebarRule);
    spanType_ = record.spanType;
    userCoefficients_ = record.userCoefficients;
    view_.spanTypeCaption.caption = SpanTypeName(spanType_);

    if (record.momentPositionMode == 1) {
        showNumber(Field::MomentPosition, record.momentPosition);
        // A cantilever keeps its position field greyed: it has no position of its own.
        if (!cantilever) {
            view_.momentField.background = ViewColour::White;
            view_.momentField.enabled = true;
            view_.momentUnit.enabled = true;
        }
    } else {
        SetText(Field::MomentPosition, "");
    }
    view_.cantileverNote.visible = cantilever;
    calcFlags_ = {record.skipBeam != 0, record.shortTerm != 0, record.ignoreSelfWeight != 0};
    fillingForm = wasFilling;
}

void InputArea::ShowBeam(const BeamRecord& record) {
    ShowRecord(record);
    loadLines_.clear();
    shownLoads_.clear();
    selectedLoad_ = -1;
    highlightedLoad_ = -1;
    view_.loadCounter.caption.clear();
    RecordToLoadList(record);
    diagram_.reset();
    RedrawDiagram();
    // A refilled list has no load being edited.
    SetEditButtons(1);
}

void InputArea::ClearInputArea() {
    memberModified = false;
    const bool wasFilling = fillingForm;
    fillingForm = true;
    for (int f = 0; f < kMemberFieldCount; ++f) SetText(static_cast<Field>(f), "");
    shown_.fill(std::nullopt);
    // Every load page and the carry-over go too, so no text of the old beam comes back.
    for (std::array<std::string, 6>& page : pageTexts_) page.fill(std::string());
    carryOver_.fill(std::string());
    calcFlags_ = {false, false, false};
    SelectMomentPositionMode(0);
    loadLines_.clear();
    shownLoads_.clear();
    selectedLoad_ = -1;
    highlightedLoad_ = -1;
    view_.loadCounter.caption.clear();
    // The diagram shows the beam being edited; an empty area has none.
    diagram_.reset();
    SetEditButtons(1);
    fillingForm = wasFilling;
}

void InputArea::ApplyDefaults(const DefaultsRecord& defaults, ProjectSettings& settings,
                              SheetFontSetting& font) {
    const bool wasFilling = fillingForm;
    const bool wasLoading = loadingFile;
    fillingForm = true;
    loadingFile = true;  // a reset never warns about the units

    SelectInputUnits(defaults.unitCode >= 2 ? 1 : 0);
    SelectOutputUnits((defaults.unitCode & 1) != 0 ? 1 : 0);

    ClearInputArea();
    calcFlags_ = {false, defaults.shortTerm != 0, false};

    SelectSectionCount(std::clamp<int>(defaults.sectionOption, 0, kSectionSlots - 1));
    SelectMainBarGrade(defaults.mainBarGrade);
    SelectStirrupGrade(defaults.stirrupGrade);
    SelectMinRebarRule(defaults.minRebarRule);
    SetText(Field::StirrupLegs, IntegerText(defaults.maxStirrupLegs));
    SetText(Field::StirrupPitch, IntegerText(defaults.maxStirrupPitch));
    SetText(Field::Fc,
            FormatGeneral(inputIsSI_ ? ToSingle(defaults.concreteFc / 10.0) : defaults.concreteFc));
    SetText(Field::CompressionRatio, FormatGeneral(defaults.compressionBarRatio));
    SetText(Field::BarLayers, IntegerText(defaults.maxBarLayers));
    SetSpanTypeChoice(defaults.spanType, {1.0f, 0.0f, 1.0f});
    SetSizeFromText(true, defaults.mainBarSize);
    SetSizeFromText(false, defaults.stirrupSize);
    SelectAssemblyMethod(defaults.assemblyMethod);

    ApplyDefaultsToProject(defaults, settings, font);
    loadingFile = wasLoading;
    fillingForm = wasFilling;
}

}  // namespace zel
