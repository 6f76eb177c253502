#include "calc/Allowables.h"

#include <algorithm>

#include "calc/Single.h"

namespace zel {

namespace {

struct SteelRow {
    double longTerm, longTermSI, shortTerm, shortTermSI;
};

// SD345 above D28 has a lower long-term value.
constexpr SteelRow kSD295{2.0, 1.95, 3.0, 2.95};
constexpr SteelRow kSD345Small{2.2, 2.15, 3.5, 3.45};
constexpr SteelRow kSD345Large{2.0, 1.95, 3.5, 3.45};
constexpr SteelRow kSR235{1.6, 1.55, 2.4, 2.35};
constexpr SteelRow kSR295{1.6, 1.55, 3.0, 2.95};

}  // namespace

float SteelAllowable(int gradeCode, int diameterNumber, bool shortTerm, const CalcUnits& units) {
    const SteelRow* row = nullptr;
    switch (gradeCode) {
        case 0:
            row = &kSD295;
            break;
        case 1:
            row = diameterNumber <= 28 ? &kSD345Small : &kSD345Large;
            break;
        case 2:
            row = &kSR235;
            break;
        case 3:
            row = &kSR295;
            break;
        default:
            return 0.0f;
    }
    if (!units.inputIsSI) return Single(shortTerm ? row->shortTerm : row->longTerm);
    const double value = shortTerm ? row->shortTermSI : row->longTermSI;
    return Single(value / units.unitFactor * 10.0);
}

float ConcreteF(float concreteFc, const CalcUnits& units) {
    return Single(static_cast<double>(concreteFc) / 1000.0 / (units.inputIsSI ? 10.0 : 1.0));
}

ConcreteAllowables ConcreteAllowable(float F, bool deformedBars, bool shortTerm,
                                     const CalcUnits& units) {
    const double f = F;
    ConcreteAllowables result;
    // The constant of the second limit is 5 kg/cm2; in SI it is the same stress, 0.49 N/mm2.
    const double shearConstant = units.inputIsSI ? 0.00049 : 0.005;
    result.fs = Single(std::min(f / 30.0, f / 100.0 + shearConstant));
    if (shortTerm) result.fs = Single(result.fs * 1.5);
    if (units.inputIsSI) result.fs = Single(result.fs / units.unitFactor * 100.0);

    if (!units.inputIsSI) {
        result.fa = deformedBars ? Single(std::min(f / 15.0, 2.0 * f / 75.0 + 0.009))
                                 : Single(std::min(4.0 * f / 100.0, 0.009));
    } else {
        // Values in units of 100 N/mm2 × 1/10 (0.009 here is 0.9 N/mm2). The round-bar limit
        // is 4·Fc/100 as in conventional units, without a second unit factor.
        const double value = deformedBars
                                 ? (f <= 0.0225 ? f / 15.0 : 2.0 * f / 75.0 + 0.0009) * 10.0
                                 : std::min(4.0 * f * 10.0 / 100.0, 0.009);
        result.fa = Single(value);
        result.fa = Single(result.fa / units.unitFactor * 10.0);
    }
    return result;
}

}  // namespace zel
