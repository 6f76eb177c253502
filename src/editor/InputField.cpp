#include "editor/InputField.h"

#include <algorithm>
#include <iterator>

#include "lib/Text.h"

namespace zel {

namespace {

constexpr const char* kSizeError = "断面サイズの数値に誤りがあります。";
constexpr const char* kFcError = "設計基準強度の数値に誤りがあります。";
constexpr const char* kRatioError = "複筋比の数値に誤りがあります。";
constexpr const char* kLegsError = "スターラップ本数の数値に誤りがあります。";
constexpr const char* kPitchError = "スターラップピッチの数値に誤りがあります。";
constexpr const char* kLoadLengthError = "荷重長さ(高さ)の数値に誤りがあります。";

using enum LeaveRule;

// clang-format off
constexpr FieldProperties kFields[] = {
    // label                  unit    chars  leave rule      refusal
    {"部 材 名",              "",     18,    Any,            ""},                // MemberName
    {"スパン長",              "(m)",  6,     Span,           ""},                // Span
    {"梁  幅 B",              "",     5,     Positive,       kSizeError},        // Breadth1
    {"梁  幅 B",              "",     5,     Positive,       kSizeError},        // Breadth2
    {"梁  幅 B",              "",     5,     Positive,       kSizeError},        // Breadth3
    {"梁せい D",              "",     5,     NotNegative,    kSizeError},        // Depth1
    {"梁せい D",              "",     5,     NotNegative,    kSizeError},        // Depth2
    {"梁せい D",              "",     5,     Positive,       kSizeError},        // Depth3
    {"かぶり厚",              "",     5,     Positive,       kSizeError},        // Cover1
    {"かぶり厚",              "",     5,     Positive,       kSizeError},        // Cover2
    {"かぶり厚",              "",     5,     Positive,       kSizeError},        // Cover3
    {"Fc:",                   "",     3,     NotNegative,    kFcError},          // Fc
    {"複筋比γ",               "",     4,     Positive,       kRatioError},       // CompressionRatio
    {"主筋配置許容段数",      "段",   1,     Positive,       kRatioError},       // BarLayers
    {"最大本数",              "本",   1,     Positive,       kLegsError},        // StirrupLegs
    {"最大ﾋﾟｯﾁ",              "(mm)", 3,     Positive,       kPitchError},       // StirrupPitch
    {"任意位置(梁左端から)",  "(m)",  6,     MomentPosition, ""},                // MomentPosition
    {"",                      "",     7,     Any,            ""},                // Load0: P or w
    {"",                      "",     6,     LoadLength,     kLoadLengthError},  // Load1
    {"",                      "",     6,     LoadLength,     kLoadLengthError},  // Load2
    {"",                      "",     6,     LoadLength,     kLoadLengthError},  // Load3
    {"",                      "",     6,     LoadLength,     kLoadLengthError},  // Load4
    {"",                      "",     6,     LoadLength,     kLoadLengthError},  // Load5
};
// clang-format on
constexpr int kFieldCount = static_cast<int>(std::size(kFields));
static_assert(kFieldCount == static_cast<int>(Field::Load5) + 1, "one row per field");

}  // namespace

const FieldProperties& PropertiesOf(Field f) {
    const int index = FieldIndex(f);
    return kFields[index >= 0 && index < kFieldCount ? index : kFieldCount - 1];
}

int LastLoadField(int loadType) {
    if (loadType == 1) return 1;
    if (loadType == 5) return 5;
    return 3;
}

std::string TrimFieldText(std::string_view text) {
    return std::string(TrimBlanks(text));
}

std::string LimitChars(std::string_view text, int maxChars) {
    size_t pos = 0;
    for (int count = 0; pos < text.size() && count < maxChars; ++count) {
        unsigned char c = static_cast<unsigned char>(text[pos]);
        size_t len = c < 0x80           ? 1
                     : (c >> 5) == 0x6  ? 2
                     : (c >> 4) == 0xE  ? 3
                     : (c >> 3) == 0x1E ? 4
                                        : 1;
        pos += len;
    }
    return std::string(text.substr(0, std::min(pos, text.size())));
}

}  // namespace zel
