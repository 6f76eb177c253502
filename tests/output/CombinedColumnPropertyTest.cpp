// A combined column (the end column of a two-section beam, the only column of a one-section
// beam) must read as one section: the required area belongs to the moment it shows, and the
// provided area to the bars it shows. Checked over random beams.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "RandomBeams.h"
#include "calc/CalculateBeam.h"
#include "calc/SectionDesign.h"
#include "lib/Numbers.h"
#include "output/SheetBody.h"

namespace zel {
namespace {

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
        p.Beam(1) = test::RandomBeam(rng);
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
