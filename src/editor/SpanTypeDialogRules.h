#pragma once
// The approximate-method dialog as a model: the span type of the beam being edited and, for
// the user-defined type, its three moment coefficients.
#include <array>
#include <string>

namespace zel {

class InputArea;

inline constexpr int kUserSpanType = 4;

class SpanTypeDialogRules {
  public:
    // Opens on the input area's current span type and coefficients.
    explicit SpanTypeDialogRules(const InputArea& area);

    void ClickOption(int spanType);
    // Text typed into coefficient field 0 (left end), 1 (centre) or 2 (right end).
    void SetCoefficientText(int index, const std::string& text);
    // "OK": stores the choice in the input area. Empty fields: the centre becomes 0, an end
    // keeps its value.
    void Ok(InputArea& area) const;
    // "ｷｬﾝｾﾙ" and closing the window change nothing; nothing to do.

    int SelectedType() const { return selected_; }
    const std::array<std::string, 3>& CoefficientTexts() const { return texts_; }
    bool CoefficientsVisible() const { return selected_ == kUserSpanType; }
    std::string PictureFile() const;

    static const char* OptionCaption(int spanType);
    static std::string PictureFileOf(int spanType);

  private:
    void FillTexts();

    std::array<float, 3> working_{};
    int selected_ = 0;
    std::array<std::string, 3> texts_;
};

}  // namespace zel
