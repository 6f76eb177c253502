// Section design: bars per layer, bar counts, layers, bond, stirrups, faces and placement.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/BarTable.h"
#include "calc/SectionDesign.h"

namespace zel {
namespace {

// B 30, D 60, cover 4; SD345 D22 main bars, D10 stirrups; Fc 210 long term.
SectionInput TypicalSection() {
    SectionInput in;
    in.B = 30.0f;
    in.D = 60.0f;
    in.cover = 4.0f;
    in.ft = 2.2f;
    in.fs = 0.007f;
    in.fa = 0.014f;
    in.wft = 2.0f;
    const BarData main = LookupBar("D22");
    in.a1 = main.area;
    in.psi1 = main.perimeter;
    in.mainOuterMm = 25.0f;
    in.dm = 22;
    in.aw = LookupBar("D10").area;
    in.stirrupOuterMm = 11.0f;
    in.ds = 10;
    in.minRebarRule = 2;
    in.maxStirrupLegs = 2;
    in.maxStirrupPitch = 200;
    in.assemblyMethod = 0;
    return in;
}

TEST(BarsPerLayer, WidthRulesOfEachAssemblyMethod) {
    // S 5.8, Ss 2.6, Hk 12.909, I 8.4, M' 9.991 for D22 in D10 with cover 4.
    // Method 0: W = 5.8, 21.591, 25.8, 30.6 -> three bars fit in 30 cm.
    EXPECT_EQ(BarsPerLayer(30.0f, 4.0f, 25.0f, 11.0f, 22, 10, 0), 3);
    EXPECT_EQ(BarsPerLayer(30.7f, 4.0f, 25.0f, 11.0f, 22, 10, 0), 4);
    EXPECT_EQ(BarsPerLayer(36.5f, 4.0f, 25.0f, 11.0f, 22, 10, 0), 5);  // 30.6 + 5.8 = 36.4
    // Method 1: 5.8, 23.509, 33.818 -> two.
    EXPECT_EQ(BarsPerLayer(30.0f, 4.0f, 25.0f, 11.0f, 22, 10, 1), 2);
    // Method 2: 5.8, 20.0, 24.8, 30.6 -> three.
    EXPECT_EQ(BarsPerLayer(30.0f, 4.0f, 25.0f, 11.0f, 22, 10, 2), 3);
    // Method 3 starts at two bars: 23.509, 29.309, 35.109 -> three.
    EXPECT_EQ(BarsPerLayer(30.0f, 4.0f, 25.0f, 11.0f, 22, 10, 3), 3);
    EXPECT_EQ(BarsPerLayer(20.0f, 4.0f, 25.0f, 11.0f, 22, 10, 3), 1);
    // Method 4 always one; unknown methods none.
    EXPECT_EQ(BarsPerLayer(100.0f, 4.0f, 25.0f, 11.0f, 22, 10, 4), 1);
    EXPECT_EQ(BarsPerLayer(100.0f, 4.0f, 25.0f, 11.0f, 22, 10, 5), 0);
    EXPECT_EQ(BarsPerLayer(100.0f, 4.0f, 25.0f, 11.0f, 22, 10, -1), 0);
    // Not even the first bar fits; an absurd breadth that never runs out; NaN.
    EXPECT_EQ(BarsPerLayer(5.0f, 4.0f, 25.0f, 11.0f, 22, 10, 0), 0);
    EXPECT_EQ(BarsPerLayer(1e7f, 4.0f, 25.0f, 11.0f, 22, 10, 0), 0);
    EXPECT_EQ(BarsPerLayer(std::nanf(""), 4.0f, 25.0f, 11.0f, 22, 10, 0), 0);
}

TEST(TensionBars, SmallestCountReachingTheArea) {
    const float a1 = LookupBar("D16").area;
    EXPECT_EQ(TensionBarCount(static_cast<float>(3.0 * a1), a1), 3);
    EXPECT_EQ(TensionBarCount(static_cast<float>(3.0 * a1 + 1e-7), a1), 3);
    EXPECT_EQ(TensionBarCount(static_cast<float>(3.0 * a1 + 0.001), a1), 4);
    EXPECT_EQ(TensionBarCount(static_cast<float>(2.5 * a1), a1), 3);
    EXPECT_EQ(TensionBarCount(0.0f, a1), 0);
    EXPECT_EQ(TensionBarCount(1e30f, a1), 100000);  // saturates, no overflow
    EXPECT_EQ(TensionBarCount(std::nanf(""), a1), 100000);
}

TEST(SectionDesign, NoMomentWithEachMinimumRule) {
    SectionInput in = TypicalSection();
    SectionResult r;
    // Rule 2, M = 0: at = 0, n = 0, then raised to the two stirrup legs.
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.atRequired, 0.0f);
    EXPECT_EQ(r.tensionBars, 2);
    EXPECT_EQ(r.layers, 1);
    EXPECT_EQ(r.psiRequired, 0.0f);
    // dt = 4 + (12.5 + 11)/10 = 6.35; j = 7/8·53.65.
    EXPECT_NEAR(r.dt, 6.35, 1e-5);
    EXPECT_NEAR(r.j, 0.875 * 53.65, 1e-4);
    // Rule 0: 0.4 % of B·d.
    in.minRebarRule = 0;
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_NEAR(r.atRequired, 0.004 * 30 * 53.65, 1e-4);
    EXPECT_EQ(r.tensionBars, 2);  // 6.438 cm2 of 3.87 cm2 bars
    EXPECT_NEAR(r.pt, 2 * LookupBar("D22").area / (53.65 * 30), 1e-6);
}

TEST(SectionDesign, RequiredAreaAndBond) {
    SectionInput in = TypicalSection();
    in.B = 60.0f;  // nine bars a layer: everything in one layer
    in.M = 20.0f;  // t·m
    in.Q = 15.0f;  // t
    in.minRebarRule = 1;
    SectionResult r;
    ASSERT_EQ(DesignSection(in, r), "");
    const double j = 0.875 * 53.65;
    const double at = 20.0 * 100 / (2.2 * j) * 4 / 3;
    EXPECT_NEAR(r.atRequired, at, 1e-4);
    EXPECT_EQ(r.tensionBars, static_cast<int>(std::ceil(at / in.a1)));
    EXPECT_EQ(r.layers, 1);
    // ψ required 15/(0.014·j) = 22.83 cm: 4 bars of ψ 7 would do, the area needs more.
    EXPECT_NEAR(r.psiRequired, 15.0 / (0.014 * j), 1e-4);
    EXPECT_GE(r.tensionBars * in.psi1, r.psiRequired);
    // Bond alone drives the count when the moment is small.
    in.M = 1.0f;
    in.Q = 30.0f;
    in.minRebarRule = 2;
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.tensionBars, static_cast<int>(std::ceil(30.0 / (0.014 * j) / 7.0)));
}

