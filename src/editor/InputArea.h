#pragma once
// The input area of the main window as a model: the text of every field, the load list, the
// choices, the editing flags and the view state the widgets mirror. Every event of the input
// area is an operation here; the user is reached only through the Prompter.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/BeamDiagram.h"
#include "editor/CheckInput.h"
#include "editor/InputAreaTexts.h"
#include "editor/InputAreaView.h"
#include "editor/InputField.h"
#include "editor/Prompter.h"

namespace zel {

struct BeamRecord;
struct DefaultsRecord;
struct GradeTable;
struct ProjectSettings;
struct SheetFontSetting;

// Result of leaving a field.
struct LeaveResult {
    bool accepted = true;
    std::string message;  // the rejection text ("" when accepted)
};

class InputArea {
  public:
    explicit InputArea(Prompter& prompter);

    // ----- Field texts -----
    const std::string& Text(Field field) const;
    // Text of field `index` on the page of `loadType` (1..6), in front or not.
    const std::string& LoadPageText(int loadType, int index) const;
    // A write by the program: counted as an edit (unless fillingForm) when the text changes.
    void SetText(Field field, const std::string& text);

    // ----- Field events -----
    void FocusEnter(Field field);
    void KeyDown(Field field, int keyCode);  // only Escape (27) does something
    void KeyEscape(Field field) { KeyDown(field, 27); }
    // Typing: the text is cut to the field's maximum length; member fields count the edit.
    void TextChanged(Field field, const std::string& text);
    // `returnFocusFailed`: the widget could not take the focus back (hidden, disabled, another
    // window active); a rejection is then silent.
    LeaveResult FocusLeave(Field field, bool returnFocusFailed = false);
    // "ｺﾋﾟｰ" buttons: 0 copies column 1 into column 2, 1 copies column 2 into column 3.
    void CopySection(int button);

    // ----- Load editor -----
    void SelectLoadType(int optionIndex);  // 0..5 for types 1..6
    void SelectLoad(int position);         // list position from 0
    void AddLoad();
    void ChangeLoad();
    void CancelClearLoad();
    void DeleteLoad();
    void FullSpan();
    void ClearLoadFields();
    void SetEditButtons(int mode);
    int CheckInput() const;
    void ShowInputError(int code);
    std::string BuildLoadLine() const;
    void LoadLineToFields(const std::string& line);
    void LoadListToRecord(BeamRecord& record) const;
    void RecordToLoadList(const BeamRecord& record);
    // First list line (1-based) reaching beyond the span field's value.
    std::optional<int> FindLoadBeyondSpan() const;

    // ----- Choices -----
    void SelectSectionCount(int index);  // 0..2
    void SelectSupportType(int index);   // 0 simple beam, 1 cantilever
    void SelectMomentPositionMode(int index);
    void SelectMainBarGrade(int grade);
    void SelectStirrupGrade(int grade);
    void SelectMainBarSize(int position);
    void SelectStirrupSize(int position);
    void SelectAssemblyMethod(int position);
    void SelectMinRebarRule(int index);
    void SetCalculationFlag(int box, bool checked);  // 0 skip, 1 short term, 2 no self weight
    void SetMessageOption(int box, bool checked);    // 0 change messages, 1 preview message
    void SelectInputUnits(int index);                // 0 conventional, 1 SI
    void SelectOutputUnits(int index);
    // The span type and coefficients chosen in the approximate-method dialog ("OK").
    void SetSpanTypeChoice(int spanType, const std::array<float, 3>& coefficients);

    // ----- Transfer -----
    // Writes the input area into a record (loads excluded: LoadListToRecord). Columns not in
    // use keep the record's values. `beamCount` is the number of beams of the project.
    void GatherInto(BeamRecord& record, const GradeTable& grades, int beamCount);
    // Fills the fields and choices from a record (loads excluded: RecordToLoadList).
    void ShowRecord(const BeamRecord& record);
    // Shows a beam as the main window does: fields, a fresh load list, the diagram.
    void ShowBeam(const BeamRecord& record);
    // Empties the input area (the clear command after its question).
    void ClearInputArea();
    // Resets the input area for a new project and copies the project-wide defaults.
    void ApplyDefaults(const DefaultsRecord& defaults, ProjectSettings& settings,
                       SheetFontSetting& font);

    // ----- Diagram -----
    // Redraws the beam for the span field's value with every list load in normal colour; a
    // span that is not positive leaves the diagram as it was.
    void RedrawDiagram();
    const std::optional<BeamDiagram>& Diagram() const { return diagram_; }

    // ----- State read by the widgets and the main-window controller -----
    const InputAreaView& View() const { return view_; }
    InputAreaView& MutableView() { return view_; }
    const std::vector<std::string>& LoadLines() const { return loadLines_; }
    int SelectedLoad() const { return selectedLoad_; }
    int HighlightedLoad() const { return highlightedLoad_; }
    int CurrentLoadType() const { return currentLoadType_; }
    const std::array<std::string, 6>& CarryOverBuffer() const { return carryOver_; }
    const std::string& FocusText() const { return focusText_; }

