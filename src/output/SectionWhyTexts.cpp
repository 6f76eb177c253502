#include "output/SectionWhyTexts.h"

#include <cmath>

#include "calc/BarLimits.h"
#include "lib/Numbers.h"

namespace zel {

const char* RuleText(TensionRule rule) {
    switch (rule) {
        case TensionRule::Moment:
            return "曲げ";
        case TensionRule::MinimumRatio:
            return "最小鉄筋比0.4%";
        case TensionRule::FourThirds:
            return "必要量の4/3";
        case TensionRule::StirrupLegs:
            return "ｽﾀｰﾗｯﾌﾟ本数";
        case TensionRule::Bond:
            return "付着";
        case TensionRule::Cap:
            return "上限100本";
        case TensionRule::None:
            break;
    }
    return "";
}

const char* RuleText(StirrupRule rule) {
    switch (rule) {
        case StirrupRule::MinimumRatio:
            return "最小pw0.2%";
        case StirrupRule::Shear:
            return "せん断";
        case StirrupRule::ShearCap:
            return "pw上限1.2%";
        case StirrupRule::None:
            break;
    }
    return "";
}

const char* RuleText(PitchRule rule) {
    switch (rule) {
        case PitchRule::Legs:
            return "最大本数";
        case PitchRule::Limit:
            return "最大ﾋﾟｯﾁ・D/2";
        case PitchRule::None:
            break;
    }
    return "";
}

std::string FailureSentence(const CalcResult& result, int section) {
    const SectionFailure& f = result.sections[static_cast<std::size_t>(section)].why.failure;
    switch (f.kind) {
        case FailureKind::None:
            break;
        case FailureKind::NotCalculated:
            return result.error;
        case FailureKind::FaceOverflow:
            return std::string(f.bottomFace ? "下端筋 " : "上端筋 ") + std::to_string(f.bars) +
                   "本 > " + std::to_string(f.barsPerLayer) + "本×" + std::to_string(f.layers) +
                   "段";
        case FailureKind::NoBarFits:
            return "1段に主筋が1本も入らない (B=" + FormatGeneral(f.B) + "cm)";
        case FailureKind::DepthUsedUp:
            return "有効せいが無くなる (" + std::to_string(f.layer) + "段目)";
        case FailureKind::BarCap:
            return "主筋が" + std::to_string(kMaxBars) + "本を超える";
    }
    return {};
}

std::string WorstFailureSentence(const CalcResult& result, const std::vector<int>& sections) {
    int worst = -1;
    for (const int s : sections) {
        const SectionResult& r = result.sections[static_cast<std::size_t>(s)];
        if (r.why.failure.kind == FailureKind::None) continue;
        if (worst < 0 ||
            r.ratios.placement > result.sections[static_cast<std::size_t>(worst)].ratios.placement)
            worst = s;
    }
    return worst < 0 ? std::string() : FailureSentence(result, worst);
}

std::string RatioText(double ratio) {
    return std::isfinite(ratio) ? FormatFixed(ratio, 2) : "∞";
}

std::vector<std::string> WhyLines(const CalcResult& result) {
    std::vector<std::string> lines;
    if (!result.Calculated()) return lines;
    static constexpr const char* kSectionNames[3] = {"左端", "中央", "右端"};
    for (int s = 0; s < 3; ++s) {
        const SectionResult& r = result.sections[static_cast<std::size_t>(s)];
        std::string line =
            std::string(kSectionNames[s]) + "  主筋:" + RuleText(r.why.tension) +
            "  ｽﾀｰﾗｯﾌﾟ:" + RuleText(r.why.stirrups) + "  ﾋﾟｯﾁ:" + RuleText(r.why.pitch) +
            "  at比 " + RatioText(r.ratios.tension) + "  付着比 " + RatioText(r.ratios.bond) +
            "  せん断比 " + RatioText(r.ratios.shear) + "  配置比 " + RatioText(r.ratios.placement);
        if (const std::string why = FailureSentence(result, s); !why.empty())
            line += std::string("  ") + kJudgementImpossible + ": " + why;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string SectionSizesText(const BeamRecord& beam) {
    std::vector<std::string> sizes;
    for (int c = 0; c < ColumnCount(beam); ++c) {
        const std::size_t i = static_cast<std::size_t>(c);
        sizes.push_back(FormatGeneral(beam.sectionWidth[i]) + "×" +
                        FormatGeneral(beam.sectionDepth[i]));
    }
    bool same = true;
    for (const std::string& size : sizes) same = same && size == sizes.front();
    if (same) return sizes.front();
    std::string text;
    for (const std::string& size : sizes) text += (text.empty() ? "" : " / ") + size;
    return text;
}

CheckViewTexts SuggestedSectionTexts(const BeamRecord& beam, const CalcResult& result) {
    PlacementFlags flags;
    for (std::size_t s = 0; s < 3; ++s)
        flags.placementFailed[s] = result.sections[s].placementFailed;
    flags.anyPlacementFailed = result.anyPlacementFailed;
    return BuildCheckViewTexts(beam, result, flags);
}

}  // namespace zel
