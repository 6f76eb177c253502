#pragma once
// Fixed captions and hints of the input area, for the widgets that show them.
#include "data/BeamTexts.h"
#include "editor/InputField.h"

namespace zel {

// Label in front of a member field ("" for load fields, whose labels belong to their page).
inline const char* FieldLabel(Field field) {
    return PropertiesOf(field).label;
}

// Fixed unit after a member field ("" where none is shown or the unit follows the units).
inline const char* FieldUnit(Field field) {
    return PropertiesOf(field).unit;
}

inline constexpr const char* kSectionUnitCaption = "(単位:cm)";
inline constexpr const char* kMemberNameHint = "最大文字数： 18文字 (必ず半角)";
inline constexpr const char* kSpanHint = "最大スパン長： 50(m)";

// Calculation flags and message options, by box index, with their hints.
inline constexpr const char* kCalculationFlagCaptions[] = {
    "この梁は計算しない", "短期荷重として計算", "梁自重を考慮しない"};
inline constexpr const char* kCalculationFlagHints[] = {
    "２次小梁等で最終的に計算が必要でない場合にチェックして下さい",
    "入力荷重を短期荷重として検討します(許容応力度は、長期の 1.5倍)",
    "チェックをつけると断面検討時に梁自重を考慮しません"};
inline constexpr const char* kMessageOptionCaptions[] = {"ﾃﾞｰﾀ変更時のﾒｯｾｰｼﾞを表示しない",
                                                         "ﾌﾟﾚﾋﾞｭｰ終了時のﾒｯｾｰｼﾞを表示しない"};
inline constexpr const char* kChangeMessageOptionHint = "ﾁｪｯｸ付けると 確認無しにデータを変更します";
inline constexpr const char* kMomentPositionHint =
    "設計用曲げモーメントの算定位置を指定してください";

// Unit options (0 conventional, 1 SI) and their hints.
inline constexpr const char* kUnitOptionCaptions[] = {"従来", "ＳＩ"};
inline constexpr const char* kInputUnitHints[] = {"入力時の単位を [ｋｇ，ｔ ] で行います",
                                                  "入力時の単位を [Ｎ，ｋＮ] で行います"};
inline constexpr const char* kOutputUnitHints[] = {"出力時の単位を [ｋｇ，ｔ ] で行います",
                                                   "出力時の単位を [Ｎ，ｋＮ] で行います"};

inline constexpr const char* kSupportTypeCaptions[] = {"単純梁", "片持梁"};
inline constexpr const auto& kGradeCaptions = kGradeNames;
inline constexpr const char* kMinRebarRuleCaptions[kMinRebarRuleCount] = {
    "最小引張鉄筋比 0.4%  (0.004・Bd)", "存在応力から求めた鉄筋量の 4/3 倍",
    "存在応力から求めた鉄筋量"};

// Tabs of the two tab sets.
inline constexpr const char* kFirstTabCaptions[] = {"断面数", "主筋", "ｽﾀｰﾗｯﾌﾟ",
                                                    "引張側最小鉄筋量"};
inline constexpr const char* kSecondTabCaptions[] = {"計算フラグ", "曲げＭ算定位置", "確認ﾒｯｾｰｼﾞ"};

// Load editor frames and buttons.
inline constexpr const char* kLoadInputFrame = "荷重入力";
inline constexpr const char* kLoadListFrame = "荷重データリスト";
inline constexpr const char* kAddLoadCaption = "荷重追加";
inline constexpr const char* kCancelClearCaption = "ｷｬﾝｾﾙ/ｸﾘｱｰ";
inline constexpr const char* kLoadCounterLabel = "荷重 No.";
inline constexpr const char* kLoadListHeadings[] = {"ﾀｲﾌﾟ",  "荷重",  "高さ", "長さ1",
                                                    "長さ2", "長さ3", "長さ4"};

}  // namespace zel