TEST(SectionDesign, LayersAddDepthUntilTheBarsFit) {
    SectionInput in = TypicalSection();
    in.M = 60.0f;
    SectionResult r;
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.barsPerLayer, 3);
    EXPECT_GE(r.layers, 2);
    EXPECT_LE(r.tensionBars - (r.layers - 1) * r.barsPerLayer, r.barsPerLayer);
    // Each layer moves the centroid by half the layer pitch p = max(5.675, 5.8).
    EXPECT_NEAR(r.dt, 6.35 + 5.8 * (r.layers - 1) / 2, 1e-4);
    // A huge moment stops at 100 bars.
    in.M = 1e6f;
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.tensionBars, 100);
    in.M = 20.0f;
    in.Q = 1e8f;  // bond alone would need millions of bars
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.tensionBars, 100);
}

TEST(SectionDesign, NoBarFitsInALayer) {
    SectionInput in = TypicalSection();
    in.B = 5.0f;  // narrower than one bar pitch
    in.M = 30.0f;
    SectionResult r;
    ASSERT_EQ(DesignSection(in, r), "");  // ends instead of looping forever
    EXPECT_EQ(r.barsPerLayer, 0);
    EXPECT_EQ(r.layers, 1);
    AssignFaces(1, 30.0f, 0.5f, 1, r);
    EXPECT_EQ(PlacementFailed(r, 2), 1);
    // Unknown assembly method: the same.
    in = TypicalSection();
    in.assemblyMethod = 9;
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(PlacementFailed(r, 5), 1);
}

