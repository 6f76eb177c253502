#include "output/CheckViewTexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "calc/BarLimits.h"
#include "calc/SectionDesign.h"
#include "lib/Numbers.h"
#include "output/SectionWhyTexts.h"

namespace zel {

int ColumnCount(const BeamRecord& beam) {
    return std::clamp<int>(beam.sectionCount, 1, 3);
}

std::vector<int> ColumnSections(const BeamRecord& beam, int column) {
    const int count = ColumnCount(beam);
    if (count == 3) return {column};
    if (count == 2) return column == 0 ? std::vector<int>{0, 2} : std::vector<int>{1};
    return {0, 1, 2};
}

ColumnValues CombinedColumn(const BeamRecord& beam, const CalcResult& result,
                            const PlacementFlags& flags, int column) {
    const std::vector<int> sections = ColumnSections(beam, column);
    ColumnValues v;
    v.section = std::clamp(column, 0, 2);
    const DesignStresses& d = result.designStresses;
    const std::array<float, 3> moments{d.Mleft, d.Mcentre, d.Mright};
    const std::array<float, 3> shears{d.Qleft, d.Qcentre, d.Qright};
    bool first = true;
    for (const int s : sections) {
        const std::size_t i = static_cast<std::size_t>(s);
        if (first || std::fabs(moments[i]) >= std::fabs(v.moment)) {
            v.moment = moments[i];
            v.momentSection = s;
        }
        if (first || std::fabs(shears[i]) >= std::fabs(v.shear)) {
            v.shear = shears[i];
            v.shearSection = s;
        }
        const SectionResult& r = result.sections[static_cast<std::size_t>(s)];
        const int failed = flags.placementFailed[static_cast<std::size_t>(s)];
        if (first) {
            v.topBars = r.topBars;
            v.bottomBars = r.bottomBars;
            v.stirrupPitch = r.stirrupPitch;
            v.placementFailed = failed;
            first = false;
        } else {
            v.topBars = std::max<int>(v.topBars, r.topBars);
            v.bottomBars = std::max<int>(v.bottomBars, r.bottomBars);
            v.stirrupPitch = std::min(v.stirrupPitch, r.stirrupPitch);
            v.placementFailed = std::max(v.placementFailed, failed);
        }
    }
    // One section's bars serve every position the column stands for, so the tension face of
    // the shown moment holds the count shown on that face.
    v.tensionBars = TensionAtBottom(v.momentSection + 1, v.moment) ? v.bottomBars : v.topBars;
    return v;
}

std::string BarText(const BeamRecord& beam, const CalcResult& result, const ColumnValues& values,
                    bool top) {
    const SectionResult& own = result.sections[static_cast<std::size_t>(values.section)];
    const std::int64_t c = top ? values.topBars : values.bottomBars;
    std::string text;
    if (std::max<int>(own.topBars, own.bottomBars) >= kMaxBars) {
        text = std::string("**-").append(beam.mainBarSize);
    } else {
        text = FormatFixed(static_cast<double>(c), 0) + "-" + beam.mainBarSize;
    }
    const std::int64_t b = own.barsPerLayer;
    const std::int64_t capacity = b * static_cast<std::int64_t>(beam.maxBarLayers);
    if (b < c && capacity >= c) {
        text += '(';
        text += std::to_string((c - 1) / b + 1);
        text += "段)";
    } else if (capacity < c) {
        text += "(NG) ";
    }
    return text;
}

bool SingleLegWarning(const CalcResult& result, const ColumnValues& values) {
    const SectionResult& own = result.sections[static_cast<std::size_t>(values.section)];
    return own.stirrupLegs == 1 && own.topBars >= 2;
}

std::string StirrupText(const BeamRecord& beam, const CalcResult& result,
                        const ColumnValues& values) {
    const SectionResult& own = result.sections[static_cast<std::size_t>(values.section)];
    std::string text = FormatFixed(own.stirrupLegs, 0) + "-" + beam.stirrupSize + "@" +
                       FormatFixed(values.stirrupPitch, 0);
    if (SingleLegWarning(result, values)) text += "(*)";
    return text;
}

std::string JudgementText(const CalcResult& result, const ColumnValues& values) {
    std::string text = values.placementFailed != 0 ? kJudgementImpossible : kJudgementOk;
    if (SingleLegWarning(result, values)) text += "(*)";
    return text;
}

std::vector<std::string> CheckColumnHeadings(const BeamRecord& beam) {
    switch (ColumnCount(beam)) {
        case 3:
            return {"左  端", "中  央", "右  端"};
        case 2:
            return {"端  部", "中  央"};
        default:
            return {beam.supportType == 1 ? "固定端" : "全断面"};
    }
}

CheckViewTexts BuildCheckViewTexts(const BeamRecord& beam, const CalcResult& result,
                                   const PlacementFlags& flags) {
    CheckViewTexts texts;
    texts.caption = std::string("[ ").append(beam.memberName).append(" ] の断面チェック");
    texts.error = result.error;
    const std::vector<std::string> headings = CheckColumnHeadings(beam);
    for (int k = 0; k < ColumnCount(beam); ++k) {
        const ColumnValues v = CombinedColumn(beam, result, flags, k);
        CheckColumn column;
        column.heading = headings[static_cast<std::size_t>(k)];
        column.topBars = BarText(beam, result, v, true);
        column.bottomBars = BarText(beam, result, v, false);
        column.stirrups = StirrupText(beam, result, v);
        column.judgement = JudgementText(result, v);
        column.failed = v.placementFailed != 0;
        texts.failures.push_back(
            column.failed ? WorstFailureSentence(result, ColumnSections(beam, k)) : std::string());
        texts.columns.push_back(std::move(column));
    }
    texts.whyLines = WhyLines(result);
    return texts;
}

}  // namespace zel
