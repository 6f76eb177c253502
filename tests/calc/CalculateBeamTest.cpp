// The beam driver: allowables and flags written back, faults as beam errors, result records.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/BarTable.h"
#include "calc/CalculateBeam.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

using test::ProjectOf;
using test::TypicalBeam;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(CalculateBeam, TypicalBeamEndToEnd) {
    Project project = ProjectOf({TypicalBeam()});
    const CalcResult r = CalculateBeam(project, 1);
    ASSERT_TRUE(r.Calculated()) << r.error;
    EXPECT_EQ(r.slot, 1);
    EXPECT_EQ(r.dm, 22);
    EXPECT_EQ(r.ds, 10);
    EXPECT_FLOAT_EQ(r.ft, 2.2f);
    EXPECT_NEAR(r.fs, 0.007, 1e-9);
    EXPECT_NEAR(r.fa, 0.014, 1e-9);
    EXPECT_FLOAT_EQ(r.wft, 2.0f);
    EXPECT_EQ(r.psi1, 7.0f);
    EXPECT_FLOAT_EQ(r.mainOuterMm, 25.0f);
    EXPECT_FLOAT_EQ(r.stirrupOuterMm, 11.0f);
    // The allowables are written back into the beam.
    const AllowableStresses& a = project.Beam(1).allowableStresses;
    EXPECT_EQ(a.ft, r.ft);
    EXPECT_EQ(a.fa, r.fa);
    EXPECT_EQ(a.fs, r.fs);
    EXPECT_EQ(a.wft, r.wft);

    // q = 3 + 0.432 t/m over 6 m: C = qL²/12, Mo = qL²/8, R = qL/2.
    const double q = 3.0 + 0.432;
    EXPECT_NEAR(r.loadEffects.CR, q * 36 / 12, 1e-4);
    EXPECT_NEAR(r.loadEffects.Mo, q * 36 / 8, 1e-4);
    EXPECT_NEAR(r.designStresses.Mleft, -0.6 * q * 3, 1e-4);
    EXPECT_NEAR(r.designStresses.Mcentre, q * 36 / 8 - 0.35 * q * 3, 1e-4);
    EXPECT_NEAR(r.designStresses.Qleft, q * 3, 1e-4);

    // Ends hog (tension on top), the centre sags (tension at the bottom).
    EXPECT_GT(r.sections[0].topBars, r.sections[0].bottomBars);
    EXPECT_GT(r.sections[1].bottomBars, r.sections[1].topBars);
    EXPECT_EQ(r.sections[2].topBars, r.sections[0].topBars);
    // Ends: 3 bars by bond in one layer; centre: 4 bars of three a layer need two layers.
    EXPECT_EQ(r.sections[0].tensionBars, 3);
    EXPECT_EQ(r.sections[0].layers, 1);
    EXPECT_EQ(r.sections[1].tensionBars, 4);
    EXPECT_EQ(r.sections[1].layers, 2);
    EXPECT_EQ(r.sections[1].bottomBars, 4);
    EXPECT_EQ(r.sections[1].topBars, 2);  // round(4.5 × 0.5)
    for (const SectionResult& s : r.sections) {
        EXPECT_EQ(s.barsPerLayer, 3);
        EXPECT_EQ(s.stirrupLegs, 2);
        EXPECT_GT(s.stirrupPitch, 0);
        EXPECT_LE(s.stirrupPitch, 200);
        EXPECT_EQ(s.placementFailed, 0);
    }
    EXPECT_EQ(r.sections[1].psiRequired, 0.0f);
    EXPECT_EQ(r.anyPlacementFailed, 0);
    EXPECT_STREQ(r.Judgement(), "OK");
    EXPECT_EQ(project.placement[0], PlacementFlags{});
}

