#pragma once
// The Japanese texts of what decided a section: the rule words, the utilisation ratios and
// the sentence saying why a section is "設計不可". `zel check --why`, `zel suggest` and the
// check view all take them from here.
#include <string>
#include <vector>

#include "calc/CalcResult.h"
#include "data/BeamRecord.h"
#include "output/CheckViewTexts.h"

namespace zel {

// "曲げ", "最小鉄筋比", ...; "" for None.
const char* RuleText(TensionRule rule);
const char* RuleText(StirrupRule rule);
const char* RuleText(PitchRule rule);

// Why design section 0..2 is "設計不可", with its numbers: "下端筋 9本 > 4本×2段",
// "1段に主筋が1本も入らない (B=25cm)", "有効せいが無くなる (3段目)", "主筋が100本を超える",
// or the beam's error when it could not be calculated; "" when the section passed.
std::string FailureSentence(const CalcResult& result, int section);

// The sentence of the section among `sections` (0-based) that fails worst: the largest
// placement ratio, the first on a tie; "" when none of them failed.
std::string WorstFailureSentence(const CalcResult& result, const std::vector<int>& sections);

// A ratio with two decimals, "∞" where nothing is provided for a need.
std::string RatioText(double ratio);

// One line per design section (左端, 中央, 右端): the deciding rules, the ratios and the
// failure sentence. None for a beam that could not be calculated (its error says why).
std::vector<std::string> WhyLines(const CalcResult& result);

// "40×70", or one size per column where the sections differ: "40×70 / 40×60".
std::string SectionSizesText(const BeamRecord& beam);

// The check view's texts of a suggested section, with the placement flags its own
// calculation stored (the project's flags are those of the section today).
CheckViewTexts SuggestedSectionTexts(const BeamRecord& beam, const CalcResult& result);

}  // namespace zel
