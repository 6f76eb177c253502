#include "editor/FieldRules.h"

#include "lib/Numbers.h"

namespace zel {

namespace {

const char* const kSizeError = "断面サイズの数値に誤りがあります。";

}  // namespace

std::string LeaveRejection(Field field, std::string_view text, std::string_view spanText,
                           int loadType) {
    const std::string trimmed = TrimFieldText(text);
    const bool filled = !trimmed.empty();
    const double v = LeadingValue(trimmed);
    switch (field) {
        case Field::MemberName:
            return {};
        case Field::Span:
            if (v < 0 || (filled && v == 0)) return "スパン長の数値に誤りがあります。";
            if (v > kMaxSpan) {
                return "スパン長が最大値を超えています。 (Max: " + FormatNumber(kMaxSpan, "#0") +
                       "m)";
            }
            return {};
        case Field::Breadth1:
        case Field::Breadth2:
        case Field::Breadth3:
        case Field::Depth3:
        case Field::Cover1:
        case Field::Cover2:
        case Field::Cover3:
            return filled && v <= 0 ? kSizeError : "";
        case Field::Depth1:
        case Field::Depth2:
            return filled && v < 0 ? kSizeError : "";
        case Field::Fc:
            return filled && v < 0 ? "設計基準強度の数値に誤りがあります。" : "";
        case Field::CompressionRatio:
        case Field::BarLayers:
            return filled && v <= 0 ? "複筋比の数値に誤りがあります。" : "";
        case Field::StirrupLegs:
            return filled && v <= 0 ? "スターラップ本数の数値に誤りがあります。" : "";
        case Field::StirrupPitch:
            return filled && v <= 0 ? "スターラップピッチの数値に誤りがあります。" : "";
        case Field::MomentPosition: {
            const double span = LeadingValue(TrimFieldText(spanText));
            if (v > span) return "曲げモーメント算定位置がスパン長を超えています。";
            if (v < 0) return "曲げモーメント算定位置に誤りがあります。";
            return {};
        }
        case Field::Load0:
            return {};
        default:
            if (filled && v < 0) {
                return loadType == 1 ? "荷重長さの数値に誤りがあります。"
                                     : "荷重長さ(高さ)の数値に誤りがあります。";
            }
            return {};
    }
}

}  // namespace zel