TEST(CalculateBeam, PlacementFailureIsAResultAndIsRemembered) {
    BeamRecord heavy = TypicalBeam("G2");
    heavy.loadValue[0] = 8.0f;  // far more bars than two layers of three hold
    Project project = ProjectOf({TypicalBeam(), heavy});
    const CalcResult r = CalculateBeam(project, 2);
    ASSERT_TRUE(r.Calculated()) << r.error;
    EXPECT_EQ(r.anyPlacementFailed, 1);
    EXPECT_STREQ(r.Judgement(), "設計不可");
    const PlacementFlags& flags = project.placement[1];
    EXPECT_EQ(flags.anyPlacementFailed, 1);
    for (int s = 0; s < 3; ++s) EXPECT_EQ(flags.placementFailed[s], r.sections[s].placementFailed);
    EXPECT_EQ(flags.reserved, (std::array<std::int16_t, 3>{}));
    // Beam 1's flags are untouched until beam 1 is calculated.
    EXPECT_EQ(project.placement[0], PlacementFlags{});
    // Each calculation describes its own beam.
    EXPECT_EQ(CalculateBeam(project, 1).slot, 1);
    EXPECT_EQ(CalculateBeam(project, 2).anyPlacementFailed, 1);
}

TEST(CalculateBeam, SectionsTakeTheirDimensionsBySectionCount) {
    BeamRecord beam = TypicalBeam();
    beam.sectionDepth = {60.0f, 50.0f, 40.0f};
    beam.sectionCount = 2;
    Project project = ProjectOf({beam});
    CalcResult r = CalculateBeam(project, 1);
    ASSERT_TRUE(r.Calculated()) << r.error;
    EXPECT_EQ(r.sections[2].j, r.sections[0].j);  // both ends share section 1
    EXPECT_NEAR(r.sections[1].j, 0.875 * (50 - r.sections[1].dt), 1e-4);
    project.Beam(1).sectionCount = 3;
    r = CalculateBeam(project, 1);
    EXPECT_NEAR(r.sections[2].j, 0.875 * (40 - r.sections[2].dt), 1e-4);
    project.Beam(1).sectionCount = 1;
    r = CalculateBeam(project, 1);
    EXPECT_NEAR(r.sections[1].j, 0.875 * (60 - r.sections[1].dt), 1e-4);
    // A count outside 1..3 from a damaged file still calculates.
    project.Beam(1).sectionCount = -4;
    EXPECT_TRUE(CalculateBeam(project, 1).Calculated());
}

