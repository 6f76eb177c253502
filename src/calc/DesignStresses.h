#pragma once
// Load effects of a beam and the design moments and shears of its three sections.
#include "calc/UnitFactor.h"
#include "data/BeamRecord.h"

namespace zel {

// Sums over all loads and the self weight (t, t·m).
struct LoadEffects {
    float CL = 0.0f;  // fixed-end moment, left end (negative for downward loads)
    float CR = 0.0f;  // fixed-end moment, right end (positive for downward loads)
    float Mo = 0.0f;  // simple-beam moment at the design-moment position
    float QL = 0.0f;  // shear at the left end
    float QR = 0.0f;  // shear at the right end
};

// Design values of the left end, centre and right end (t·m signed, t absolute).
struct DesignStresses {
    float Mleft = 0.0f;    // keeps the sign of CL
    float Mcentre = 0.0f;  // positive for sagging
    float Mright = 0.0f;   // keeps the sign of CR
    float Qleft = 0.0f;
    float Qcentre = 0.0f;  // always 0: the centre is designed for zero shear
    float Qright = 0.0f;
};

// Approximate-method coefficients: α left end, β centre reduction, γ right end.
struct SpanCoefficients {
    float alpha = 0.0f;
    float beta = 0.0f;
    float gamma = 0.0f;
};

// Coefficients of a span type 0..6 (type 4 takes the user's three values; other types give
// zeros). Cantilevers use 1, 1, 1 instead, whatever their span type.
SpanCoefficients SpanCoefficientsFor(int spanType, const std::array<float, 3>& userCoefficients);

// One load as both analyses take it (lengths in m).
struct LoadDescription {
    float x1 = 0.0f;              // start
    float loadedLength = 0.0f;    // ℓ = L2 + L3 + L4 (0 for a point load on a cantilever)
    float risingLength = 0.0f;    // a
    float constantLength = 0.0f;  // b
};

// The start, loaded, rising and constant lengths of a load from its type and L1..L4.
LoadDescription DescribeLoad(int loadType, const std::array<float, 4>& lengths, bool cantilever);

struct BeamLoadResult {
    LoadEffects loadEffects;
    DesignStresses designStresses;
};

// Adds every load in use (at most 20) and, unless switched off, the self weight, then derives
// the design values. Load magnitudes are divided by the unit factor; the self weight is not.
// A span of 0 gives non-finite shears; the caller treats those as a failed beam.
BeamLoadResult ComputeDesignStresses(const BeamRecord& beam, const CalcUnits& units);

}  // namespace zel
