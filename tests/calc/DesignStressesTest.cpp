// Cantilever statics, span coefficients and the design moments and shears of a beam.
#include <gtest/gtest.h>

#include "calc/CantileverLoad.h"
#include "calc/DesignStresses.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

// The typical beam without its load and self weight, for the loads a test adds.
BeamRecord LoadedBeam(float span, int supportType) {
    BeamRecord beam = test::TypicalBeam();
    beam.loadCount = 0;
    beam.spanLength = span;
    beam.supportType = static_cast<std::int16_t>(supportType);
    beam.momentPosition = span / 2;
    beam.ignoreSelfWeight = 1;
    return beam;
}

void AddLoad(BeamRecord& beam, int type, float w, float H, std::array<float, 4> lengths) {
    const int i = beam.loadCount++;
    beam.loadType[i] = static_cast<std::int16_t>(type);
    beam.loadValue[i] = w;
    beam.loadHeight[i] = H;
    beam.loadLengths[i] = lengths;
}

const CalcUnits kConv = CalcUnitsFor(false);

TEST(CantileverStatics, PiecesAddResultantTimesCentroid) {
    const CantileverEffect point = CantileverLoadEffect(1, 2.0f, 2.0f, 0.0f, 0, 0, 1.0f, 0.0f);
    EXPECT_FLOAT_EQ(point.M, 2.0f);
    EXPECT_FLOAT_EQ(point.Q, 1.0f);
    // Uniform q = 2 over 3 m from 1 m: 6 t at 2.5 m.
    const CantileverEffect uniform = CantileverLoadEffect(4, 5.0f, 1.0f, 3.0f, 0, 3.0f, 1.0f, 2.0f);
    EXPECT_FLOAT_EQ(uniform.Q, 6.0f);
    EXPECT_FLOAT_EQ(uniform.M, 15.0f);
    // Rising triangle over 3 m: 3 t at 2 m; falling: 3 t at 1 m.
    EXPECT_FLOAT_EQ(CantileverLoadEffect(2, 3.0f, 0, 3.0f, 0, 0, 2.0f, 1.0f).M, 6.0f);
    EXPECT_FLOAT_EQ(CantileverLoadEffect(3, 3.0f, 0, 3.0f, 0, 0, 2.0f, 1.0f).M, 3.0f);
    // Trapezoid 1 up, 1 level, 1 down with q = 1: 0.5 at 2/3, 1 at 1.5, 0.5 at 2 + 1/3.
    const CantileverEffect trap = CantileverLoadEffect(5, 3.0f, 0, 3.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(trap.Q, 2.0f);
    EXPECT_NEAR(trap.M, 0.5 * 2.0 / 3 + 1.5 + 0.5 * (2 + 1.0 / 3), 1e-6);
    // Triangle with its peak at 1 m over 2 m: 1 t at 1 m.
    const CantileverEffect tri = CantileverLoadEffect(6, 2.0f, 0, 2.0f, 1.0f, 0, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(tri.Q, 1.0f);
    EXPECT_FLOAT_EQ(tri.M, 1.0f);
    EXPECT_EQ(CantileverLoadEffect(9, 2.0f, 0, 2.0f, 1.0f, 0, 1.0f, 1.0f).M, 0.0f);
}

TEST(DesignStresses, CantileverWithAPointLoadAtItsTip) {
    BeamRecord beam = LoadedBeam(2.0f, 1);
    AddLoad(beam, 1, 1.0f, 0.0f, {2.0f, 0, 0, 0});
    const BeamLoadResult r = ComputeDesignStresses(beam, kConv);
    EXPECT_FLOAT_EQ(r.loadEffects.CL, -2.0f);
    EXPECT_FLOAT_EQ(r.loadEffects.CR, 2.0f);
    EXPECT_FLOAT_EQ(r.loadEffects.Mo, 2.0f);
    EXPECT_FLOAT_EQ(r.loadEffects.QL, 1.0f);
    EXPECT_FLOAT_EQ(r.loadEffects.QR, 0.0f);
    EXPECT_FLOAT_EQ(r.designStresses.Mleft, -2.0f);
    EXPECT_FLOAT_EQ(r.designStresses.Qleft, 1.0f);
    EXPECT_EQ(r.designStresses.Qcentre, 0.0f);
}

TEST(DesignStresses, CantileverSelfWeightAndSpanTypeIgnored) {
    BeamRecord beam = LoadedBeam(3.0f, 1);
    beam.ignoreSelfWeight = 0;
    beam.selfWeight = 0.5;
    beam.spanType = 1;  // coefficients are 1, 1, 1 for every cantilever
    const BeamLoadResult r = ComputeDesignStresses(beam, kConv);
    EXPECT_FLOAT_EQ(r.loadEffects.CR, 0.5f * 9 / 2);
    EXPECT_FLOAT_EQ(r.loadEffects.QL, 0.5f * 3);
    EXPECT_FLOAT_EQ(r.designStresses.Mright, 2.25f);
    EXPECT_FLOAT_EQ(r.designStresses.Mleft, -2.25f);
}

TEST(DesignStresses, SimpleBeamWithoutLoadsIsZero) {
    BeamRecord beam = LoadedBeam(6.0f, 0);
    AddLoad(beam, 4, 0.0f, 1.0f, {0, 6.0f, 0, 0});
    const BeamLoadResult r = ComputeDesignStresses(beam, kConv);
    for (float v : {r.designStresses.Mleft, r.designStresses.Mcentre, r.designStresses.Mright,
                    r.designStresses.Qleft, r.designStresses.Qright}) {
        EXPECT_EQ(v, 0.0f);
    }
}

TEST(DesignStresses, InnerSpanWithEqualEndMoments) {
    BeamRecord beam = LoadedBeam(6.0f, 0);
    beam.spanType = 3;
    AddLoad(beam, 4, 1.0f, 2.0f, {0, 6.0f, 0, 0});  // q = 2 t/m
    const BeamLoadResult r = ComputeDesignStresses(beam, kConv);
    const float C = r.loadEffects.CR;
    EXPECT_NEAR(C, 2.0 * 36 / 12, 1e-5);
    EXPECT_FLOAT_EQ(r.loadEffects.CL, -C);
    EXPECT_FLOAT_EQ(r.designStresses.Mleft, -C);
    EXPECT_FLOAT_EQ(r.designStresses.Mright, C);
    EXPECT_NEAR(r.designStresses.Mcentre, r.loadEffects.Mo - 0.75 * C, 1e-5);
    // No end-moment correction: both shears are the simple-beam reactions.
    EXPECT_NEAR(r.designStresses.Qleft, 6.0, 1e-5);
    EXPECT_NEAR(r.designStresses.Qright, 6.0, 1e-5);
}

TEST(DesignStresses, AsymmetricSpanCorrectsTheShears) {
    // Two-span beam, left: α 0.6, γ 1.3. Uniform q over L: R = qL/2 on each side.
    BeamRecord beam = LoadedBeam(6.0f, 0);
    beam.spanType = 1;
    AddLoad(beam, 4, 1.0f, 1.0f, {0, 6.0f, 0, 0});
    const BeamLoadResult r = ComputeDesignStresses(beam, kConv);
    const double C = 36.0 / 12;
    const double Ml = -0.6 * C, Mr = 1.3 * C;
    EXPECT_NEAR(r.designStresses.Mleft, Ml, 1e-5);
    EXPECT_NEAR(r.designStresses.Mright, Mr, 1e-5);
    EXPECT_NEAR(r.designStresses.Mcentre, 36.0 / 8 - 0.65 * C, 1e-5);
    // The right support carries more: R_B + (Ml + Mr)/L; the left less.
    EXPECT_NEAR(r.designStresses.Qright, 3.0 + (Ml + Mr) / 6.0, 1e-5);
    EXPECT_NEAR(r.designStresses.Qleft, 3.0 - (Ml + Mr) / 6.0, 1e-5);
}

TEST(DesignStresses, CoefficientsBySpanType) {
    const std::array<float, 3> user{0.8f, 0.5f, 0.9f};
    EXPECT_FLOAT_EQ(SpanCoefficientsFor(0, user).beta, 0.35f);
    EXPECT_FLOAT_EQ(SpanCoefficientsFor(2, user).gamma, 1.2f);
    EXPECT_FLOAT_EQ(SpanCoefficientsFor(5, user).alpha, 1.3f);
    EXPECT_FLOAT_EQ(SpanCoefficientsFor(6, user).alpha, 1.2f);
    const SpanCoefficients u = SpanCoefficientsFor(4, user);
    EXPECT_FLOAT_EQ(u.alpha, 0.8f);
    EXPECT_FLOAT_EQ(u.beta, 0.5f);
    EXPECT_FLOAT_EQ(u.gamma, 0.9f);
    const SpanCoefficients none = SpanCoefficientsFor(7, user);
    EXPECT_EQ(none.alpha + none.beta + none.gamma, 0.0f);

    BeamRecord beam = LoadedBeam(5.0f, 0);
    beam.spanType = 4;
    beam.userCoefficients = user;
    AddLoad(beam, 1, 2.0f, 0.0f, {2.5f, 0, 0, 0});
    const BeamLoadResult r = ComputeDesignStresses(beam, kConv);
    EXPECT_NEAR(r.designStresses.Mleft, 0.8 * r.loadEffects.CL, 1e-6);
    EXPECT_NEAR(r.designStresses.Mright, 0.9 * r.loadEffects.CR, 1e-6);
}

TEST(DesignStresses, LoadDescriptionsAndSiLoads) {
    EXPECT_FLOAT_EQ(DescribeLoad(4, {1, 2, 0, 0}, true).constantLength, 2.0f);
    EXPECT_FLOAT_EQ(DescribeLoad(4, {1, 2, 1, 0}, true).constantLength, 3.0f);
    EXPECT_FLOAT_EQ(DescribeLoad(4, {1, 2, 1, 0}, false).constantLength, 2.0f);
    EXPECT_FLOAT_EQ(DescribeLoad(1, {1, 2, 0, 0}, true).loadedLength, 0.0f);
    EXPECT_FLOAT_EQ(DescribeLoad(1, {1, 2, 0, 0}, false).loadedLength, 2.0f);
    const LoadDescription trap = DescribeLoad(5, {0.5f, 1, 2, 3}, false);
    EXPECT_FLOAT_EQ(trap.x1, 0.5f);
    EXPECT_FLOAT_EQ(trap.loadedLength, 6.0f);
    EXPECT_FLOAT_EQ(trap.risingLength, 1.0f);
    EXPECT_FLOAT_EQ(trap.constantLength, 2.0f);
    EXPECT_FLOAT_EQ(DescribeLoad(6, {0, 3, 0, 0}, false).risingLength, 1.5f);
    EXPECT_FLOAT_EQ(DescribeLoad(3, {0, 3, 0, 0}, false).risingLength, 0.0f);

    // The same beam in SI (loads in kN) gives the same effects; the self weight is in t/m
    // either way.
    BeamRecord conv = LoadedBeam(6.0f, 0);
    conv.ignoreSelfWeight = 0;
    conv.selfWeight = 0.432;
    AddLoad(conv, 4, 1.5f, 1.0f, {0, 6.0f, 0, 0});
    BeamRecord si = conv;
    si.loadValue[0] = 1.5f * 9.80665f;
    const BeamLoadResult a = ComputeDesignStresses(conv, kConv);
    const BeamLoadResult b = ComputeDesignStresses(si, CalcUnitsFor(true));
    EXPECT_NEAR(a.designStresses.Mcentre, b.designStresses.Mcentre, 1e-5);
    EXPECT_NEAR(a.designStresses.Qleft, b.designStresses.Qleft, 1e-5);
}

}  // namespace
}  // namespace zel
