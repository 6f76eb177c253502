#include "editor/FieldRules.h"

#include "lib/Numbers.h"

namespace zel {

std::string LeaveRejection(Field field, std::string_view text, std::string_view spanText,
                           int loadType) {
    const FieldProperties& properties = PropertiesOf(field);
    const std::string trimmed = TrimFieldText(text);
    const bool filled = !trimmed.empty();
    const double v = LeadingValue(trimmed);
    switch (properties.leave) {
        case LeaveRule::Any:
            return {};
        case LeaveRule::Positive:
            return filled && v <= 0 ? properties.refusal : "";
        case LeaveRule::NotNegative:
            return filled && v < 0 ? properties.refusal : "";
        case LeaveRule::Span:
            if (v < 0 || (filled && v == 0)) return "スパン長の数値に誤りがあります。";
            if (v > kMaxSpan) {
                return "スパン長が最大値を超えています。 (Max: " + FormatNumber(kMaxSpan, "#0") +
                       "m)";
            }
            return {};
        case LeaveRule::MomentPosition: {
            const double span = LeadingValue(TrimFieldText(spanText));
            if (v > span) return "曲げモーメント算定位置がスパン長を超えています。";
            if (v < 0) return "曲げモーメント算定位置に誤りがあります。";
            return {};
        }
        case LeaveRule::LoadLength:
            if (!(filled && v < 0)) return {};
            return loadType == 1 ? "荷重長さの数値に誤りがあります。" : properties.refusal;
    }
    return {};
}

}  // namespace zel
