// A combined column (the end column of a two-section beam, the only column of a one-section
// beam) must read as one section: the required area belongs to the moment it shows, and the
// provided area to the bars it shows. Checked over random beams.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calc/CalculateBeam.h"
#include "calc/SectionDesign.h"
#include "lib/Numbers.h"
#include "output/SheetBody.h"

namespace zel {
namespace {

BeamRecord RandomBeam(std::mt19937& rng) {
    auto uniform = [&](double lo, double hi) {
        return static_cast<float>(std::uniform_real_distribution<double>(lo, hi)(rng));
    };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static const char* const kBars[] = {"D16", "D19", "D22", "D25"};
    BeamRecord b;
    b.memberName = "G";
    b.sectionCount = static_cast<std::int16_t>(pick(1, 2));
    for (int s = 0; s < 3; ++s) {
        b.sectionWidth[s] = static_cast<float>(pick(5, 12) * 5);
        b.sectionDepth[s] = static_cast<float>(pick(9, 20) * 5);
        b.sectionCover[s] = 5.0f;
    }
    b.supportType = static_cast<std::int16_t>(pick(0, 5) == 0 ? 1 : 0);
    b.spanLength = b.supportType == 1 ? uniform(1.0, 3.0) : uniform(3.0, 10.0);
    b.spanType = static_cast<std::int16_t>(std::vector<int>{0, 1, 2, 3, 5, 6}[pick(0, 5)]);
    b.minRebarRule = static_cast<std::int16_t>(pick(0, 2));
    b.mainBarGrade = static_cast<std::int16_t>(pick(0, 1));
    b.stirrupGrade = 0;
    b.mainBarSize = kBars[pick(0, 3)];
    b.stirrupSize = pick(0, 1) ? "D10" : "D13";
    b.maxStirrupPitch = static_cast<std::int16_t>(pick(4, 10) * 25);
    b.compressionBarRatio = uniform(0.0, 1.0);
    b.maxBarLayers = static_cast<std::int16_t>(pick(1, 3));
    b.maxStirrupLegs = static_cast<std::int16_t>(pick(2, 4));
    b.concreteFc = static_cast<float>(pick(18, 30) * 10);
    b.selfWeight = ComputeSelfWeight(b);
    b.momentPosition = b.spanLength / 2.0f;
    b.loadCount = static_cast<std::int16_t>(pick(1, 3));
    for (int k = 0; k < b.loadCount; ++k) {
        if (pick(0, 1) == 0) {
            b.loadType[k] = kLoadUniform;
            b.loadValue[k] = uniform(0.3, 3.0);
            b.loadHeight[k] = uniform(1.0, 4.0);
            b.loadLengths[k] = {0.0f, b.spanLength, 0.0f, 0.0f};
        } else {
            b.loadType[k] = kLoadConcentrated;
            b.loadValue[k] = uniform(-2.0, 15.0);
            b.loadLengths[k] = {uniform(0.0, b.spanLength), 0.0f, 0.0f, 0.0f};
        }
    }
    return b;
}

// The bar count at the start of "4-D19", "7-D22(2段)"; -1 for "**-D25".
int BarCount(const std::string& text) {
    return text.rfind("**", 0) == 0 ? -1 : std::stoi(text);
}

TEST(CombinedColumnProperty, RequiredAndProvidedValuesBelongToWhatTheColumnShows) {
    std::mt19937 rng(14);
    int combinedColumns = 0;
    for (int round = 0; round < 400; ++round) {
        Project p = MakeEmptyProject();
        p.settings.beamCount = 1;
        p.Beam(1) = RandomBeam(rng);
        const CalcResult r = CalculateBeam(p, 1);
        if (!r.Calculated()) continue;
        const BeamRecord& b = p.Beam(1);
        const auto rows = SheetBodyRows(b, r, p.placement[0], ProjectSettings{});
        // The sections the combined column stands for.
        const std::vector<int> sections =
            b.sectionCount == 1 ? std::vector<int>{0, 1, 2} : std::vector<int>{0, 2};
        const std::array<float, 3> moments{r.designStresses.Mleft, r.designStresses.Mcentre,
                                           r.designStresses.Mright};
        const std::string shown = rows[14].cells[0];
        const int top = BarCount(rows[23].cells[0]);
        const int bottom = BarCount(rows[24].cells[0]);
        bool matched = false;
        for (const int s : sections) {
            if (LimitedValueText(moments[s], false) != shown) continue;
            // The tension face of this moment holds the count the column shows on that face.
            const int tension = TensionAtBottom(s + 1, moments[s]) ? bottom : top;
            if (rows[19].cells[0] == FormatFixed(r.sections[s].atRequired, 3) &&
                (tension < 0 ||
                 rows[27].cells[0] == FormatFixed(static_cast<double>(tension) * r.a1, 2)))
                matched = true;
        }
        ++combinedColumns;
        EXPECT_TRUE(matched) << "round " << round << ": M " << shown << ", 必要at "
                             << rows[19].cells[0] << ", 引張側at " << rows[27].cells[0] << ", bars "
                             << rows[23].cells[0] << " / " << rows[24].cells[0];
        if (rows[32].cells[0].rfind(kJudgementImpossible, 0) != 0 && top >= 0 && bottom >= 0) {
            EXPECT_GE(std::stod(rows[27].cells[0]) + 0.005, std::stod(rows[19].cells[0]))
                << "round " << round;
        }
    }
    EXPECT_GT(combinedColumns, 300);
}

}  // namespace
}  // namespace zel