    int SectionOption() const { return sectionOption_; }
    int SupportType() const { return supportType_; }
    int MomentPositionMode() const { return momentMode_; }
    int MainBarGrade() const { return mainGrade_; }
    int StirrupGrade() const { return stirrupGrade_; }
    const std::vector<std::string>& MainBarSizes() const { return mainSizes_; }
    const std::vector<std::string>& StirrupSizes() const { return stirrupSizes_; }
    int MainBarSizePosition() const { return mainSizePosition_; }
    int StirrupSizePosition() const { return stirrupSizePosition_; }
    const std::string& MainBarSizeText() const { return mainSizeText_; }
    const std::string& StirrupSizeText() const { return stirrupSizeText_; }
    int AssemblyMethod() const { return assemblyMethod_; }
    int MinRebarRule() const { return minRebarRule_; }
    bool CalculationFlag(int box) const { return calcFlags_.at(box); }
    int SpanType() const { return spanType_; }
    const std::array<float, 3>& UserCoefficients() const { return userCoefficients_; }
    bool InputIsSI() const { return inputIsSI_; }
    bool OutputIsSI() const { return outputIsSI_; }
    int UnitCode() const { return (inputIsSI_ ? 2 : 0) + (outputIsSI_ ? 1 : 0); }
    float UnitFactorValue() const { return unitFactor_; }
    // Counts the user's edits of the beam (each counted edit adds one), so that a copy of the
    // area tells whether anything was typed since it was taken.
    unsigned EditCount() const { return editCount_; }

    // Editing flags (public: the main-window controller sets and clears them).
    bool fillingForm = false;
    bool loadingFile = false;
    bool memberModified = false;
    bool fileModified = false;
    bool suppressChangeMessages = false;
    bool suppressPreviewCloseMessage = false;

  private:
    std::string& MutableText(Field field);
    std::array<std::string, 6>& Page(int loadType);
    void CountEdit();
    void ApplyEditText(Field field, const std::string& text);
    void SetUnitCaptions();
    void ShowLoadPicture();
    void ApplySectionHeadings(bool twoBlankHeadings);
    void ApplyMomentPositionView();
    void RefillSizes(bool mainBars, int grade);
    void SetSizeFromText(bool mainBars, const std::string& text);
    void SetLoadCounter(int position);
    void DrawAllNormal();
    double SpanValue() const;
    void ShowValue(Field field, const std::string& text, float stored);
    bool ShowsStoredText(Field field) const;
    // The stored value while the field shows it, otherwise the text's value × `scale`.
    float ValueOf(Field field, double scale = 1.0) const;

    // A pointer, so that the edit history can keep and restore copies of the whole area.
    Prompter* prompter_;
    InputAreaView view_;

    std::array<std::string, kMemberFieldCount> memberTexts_;
    std::array<std::array<std::string, 6>, kLoadTypeCount> pageTexts_;
    std::string focusText_;

    // What the program showed in a member field and the stored value behind it. While the
    // field still shows that text, a commit takes the stored value: the text may be rounded
    // or converted (Fc in SI), and NaN reads back as 0.
    struct ShownValue {
        std::string text;
        float stored = 0.0f;
    };
    std::array<std::optional<ShownValue>, kMemberFieldCount> shown_;

    std::vector<std::string> loadLines_;
    // A list line shown from a record's load slot and the slot's stored numbers, kept while
    // the line reads the same; one entry per list line (empty for lines built from typing).
    struct ShownLoad {
        std::string line;
        std::int16_t type = 0;
        float value = 0.0f;
        float height = 0.0f;
        std::array<float, 4> lengths{};
    };
    std::vector<std::optional<ShownLoad>> shownLoads_;
    int selectedLoad_ = -1;
    int highlightedLoad_ = -1;
    int currentLoadType_ = 1;
    std::array<std::string, 6> carryOver_;

    int sectionOption_ = 0;
    int supportType_ = 0;
    int momentMode_ = 0;
    int rememberedSupport_ = 0;
    int rememberedMoment_ = 0;
    int mainGrade_ = 0;
    int stirrupGrade_ = 0;
    std::vector<std::string> mainSizes_;
    std::vector<std::string> stirrupSizes_;
    int mainSizePosition_ = -1;
    int stirrupSizePosition_ = -1;
    std::string mainSizeText_;
    std::string stirrupSizeText_;
    int assemblyMethod_ = 0;
    int minRebarRule_ = 0;
    std::array<bool, 3> calcFlags_{};
    int spanType_ = 0;
    std::array<float, 3> userCoefficients_{1.0f, 0.0f, 1.0f};
    bool inputIsSI_ = false;
    bool outputIsSI_ = false;
    float unitFactor_ = 1.0f;
    unsigned editCount_ = 0;

    std::optional<BeamDiagram> diagram_;
};

// Fixed texts of the input area's choices.
const char* SpanTypeName(int spanType);     // "単スパン" ... ; "" outside 0..6
const char* LoadTypeCaption(int loadType);  // "1:集中荷重" ...
// The unit after the load field of `loadType`: "(N)", "(kg/m2)" ...
std::string LoadUnitCaption(bool inputIsSI, int loadType);
// Picture of a load page for a support type ("等分布荷重.JPG", "等分布荷重_C.JPG").
std::string LoadPictureFile(int loadType, int supportType);

}  // namespace zel