TEST(SectionDesign, DepthRunsOut) {
    SectionInput in = TypicalSection();
    in.D = 6.0f;  // below dt = 6.35
    SectionResult r;
    EXPECT_NE(DesignSection(in, r), "");
    // Enough depth for one layer but not for the ones the bars need: impossible, not an error.
    in = TypicalSection();
    in.D = 12.0f;
    in.M = 10.0f;
    in.assemblyMethod = 4;  // one bar per layer, and B >= 18 makes it two
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.placementFailed, 1);
    EXPECT_GT(r.j, 0.0f);
    EXPECT_EQ(PlacementFailed(r, 100), 1);
}

TEST(SectionDesign, NarrowBeamHasOneLeg) {
    EXPECT_EQ(EffectiveLegs(16.0f, 4), 1);
    EXPECT_EQ(EffectiveLegs(18.0f, 4), 4);
    SectionInput in = TypicalSection();
    in.B = 16.0f;
    in.maxStirrupLegs = 4;
    in.assemblyMethod = 4;
    SectionResult r;
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.barsPerLayer, 1);  // not raised to 2 below 18 cm
    EXPECT_EQ(r.tensionBars, 0);   // M = 0 and one leg: n stays 0
    EXPECT_EQ(r.stirrupLegs, 1);
}

TEST(Stirrups, RatioLegsAndPitch) {
    SectionInput in = TypicalSection();
    SectionResult r;
    // τ = 0 ≤ fs: pw 0.002. x = round(2·0.7133/(30·0.002)·10) = 238 -> 225 > h 200 -> 200.
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.stirrupPitch, 200);
    EXPECT_EQ(r.stirrupLegs, 2);
    EXPECT_NEAR(r.pw, 2 * in.aw / (30 * 20.0), 1e-7);
    // D = 40 and a maximum of 250: h = 200.
    in.D = 40.0f;
    in.maxStirrupPitch = 250;
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.stirrupPitch, 200);
    // Shear far above fs caps pw at 0.012: x = round(2·0.7133/(30·0.012)·10) = 40 -> 25.
    in = TypicalSection();
    in.Q = 200.0f;
    in.maxStirrupLegs = 2;
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.stirrupPitch, 25);
    EXPECT_NEAR(r.pw, 2 * in.aw / (30 * 2.5), 1e-7);
    // Moderate shear: pw = (τ - fs)/(0.5·wft) + 0.002, more legs until the pitch passes h.
    in = TypicalSection();
    in.Q = 15.0f;
    in.maxStirrupLegs = 4;
    ASSERT_EQ(DesignSection(in, r), "");
    const double tau = 15.0 / (30 * r.j);
    const double pw = (tau - 0.007) / 1.0 + 0.002;
    // Four legs still stay below h = 200, so the loop runs to the maximum.
    EXPECT_EQ(r.stirrupLegs, 4);
    EXPECT_LT(r.stirrupPitch, 200);
    EXPECT_EQ(r.stirrupPitch, static_cast<int>(std::lround(4 * in.aw / (30 * pw) * 10)) / 25 * 25);
    // No legs at all: the loop does not run.
    in.maxStirrupLegs = 0;
    ASSERT_EQ(DesignSection(in, r), "");
    EXPECT_EQ(r.stirrupPitch, 0);
    EXPECT_EQ(r.pw, 0.0f);
}

TEST(Faces, TensionSideFollowsTheMomentSign) {
    SectionResult r;
    r.tensionBars = 4;
    r.barsPerLayer = 3;
    AssignFaces(1, 5.0f, 0.5f, 2, r);  // sagging at the left end: bottom
    EXPECT_EQ(r.bottomBars, 4);
    EXPECT_EQ(r.topBars, 2);  // round(4.5·0.5) = round(2.25)
    AssignFaces(1, -5.0f, 0.5f, 2, r);
    EXPECT_EQ(r.topBars, 4);
    AssignFaces(2, 0.0f, 0.5f, 2, r);  // centre with M = 0: top
    EXPECT_EQ(r.topBars, 4);
    AssignFaces(3, 0.0f, 0.5f, 2, r);  // right end with M = 0: top
    EXPECT_EQ(r.topBars, 4);
    AssignFaces(3, -1.0f, 0.5f, 2, r);  // right end negative: bottom
    EXPECT_EQ(r.bottomBars, 4);
    AssignFaces(3, 1.0f, 0.5f, 2, r);
    EXPECT_EQ(r.topBars, 4);
}

