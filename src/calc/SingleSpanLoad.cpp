#include "calc/SingleSpanLoad.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/Single.h"

namespace zel {

namespace {

// Moments ∫q·x^k dx (k = 0..3) of the load on the span, and ∫q, ∫q·x left of xM. Every
// effect is a polynomial of degree at most 3 in x (piecewise for Mo), so these exact integrals
// give the effects in closed form.
struct Moments {
    double m0 = 0, m1 = 0, m2 = 0, m3 = 0;
    double left0 = 0, left1 = 0;
};

// ∫q and ∫q·x of a piece starting at a of length h, intensity q0 + dq·t/h (t = x - a).
// Integrated in local coordinates, where every term is of one sign.
struct FirstMoments {
    double m0, m1;
};
FirstMoments FirstMomentsOf(double a, double h, double q0, double dq) {
    constexpr double kThird = 1.0 / 3.0;
    const double n0 = h * (q0 + dq * 0.5);
    const double n1 = h * h * (q0 * 0.5 + dq * kThird);
    return {n0, a * n0 + n1};
}

// Adds a piece on [a, b] (0 <= a < b <= L) whose intensity runs linearly from q0 to q1; the
// part left of xM also goes into the left sums.
void AddPiece(Moments& m, double a, double b, double q0, double q1, double xM) {
    const double h = b - a;
    if (!(h > 0.0)) return;
    const double dq = q1 - q0;
    const double h2 = h * h, h3 = h2 * h, h4 = h3 * h;
    // n_k = ∫ t^k q dt over [0, h]
    constexpr double kThird = 1.0 / 3.0, kFifth = 1.0 / 5.0;
    const double n0 = h * (q0 + dq * 0.5);
    const double n1 = h2 * (q0 * 0.5 + dq * kThird);
    const double n2 = h3 * (q0 * kThird + dq * 0.25);
    const double n3 = h4 * (q0 * 0.25 + dq * kFifth);
    const double a2 = a * a;
    const double m1 = a * n0 + n1;
    m.m0 += n0;
    m.m1 += m1;
    m.m2 += a2 * n0 + 2.0 * a * n1 + n2;
    m.m3 += a2 * a * n0 + 3.0 * a2 * n1 + 3.0 * a * n2 + n3;
    if (b <= xM) {
        m.left0 += n0;
        m.left1 += m1;
    } else if (a < xM) {
        const double hl = xM - a;
        const FirstMoments left = FirstMomentsOf(a, hl, q0, dq * hl / h);
        m.left0 += left.m0;
        m.left1 += left.m1;
    }
}

// Adds the part of a linear piece that lies on the span.
void AddClippedPiece(Moments& m, double L, double xM, double x0, double x1, double q0, double q1) {
    if (!(x1 > x0)) return;
    const double a = std::max(x0, 0.0);
    const double b = std::min(x1, L);
    if (!(b > a)) return;
    if (a == x0 && b == x1) {
        AddPiece(m, a, b, q0, q1, xM);
        return;
    }
    const double slope = (q1 - q0) / (x1 - x0);
    const double qa = a == x0 ? q0 : q0 + slope * (a - x0);
    const double qb = b == x1 ? q1 : q0 + slope * (b - x0);
    AddPiece(m, a, b, qa, qb, xM);
}

}  // namespace

void VF_CMQGIR(std::int32_t& /*mode*/, float& span, float& start, float& loadedLength,
               float& risingLength, float& constantLength, float& magnitude, float& height,
               float& /*heightCopy*/, std::int32_t& loadType, float& /*beamValue*/,
               float& momentPosition, float& leftFixedEndMoment, float& rightFixedEndMoment,
               float& simpleMoment, float& leftShear, float& rightShear, float& resultant,
               float& resultantPosition) {
    const double L = span;
    if (!(L > 0.0) || !std::isfinite(L) || loadType < 1 || loadType > 6) return;
    const double xM = std::isfinite(momentPosition)
                          ? std::clamp(static_cast<double>(momentPosition), 0.0, L)
                          : std::numeric_limits<double>::quiet_NaN();
    const double x1 = start;

    Moments m;
    const bool point = loadType == 1;
    const bool finite = std::isfinite(xM) && std::isfinite(x1) && std::isfinite(magnitude) &&
                        (point || (std::isfinite(height) && std::isfinite(loadedLength) &&
                                   std::isfinite(risingLength) && std::isfinite(constantLength)));
    if (!finite) {
        // A load that cannot be placed must not vanish silently: the sums become NaN and the
        // beam is reported as not calculable.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        m = Moments{nan, nan, nan, nan, nan, nan};
    } else if (point) {
        const double P = magnitude;
        if (x1 >= 0.0 && x1 <= L) {
            m.m0 = P;
            m.m1 = P * x1;
            m.m2 = m.m1 * x1;
            m.m3 = m.m2 * x1;
            if (x1 <= xM) {
                m.left0 = m.m0;
                m.left1 = m.m1;
            }
        }
    } else {
        const double q = static_cast<double>(magnitude) * height;
        const double length = loadedLength;
        // A rising or constant part longer than the load is cut back to the load.
        const double a = std::clamp(static_cast<double>(risingLength), 0.0, std::max(length, 0.0));
        const double b =
            std::clamp(static_cast<double>(constantLength), 0.0, std::max(length - a, 0.0));
        AddClippedPiece(m, L, xM, x1, x1 + a, 0.0, q);
        AddClippedPiece(m, L, xM, x1 + a, x1 + a + b, q, q);
        AddClippedPiece(m, L, xM, x1 + a + b, x1 + length, q, 0.0);
    }
    // Fixed-end moments: ∫q·x·(L-x)²/L² and ∫q·x²·(L-x)/L²; reactions ∫q·(L-x)/L and ∫q·x/L;
    // simple-beam moment at xM: R_B·(L-xM) from the left part plus R_A·xM from the right part.
    const double inverseL = 1.0 / L, inverseL2 = inverseL * inverseL;
    leftFixedEndMoment = Single(-(L * L * m.m1 - 2.0 * L * m.m2 + m.m3) * inverseL2);
    rightFixedEndMoment = Single((L * m.m2 - m.m3) * inverseL2);
    const double right0 = m.m0 - m.left0, right1 = m.m1 - m.left1;
    simpleMoment = Single(((L - xM) * m.left1 + xM * (L * right0 - right1)) * inverseL);
    leftShear = Single((L * m.m0 - m.m1) * inverseL);
    rightShear = Single(-m.m1 * inverseL);
    resultant = Single(m.m0);
    resultantPosition = Single(m.m0 != 0.0 ? m.m1 / m.m0 : 0.0);
}

}  // namespace zel
