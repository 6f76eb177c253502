// Bar, stirrup and judgement texts of the check view, with the combined columns.
#include <gtest/gtest.h>

#include "output/CheckViewTexts.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

BeamRecord Beam(int sections, const char* bar = "D22") {
    BeamRecord b = test::TypicalBeam("G1");
    b.sectionCount = static_cast<std::int16_t>(sections);
    b.mainBarSize = bar;
    return b;
}

CalcResult Result(std::array<int, 3> top, std::array<int, 3> bottom, std::array<int, 3> pitch,
                  int perLayer = 5) {
    CalcResult r;
    for (int s = 0; s < 3; ++s) {
        r.sections[s].topBars = static_cast<std::int16_t>(top[s]);
        r.sections[s].bottomBars = static_cast<std::int16_t>(bottom[s]);
        r.sections[s].stirrupPitch = pitch[s];
        r.sections[s].stirrupLegs = 2;
        r.sections[s].barsPerLayer = perLayer;
    }
    return r;
}

TEST(CheckViewTexts, ColumnsCombineTheSectionsTheyStandFor) {
    PlacementFlags flags;
    // Two sections: the end column takes the larger count of the two ends, the centre its own.
    const CheckViewTexts two =
        BuildCheckViewTexts(Beam(2), Result({5, 2, 3}, {2, 4, 2}, {200, 200, 200}), flags);
    ASSERT_EQ(two.columns.size(), 2u);
    EXPECT_EQ(two.caption, "[ G1 ] の断面チェック");
    EXPECT_EQ(two.columns[0].heading, "端  部");
    EXPECT_EQ(two.columns[1].heading, "中  央");
    EXPECT_EQ(two.columns[0].topBars, "5-D22");
    EXPECT_EQ(two.columns[1].topBars, "2-D22");
    EXPECT_EQ(two.columns[1].bottomBars, "4-D22");

    // One section: the smallest pitch of all three, and the largest flag.
    flags.placementFailed = {0, 0, 1};
    const CheckViewTexts one =
        BuildCheckViewTexts(Beam(1), Result({3, 2, 3}, {2, 4, 2}, {200, 250, 150}), flags);
    ASSERT_EQ(one.columns.size(), 1u);
    EXPECT_EQ(one.columns[0].heading, "全断面");
    EXPECT_EQ(one.columns[0].stirrups, "2-D10@150");
    EXPECT_EQ(one.columns[0].bottomBars, "4-D22");
    EXPECT_EQ(one.columns[0].judgement, "設計不可");
    EXPECT_TRUE(one.columns[0].failed);

    // Three sections: each its own.
    flags = {};
    const CheckViewTexts three =
        BuildCheckViewTexts(Beam(3), Result({3, 2, 4}, {2, 4, 2}, {200, 250, 150}), flags);
    ASSERT_EQ(three.columns.size(), 3u);
    EXPECT_EQ(three.columns[2].heading, "右  端");
    EXPECT_EQ(three.columns[2].topBars, "4-D22");
    EXPECT_EQ(three.columns[1].stirrups, "2-D10@250");
    EXPECT_EQ(three.columns[0].judgement, "OK");

    BeamRecord cantilever = Beam(1);
    cantilever.supportType = 1;
    EXPECT_EQ(BuildCheckViewTexts(cantilever, Result({3, 2, 3}, {2, 2, 2}, {200, 200, 200}), flags)
                  .columns[0]
                  .heading,
              "固定端");
}

TEST(CheckViewTexts, BarTextsShowLayersOverflowAndHundredBars) {
    PlacementFlags flags;
    BeamRecord beam = Beam(3);
    CalcResult r = Result({7, 3, 3}, {2, 2, 2}, {200, 200, 200}, 5);
    ColumnValues v = CombinedColumn(beam, r, flags, 0);
    EXPECT_EQ(BarText(beam, r, v, true), "7-D22(2段)");
    EXPECT_EQ(BarText(beam, r, v, false), "2-D22");
    beam.maxBarLayers = 1;
    EXPECT_EQ(BarText(beam, r, v, true), "7-D22(NG) ");
    beam.maxBarLayers = 3;
    r.sections[0].topBars = 11;
    v = CombinedColumn(beam, r, flags, 0);
    EXPECT_EQ(BarText(beam, r, v, true), "11-D22(3段)");

    BeamRecord big = Beam(3, "D25");
    CalcResult hundred = Result({100, 3, 3}, {2, 2, 2}, {200, 200, 200}, 5);
    v = CombinedColumn(big, hundred, flags, 0);
    EXPECT_EQ(BarText(big, hundred, v, true).substr(0, 6), "**-D25");
    // The other face of that section is shown as "**-" too: the test reads the larger face.
    EXPECT_EQ(BarText(big, hundred, v, false).substr(0, 6), "**-D25");

    // No bar fits in a layer at all: any bar is too many.
    CalcResult none = Result({2, 2, 2}, {2, 2, 2}, {200, 200, 200}, 0);
    v = CombinedColumn(beam, none, flags, 0);
    EXPECT_EQ(BarText(beam, none, v, true), "2-D22(NG) ");
    CalcResult zero = Result({0, 0, 0}, {0, 0, 0}, {200, 200, 200}, 0);
    v = CombinedColumn(beam, zero, flags, 0);
    EXPECT_EQ(BarText(beam, zero, v, true), "0-D22");
}

TEST(CheckViewTexts, OneLegWithTwoTopBarsIsMarked) {
    PlacementFlags flags;
    BeamRecord beam = Beam(1);
    CalcResult r = Result({2, 2, 2}, {2, 2, 2}, {200, 200, 200});
    r.sections[0].stirrupLegs = 1;
    const CheckViewTexts t = BuildCheckViewTexts(beam, r, flags);
    EXPECT_EQ(t.columns[0].stirrups, "1-D10@200(*)");
    EXPECT_EQ(t.columns[0].judgement, "OK(*)");
    r.sections[0].topBars = 1;
    const CheckViewTexts single = BuildCheckViewTexts(beam, r, flags);
    EXPECT_EQ(single.columns[0].stirrups, "1-D10@200");
    EXPECT_EQ(single.columns[0].judgement, "OK");
}

}  // namespace
}  // namespace zel
