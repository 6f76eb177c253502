#include "calc/SingleSpanLoad.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zel {

namespace {

// Effects of a unit of load at position x (the influence values), then weighted sums.
struct Effects {
    double CL = 0, CR = 0, Mo = 0, QL = 0, QR = 0, total = 0, firstMoment = 0;
};

void AddPointLoad(Effects& e, double L, double xM, double x, double P) {
    const double u = L - x;
    e.CL -= P * x * u * u / (L * L);
    e.CR += P * x * x * u / (L * L);
    e.Mo += P * (x <= xM ? x * (L - xM) / L : xM * u / L);
    e.QL += P * u / L;
    e.QR -= P * x / L;
    e.total += P;
    e.firstMoment += P * x;
}

// A piece whose intensity runs linearly from q0 at x0 to q1 at x1, lying within one side of xM.
// The integrands are at most of degree 4 (linear intensity times cubic influence), so the
// three-point Gauss rule gives the integrals exactly.
void AddLinearPiece(Effects& e, double L, double xM, double x0, double x1, double q0, double q1) {
    const double half = (x1 - x0) / 2.0;
    if (!(half > 0.0)) return;
    const double mid = (x0 + x1) / 2.0;
    const double offset = half * std::sqrt(0.6);
    const std::array<double, 3> xs{mid - offset, mid, mid + offset};
    const std::array<double, 3> ws{half * 5.0 / 9.0, half * 8.0 / 9.0, half * 5.0 / 9.0};
    for (int i = 0; i < 3; ++i) {
        const double q = q0 + (q1 - q0) * (xs[i] - x0) / (x1 - x0);
        AddPointLoad(e, L, xM, xs[i], q * ws[i]);
    }
}

// Adds the part of a linear piece that lies on the span, split at xM where the simple-beam
// moment's influence line has its kink.
void AddClippedPiece(Effects& e, double L, double xM, double x0, double x1, double q0,
                     double q1) {
    if (!(x1 > x0)) return;
    const auto intensityAt = [&](double x) { return q0 + (q1 - q0) * (x - x0) / (x1 - x0); };
    const double a = std::max(x0, 0.0);
    const double b = std::min(x1, L);
    if (!(b > a)) return;
    const double qa = intensityAt(a);
    const double qb = intensityAt(b);
    if (xM > a && xM < b) {
        const double qm = intensityAt(xM);
        AddLinearPiece(e, L, xM, a, xM, qa, qm);
        AddLinearPiece(e, L, xM, xM, b, qm, qb);
    } else {
        AddLinearPiece(e, L, xM, a, b, qa, qb);
    }
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

    Effects e;
    const bool point = loadType == 1;
    const bool finite = std::isfinite(xM) && std::isfinite(x1) && std::isfinite(magnitude) &&
                        (point || (std::isfinite(height) && std::isfinite(loadedLength) &&
                                   std::isfinite(risingLength) && std::isfinite(constantLength)));
    if (!finite) {
        // A load that cannot be placed must not vanish silently: the sums become NaN and the
        // beam is reported as not calculable.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        e = Effects{nan, nan, nan, nan, nan, nan, nan};
    } else if (point) {
        const double P = magnitude;
        if (x1 >= 0.0 && x1 <= L) AddPointLoad(e, L, xM, x1, P);
    } else {
        const double q = static_cast<double>(magnitude) * height;
        const double length = loadedLength;
        // A rising or constant part longer than the load is cut back to the load.
        const double a = std::clamp(static_cast<double>(risingLength), 0.0, std::max(length, 0.0));
        const double b =
            std::clamp(static_cast<double>(constantLength), 0.0, std::max(length - a, 0.0));
        AddClippedPiece(e, L, xM, x1, x1 + a, 0.0, q);
        AddClippedPiece(e, L, xM, x1 + a, x1 + a + b, q, q);
        AddClippedPiece(e, L, xM, x1 + a + b, x1 + length, q, 0.0);
    }
    leftFixedEndMoment = static_cast<float>(e.CL);
    rightFixedEndMoment = static_cast<float>(e.CR);
    simpleMoment = static_cast<float>(e.Mo);
    leftShear = static_cast<float>(e.QL);
    rightShear = static_cast<float>(e.QR);
    resultant = static_cast<float>(e.total);
    resultantPosition = static_cast<float>(e.total != 0.0 ? e.firstMoment / e.total : 0.0);
}

}  // namespace zel