TEST(CalculateBeam, BeamsThatCannotBeCalculatedCarryAnError) {
    std::vector<BeamRecord> bad;
    BeamRecord b = TypicalBeam("shallow");
    b.sectionDepth = {6.0f, 6.0f, 6.0f};  // D below dt
    bad.push_back(b);
    b = TypicalBeam("no breadth");
    b.sectionWidth = {0.0f, 0.0f, 0.0f};
    bad.push_back(b);
    b = TypicalBeam("no concrete");
    b.concreteFc = 0.0f;
    bad.push_back(b);
    b = TypicalBeam("NaN span");
    b.spanLength = kNaN;
    bad.push_back(b);
    b = TypicalBeam("zero span");
    b.spanLength = 0.0f;
    bad.push_back(b);
    b = TypicalBeam("infinite load");
    b.loadValue[0] = kInf;
    bad.push_back(b);
    b = TypicalBeam("NaN length");
    b.loadLengths[0][1] = kNaN;
    bad.push_back(b);
    b = TypicalBeam("NaN position");
    b.momentPosition = kNaN;
    bad.push_back(b);
    b = TypicalBeam("NaN self weight");
    b.selfWeight = std::nan("");
    bad.push_back(b);
    b = TypicalBeam("huge load");
    b.loadValue[0] = 3e38f;
    b.loadHeight[0] = 3e38f;
    bad.push_back(b);
    b = TypicalBeam("unknown bar");
    b.mainBarSize = "D23";
    bad.push_back(b);
    b = TypicalBeam("unknown stirrup");
    b.stirrupSize = "X";
    bad.push_back(b);
    b = TypicalBeam("bad grade");
    b.mainBarGrade = 7;
    bad.push_back(b);
    b = TypicalBeam("NaN cover");
    b.sectionCover = {kNaN, kNaN, kNaN};
    bad.push_back(b);

    for (const BeamRecord& beam : bad) {
        Project project = ProjectOf({TypicalBeam("before"), beam, TypicalBeam("after")});
        project.Beam(2).allowableStresses = {9.0f, 9.0f, 9.0f, 9.0f};
        const std::vector<CalcResult> all = CalculateAll(project);
        ASSERT_EQ(all.size(), 3u);
        const CalcResult& r = all[1];
        EXPECT_FALSE(r.Calculated()) << beam.memberName;
        EXPECT_STREQ(r.Judgement(), "設計不可") << beam.memberName;
        EXPECT_EQ(project.placement[1].anyPlacementFailed, 1) << beam.memberName;
        EXPECT_EQ(r.sections[1].placementFailed, 1) << beam.memberName;
        EXPECT_EQ(r.sections[0].tensionBars, 0) << beam.memberName;
        // The neighbours are calculated normally.
        EXPECT_TRUE(all[0].Calculated()) << beam.memberName;
        EXPECT_TRUE(all[2].Calculated()) << beam.memberName;
        EXPECT_STREQ(all[2].Judgement(), "OK") << beam.memberName;
        EXPECT_EQ(project.Result(3).memberName, "after");
        EXPECT_TRUE(std::isfinite(project.Beam(2).allowableStresses.fs)) << beam.memberName;
    }
    // NaN strength: no partial allowables are stored.
    BeamRecord nanFc = TypicalBeam();
    nanFc.concreteFc = kNaN;
    Project project = ProjectOf({nanFc});
    project.Beam(1).allowableStresses = {1.0f, 2.0f, 3.0f, 4.0f};
    EXPECT_FALSE(CalculateBeam(project, 1).Calculated());
    EXPECT_EQ(project.Beam(1).allowableStresses.fs, 3.0f);
    // Slots outside the table are refused, not read.
    EXPECT_FALSE(CalculateBeam(project, 0).Calculated());
    EXPECT_FALSE(CalculateBeam(project, 51).Calculated());
}

TEST(CalculateBeam, HostileCountsAndOptionsStayBounded) {
    BeamRecord beam = TypicalBeam();
    beam.loadCount = 30000;  // more than the 20 slots
    beam.maxStirrupLegs = 32767;
    beam.maxBarLayers = -5;
    beam.compressionBarRatio = 1e30f;
    beam.assemblyMethod = 77;
    beam.minRebarRule = 9;
    beam.maxStirrupPitch = -200;
    Project project = ProjectOf({beam});
    const CalcResult r = CalculateBeam(project, 1);
    EXPECT_TRUE(r.Calculated()) << r.error;
    EXPECT_EQ(r.anyPlacementFailed, 1);
    for (const SectionResult& s : r.sections) {
        EXPECT_LE(s.tensionBars, 100);
        EXPECT_LE(s.stirrupPitch, 9999);
    }
}

TEST(CalculateBeam, SiInputGivesTheSameDesign) {
    BeamRecord conv = TypicalBeam();
    conv.concreteFc = 240.0f;
    BeamRecord si = conv;
    si.concreteFc = static_cast<float>(240.0 * 0.0980665 * 10);  // N/mm2 × 10
    si.loadValue[0] = conv.loadValue[0] * 9.80665f;              // kN/m2
    Project a = ProjectOf({conv});
    Project b = ProjectOf({si}, true);
    const CalcResult rc = CalculateBeam(a, 1);
    const CalcResult rs = CalculateBeam(b, 1);
    ASSERT_TRUE(rc.Calculated());
    ASSERT_TRUE(rs.Calculated());
    EXPECT_NEAR(rs.designStresses.Mcentre, rc.designStresses.Mcentre, 1e-4);
    EXPECT_NEAR(rs.designStresses.Qleft, rc.designStresses.Qleft, 1e-4);
    EXPECT_NEAR(rs.fs, rc.fs, 0.025 * rc.fs);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(rs.sections[s].topBars, rc.sections[s].topBars) << s;
        EXPECT_EQ(rs.sections[s].bottomBars, rc.sections[s].bottomBars) << s;
        EXPECT_EQ(rs.sections[s].stirrupLegs, rc.sections[s].stirrupLegs) << s;
    }
}