TEST(Faces, CompressionBarsFromTheRatio) {
    SectionResult r;
    r.tensionBars = 3;
    AssignFaces(1, 1.0f, 0.5f, 2, r);
    EXPECT_EQ(r.topBars, 2);  // round(1.75)
    r.tensionBars = 1;
    AssignFaces(1, 1.0f, 0.5f, 1, r);
    EXPECT_EQ(r.topBars, 1);
    AssignFaces(1, 1.0f, 0.5f, 2, r);
    EXPECT_EQ(r.topBars, 2);
    // Evaluated in double: (7 + 0.5)·0.6f is just above 4.5, so 5.
    r.tensionBars = 7;
    AssignFaces(1, 1.0f, 0.6f, 2, r);
    EXPECT_EQ(r.topBars, 5);
    // r = 0.1 with 2 bars gives round(0.25) = 0, not raised; 1 becomes 2 with two legs.
    r.tensionBars = 2;
    AssignFaces(1, 1.0f, 0.1f, 2, r);
    EXPECT_EQ(r.topBars, 0);
    AssignFaces(1, 1.0f, 0.2f, 1, r);  // 2.5·0.2f is just above 0.5: 1
    EXPECT_EQ(r.topBars, 1);
    r.tensionBars = 4;
    AssignFaces(1, 1.0f, 0.3f, 2, r);  // round(1.35) = 1 -> 2
    EXPECT_EQ(r.topBars, 2);
    // Absurd ratios saturate instead of overflowing.
    AssignFaces(1, 1.0f, 1e20f, 2, r);
    EXPECT_EQ(r.topBars, 32767);
    AssignFaces(1, 1.0f, std::nanf(""), 2, r);
    EXPECT_EQ(r.topBars, 0);
}

TEST(Placement, CapacityIsLayersTimesBarsPerLayer) {
    SectionResult r;
    r.barsPerLayer = 3;
    r.topBars = 6;
    r.bottomBars = 2;
    EXPECT_EQ(PlacementFailed(r, 2), 0);
    r.topBars = 7;
    EXPECT_EQ(PlacementFailed(r, 2), 1);
    r.topBars = 2;
    r.bottomBars = 7;
    EXPECT_EQ(PlacementFailed(r, 2), 1);
    EXPECT_EQ(PlacementFailed(r, 3), 0);
    r.stirrupPitch = 12000;
    r.tensionBars = 1;
    AssignFaces(2, 1.0f, 0.5f, 2, r);
    EXPECT_EQ(r.stirrupPitch, 9999);
}

// A section wide enough to hold a hundred bars in its layers: at the cap it passes only when a
// hundred bars carry the area; short of it, it is 設計不可 for the cap, never "OK".
TEST(SectionDesign, AHundredBarsShortOfTheAreaAreNotADesign) {
    SectionInput in = TypicalSection();
    in.B = 500.0f;
    in.D = 200.0f;
    SectionResult r;
    const double j = 7.0 / 8.0 * (200.0 - 6.35);
    for (const auto& [bars, failed] : {std::pair{99.5, false}, std::pair{140.0, true}}) {
        in.M = static_cast<float>(bars * in.a1 * in.ft * j / 100.0);
        ASSERT_EQ(DesignSection(in, r), "");
        AssignFaces(2, in.M, 0.0f, 2, r);
        JudgePlacement(r, 2, in.B);
        EXPECT_EQ(r.tensionBars, 100) << bars;
        EXPECT_GE(2 * r.barsPerLayer, 100) << "the layers hold the bars";
        EXPECT_EQ(r.placementFailed, failed ? 1 : 0) << bars;
        EXPECT_EQ(r.why.failure.kind, failed ? FailureKind::BarCap : FailureKind::None) << bars;
    }
}

}  // namespace
}  // namespace zel
