// The single-span load routine against textbook formulas.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "calc/SingleSpanLoad.h"

namespace zel {
namespace {

struct Span {
    double CL, CR, Mo, QL, QR, total;
};

Span Analyse(float L, int type, float x1, float length, float a, float b, float w, float H,
             float xM) {
    std::int32_t mode = 0, loadType = type;
    float beamValue = 0, cl = 0, cr = 0, mo = 0, ql = 0, qr = 0, total = 0, position = 0;
    float height2 = H;
    VF_CMQGIR(mode, L, x1, length, a, b, w, H, height2, loadType, beamValue, xM, cl, cr, mo, ql, qr,
              total, position);
    return {cl, cr, mo, ql, qr, total};
}

constexpr double kTol = 1e-5;

TEST(SingleSpanLoad, UniformLoadOverTheWholeSpan) {
    const double L = 6.0, q = 2.0 * 1.5;  // w = 2 t/m2 over H = 1.5 m
    const Span s = Analyse(6.0f, 4, 0.0f, 6.0f, 0.0f, 6.0f, 2.0f, 1.5f, 3.0f);
    EXPECT_NEAR(s.CL, -q * L * L / 12, kTol);
    EXPECT_NEAR(s.CR, q * L * L / 12, kTol);
    EXPECT_NEAR(s.Mo, q * L * L / 8, kTol);
    EXPECT_NEAR(s.QL, q * L / 2, kTol);
    EXPECT_NEAR(s.QR, -q * L / 2, kTol);
    EXPECT_NEAR(s.total, q * L, kTol);
    // Moment at a quarter point: q·x·(L - x)/2.
    EXPECT_NEAR(Analyse(6.0f, 4, 0.0f, 6.0f, 0.0f, 6.0f, 2.0f, 1.5f, 1.5f).Mo, q * 1.5 * 4.5 / 2,
                kTol);
}

TEST(SingleSpanLoad, PointLoad) {
    const double L = 5.0, P = 3.0, a = 2.0, b = 3.0;
    const Span s = Analyse(5.0f, 1, 2.0f, 0.0f, 0.0f, 0.0f, 3.0f, 99.0f /* H unused */, 2.5f);
    EXPECT_NEAR(s.CL, -P * a * b * b / (L * L), kTol);
    EXPECT_NEAR(s.CR, P * a * a * b / (L * L), kTol);
    EXPECT_NEAR(s.Mo, P * a * (L - 2.5) / L, kTol);  // load left of xM
    EXPECT_NEAR(s.QL, P * b / L, kTol);
    EXPECT_NEAR(s.QR, -P * a / L, kTol);
    // Under the load the simple-beam moment is P·a·b/L.
    EXPECT_NEAR(Analyse(5.0f, 1, 2.0f, 0.0f, 0.0f, 0.0f, 3.0f, 1.0f, 2.0f).Mo, P * a * b / L, kTol);
    // A point load off the span does nothing.
    const Span off = Analyse(5.0f, 1, 5.5f, 0.0f, 0.0f, 0.0f, 3.0f, 1.0f, 2.5f);
    EXPECT_EQ(off.CL, 0.0);
    EXPECT_EQ(off.QL, 0.0);
    EXPECT_EQ(off.QR, 0.0);
}

TEST(SingleSpanLoad, TrianglesOverTheWholeSpan) {
    const double L = 4.0, q = 3.0;
    // Rising to the right: 0 at the left end, q at the right end.
    const Span rising = Analyse(4.0f, 2, 0.0f, 4.0f, 4.0f, 0.0f, 3.0f, 1.0f, 2.0f);
    EXPECT_NEAR(rising.CL, -q * L * L / 30, kTol);
    EXPECT_NEAR(rising.CR, q * L * L / 20, kTol);
    EXPECT_NEAR(rising.QL, q * L / 6, kTol);
    EXPECT_NEAR(rising.QR, -q * L / 3, kTol);
    EXPECT_NEAR(rising.Mo, q * L * L / 16, kTol);
    // Falling: the mirror image.
    const Span falling = Analyse(4.0f, 3, 0.0f, 4.0f, 0.0f, 0.0f, 3.0f, 1.0f, 2.0f);
    EXPECT_NEAR(falling.CL, -q * L * L / 20, kTol);
    EXPECT_NEAR(falling.CR, q * L * L / 30, kTol);
    EXPECT_NEAR(falling.QL, q * L / 3, kTol);
    // Symmetric triangle with its peak at mid-span.
    const Span peak = Analyse(4.0f, 6, 0.0f, 4.0f, 2.0f, 0.0f, 3.0f, 1.0f, 2.0f);
    EXPECT_NEAR(peak.CL, -5 * q * L * L / 96, kTol);
    EXPECT_NEAR(peak.CR, 5 * q * L * L / 96, kTol);
    EXPECT_NEAR(peak.Mo, q * L * L / 12, kTol);
    EXPECT_NEAR(peak.QL, q * L / 4, kTol);
}

TEST(SingleSpanLoad, PartialLoads) {
    const double L = 8.0, q = 2.0, c = 4.0;
    // Uniform load over the left half: the classic partial-load fixed-end moments.
    const Span left = Analyse(8.0f, 4, 0.0f, 4.0f, 0.0f, 4.0f, 2.0f, 1.0f, 4.0f);
    EXPECT_NEAR(left.CL, -q * c * c / (12 * L * L) * (6 * L * L - 8 * c * L + 3 * c * c), kTol);
    EXPECT_NEAR(left.CR, q * c * c * c / (12 * L * L) * (4 * L - 3 * c), kTol);
    EXPECT_NEAR(left.QL, q * c * (L - c / 2) / L, kTol);
    EXPECT_NEAR(left.Mo, q * c * (c / 2) * (L - 4.0) / L, kTol);  // load wholly left of xM
    // Trapezoid 1 m up, 2 m level, 1 m down, from x = 2: symmetric about mid-span.
    const Span trapezoid = Analyse(8.0f, 5, 2.0f, 4.0f, 1.0f, 2.0f, 2.0f, 1.0f, 4.0f);
    EXPECT_NEAR(trapezoid.CL, -trapezoid.CR, kTol);
    EXPECT_NEAR(trapezoid.QL, -trapezoid.QR, kTol);
    EXPECT_NEAR(trapezoid.QL - trapezoid.QR, q * 3.0, kTol);  // shears carry the whole load
    EXPECT_NEAR(trapezoid.total, q * 3.0, kTol);
}

TEST(SingleSpanLoad, ShearsCarryTheTotalLoad) {
    // An asymmetric trapezoid, moment position off-centre: R_A + R_B is the load on the span.
    const Span s = Analyse(7.0f, 5, 0.5f, 5.0f, 1.5f, 2.0f, 1.2f, 2.5f, 2.2f);
    const double q = 1.2 * 2.5;
    const double total = q * (1.5 / 2 + 2.0 + 1.5 / 2);
    EXPECT_NEAR(s.QL - s.QR, total, kTol);
    EXPECT_GT(s.Mo, 0.0);
    EXPECT_LT(s.CL, 0.0);
    EXPECT_GT(s.CR, 0.0);
    // Moment equilibrium about the left end: R_B·L equals the load's first moment.
    const double centroid =
        (q * 1.5 / 2 * (0.5 + 1.0) + q * 2.0 * (2.0 + 1.0) + q * 1.5 / 2 * (4.0 + 0.5)) / total;
    EXPECT_NEAR(-s.QR * 7.0, total * centroid, 1e-4);
}

TEST(SingleSpanLoad, LoadsPartlyOutsideTheSpan) {
    const double L = 6.0, q = 1.0;
    // Starting 1 m before the left end and running 2 m past the right end: the whole span.
    const Span over = Analyse(6.0f, 4, -1.0f, 9.0f, 0.0f, 9.0f, 1.0f, 1.0f, 3.0f);
    EXPECT_NEAR(over.CL, -q * L * L / 12, kTol);
    EXPECT_NEAR(over.CR, q * L * L / 12, kTol);
    EXPECT_NEAR(over.QL - over.QR, q * L, kTol);
    // From mid-span to 3 m past the right end: the right half only (mirror of the left half).
    const Span right = Analyse(6.0f, 4, 3.0f, 6.0f, 0.0f, 6.0f, 1.0f, 1.0f, 3.0f);
    const double c = 3.0;
    EXPECT_NEAR(right.CR, q * c * c / (12 * L * L) * (6 * L * L - 8 * c * L + 3 * c * c), kTol);
    EXPECT_NEAR(right.CL, -q * c * c * c / (12 * L * L) * (4 * L - 3 * c), kTol);
    // A triangle cut at the right end keeps its shape on the span.
    const Span cut = Analyse(6.0f, 2, 0.0f, 12.0f, 12.0f, 0.0f, 1.0f, 1.0f, 3.0f);
    EXPECT_NEAR(cut.QL - cut.QR, 0.5 * 6.0 * 0.5, kTol);  // intensity reaches 0.5 at x = 6
    // Wholly outside.
    const Span outside = Analyse(6.0f, 4, 7.0f, 2.0f, 0.0f, 2.0f, 1.0f, 1.0f, 3.0f);
    EXPECT_EQ(outside.CL, 0.0);
    EXPECT_EQ(outside.Mo, 0.0);
}

TEST(SingleSpanLoad, RefusedInputsGiveNothing) {
    for (float L : {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN(),
                    std::numeric_limits<float>::infinity()}) {
        const Span s = Analyse(L, 4, 0.0f, 3.0f, 0.0f, 3.0f, 1.0f, 1.0f, 1.5f);
        EXPECT_EQ(s.CL, 0.0);
        EXPECT_EQ(s.QL, 0.0);
    }
    for (int type : {0, 7, -1}) {
        const Span s = Analyse(6.0f, type, 0.0f, 6.0f, 0.0f, 6.0f, 1.0f, 1.0f, 3.0f);
        EXPECT_EQ(s.CR, 0.0) << type;
        EXPECT_EQ(s.total, 0.0) << type;
    }
}

}  // namespace
}  // namespace zel