TEST(ResultRecords, LabelsDimensionsAndTwoLayerSplit) {
    EXPECT_EQ(SectionLabels(1), (std::array<std::string, 3>{"全断面", "", ""}));
    EXPECT_EQ(SectionLabels(2), (std::array<std::string, 3>{"端部", "中央", ""}));
    EXPECT_EQ(SectionLabels(3), (std::array<std::string, 3>{"左端", "中央", "右端"}));

    BeamRecord beam = TypicalBeam("B1");
    beam.sectionCount = 3;
    beam.sectionWidth = {30.0f, 35.0f, 40.0f};
    Project project = ProjectOf({beam});
    CalcResult r;
    r.sections[0].barsPerLayer = 5;
    r.sections[0].topBars = 7;
    r.sections[0].bottomBars = 5;
    r.sections[0].stirrupLegs = 2;
    r.sections[0].stirrupPitch = 150;
    r.sections[1].barsPerLayer = 4;
    r.sections[1].topBars = 2;
    r.sections[1].bottomBars = 9;
    FillResultRecord(project, 1, r);
    const ResultRecord& rec = project.Result(1);
    EXPECT_EQ(rec.sectionCount, 3);
    EXPECT_EQ(rec.memberName, "B1");
    EXPECT_EQ(rec.sectionLabels[2], "右端");
    EXPECT_EQ(rec.sectionWidth[2], 40.0f);
    using RR = ResultRecord;
    EXPECT_EQ(rec.barCounts[RR::BarIndex(0, 0, 0)], 5);  // top, first layer
    EXPECT_EQ(rec.barCounts[RR::BarIndex(0, 1, 0)], 2);  // top, second layer
    EXPECT_EQ(rec.barNames[RR::BarIndex(0, 0, 0)], "D22");
    EXPECT_EQ(rec.barNames[RR::BarIndex(0, 1, 0)], "D22");
    EXPECT_EQ(rec.barCounts[RR::BarIndex(0, 0, 1)], 5);  // bottom: all in one layer
    EXPECT_EQ(rec.barCounts[RR::BarIndex(0, 1, 1)], 0);
    EXPECT_EQ(rec.barNames[RR::BarIndex(0, 1, 1)], "");
    EXPECT_EQ(rec.barCounts[RR::BarIndex(1, 0, 1)], 4);  // 9 bars: 4 + 5, two layers only
    EXPECT_EQ(rec.barCounts[RR::BarIndex(1, 1, 1)], 5);
    EXPECT_EQ(rec.stirrupLegs[0], 2);
    EXPECT_EQ(rec.stirrupPitch[0], 150);
    EXPECT_EQ(rec.stirrupNames[0], "D10");
}

TEST(CalculateAll, SkipsMarkedBeamsAndCountsTheRest) {
    BeamRecord skipped = TypicalBeam("skip");
    skipped.skipBeam = 1;
    Project project = ProjectOf({TypicalBeam("A"), skipped, TypicalBeam("C")});
    project.Result(2).memberName = "old";
    project.Result(2).barCounts[0] = 42;
    const std::vector<CalcResult> results = CalculateAll(project);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].slot, 1);
    EXPECT_EQ(results[1].slot, 3);
    EXPECT_EQ(project.resultSummary.resultCount, 3);
    EXPECT_EQ(project.Result(1).memberName, "A");
    EXPECT_EQ(project.Result(1).sectionLabels[0], "全断面");
    EXPECT_EQ(project.Result(2).memberName, "old");  // kept as it was
    EXPECT_EQ(project.Result(2).barCounts[0], 42);
    EXPECT_EQ(project.Result(3).memberName, "C");

    Project empty = ProjectOf({});
    empty.resultSummary.resultCount = 7;
    EXPECT_TRUE(CalculateAll(empty).empty());
    EXPECT_EQ(empty.resultSummary.resultCount, 0);
    EXPECT_EQ(empty.Result(1), ResultRecord{});
}

}  // namespace
}  // namespace zel
