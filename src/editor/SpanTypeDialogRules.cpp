#include "editor/SpanTypeDialogRules.h"

#include "editor/InputArea.h"
#include "lib/Numbers.h"
#include "lib/Rounding.h"

namespace zel {

SpanTypeDialogRules::SpanTypeDialogRules(const InputArea& area)
    : working_(area.UserCoefficients()), selected_(area.SpanType()) {
    FillTexts();
}

void SpanTypeDialogRules::FillTexts() {
    for (int i = 0; i < 3; ++i) texts_[i] = FormatGeneral(working_[i]);
}

void SpanTypeDialogRules::ClickOption(int spanType) {
    if (spanType < 0 || spanType >= kSpanTypeCount) return;
    selected_ = spanType;
    FillTexts();
}

void SpanTypeDialogRules::SetCoefficientText(int index, const std::string& text) {
    if (index >= 0 && index < 3) texts_[index] = text;
}

void SpanTypeDialogRules::Ok(InputArea& area) const {
    std::array<float, 3> coefficients = working_;
    for (int i = 0; i < 3; ++i) {
        if (!TrimFieldText(texts_[i]).empty()) {
            coefficients[i] = ToSingle(LeadingValue(texts_[i]));
        } else if (i == 1) {
            coefficients[i] = 0.0f;
        }
    }
    area.SetSpanTypeChoice(selected_, coefficients);
}

const char* SpanTypeDialogRules::OptionCaption(int spanType) {
    static const char* const kCaptions[kSpanTypeCount] = {
        "単ｽﾊﾟﾝ",    "２ｽﾊﾟﾝ(左側)", "多ｽﾊﾟﾝ(左外側)", "多ｽﾊﾟﾝ(内側)",
        "ﾕｰｻﾞｰ指定", "２ｽﾊﾟﾝ(右側)", "多ｽﾊﾟﾝ(右外側)"};
    return spanType >= 0 && spanType < kSpanTypeCount ? kCaptions[spanType] : "";
}

std::string SpanTypeDialogRules::PictureFileOf(int spanType) {
    static const char* const kFiles[kSpanTypeCount] = {
        "ﾓｰﾒﾝﾄ図-1.BMP", "ﾓｰﾒﾝﾄ図-2L.BMP", "ﾓｰﾒﾝﾄ図-31L.BMP", "ﾓｰﾒﾝﾄ図-32.BMP",
        "ﾓｰﾒﾝﾄ図-U.BMP", "ﾓｰﾒﾝﾄ図-2R.BMP", "ﾓｰﾒﾝﾄ図-31R.BMP"};
    return spanType >= 0 && spanType < kSpanTypeCount ? kFiles[spanType] : "";
}

std::string SpanTypeDialogRules::PictureFile() const {
    return PictureFileOf(selected_);
}

}  // namespace zel
