#include "calc/UnitFactor.h"

namespace zel {

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
