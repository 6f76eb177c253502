#include "calc/UnitFactor.h"

#include "lib/Units.h"

namespace zel {

static_assert(kSiUnitFactor == static_cast<float>(kStandardGravity));

float UnitFactor(bool inputIsSI) {
    return inputIsSI ? kSiUnitFactor : 1.0f;
}

void SetUnitFactor(CalcUnits& units, bool inputIsSI) {
    units.inputIsSI = inputIsSI;
    units.unitFactor = UnitFactor(inputIsSI);
}

CalcUnits CalcUnitsFor(bool inputIsSI) {
    CalcUnits units;
    SetUnitFactor(units, inputIsSI);
    return units;
}

}  // namespace zel
