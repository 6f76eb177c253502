#pragma once
// The factor between SI input and the calculation's internal units (t, t·m, cm, t/cm2).
// It travels with each calculation instead of living in global state.

namespace zel {

// 1 kgf = 9.80665 N, held as a Single like every factor of the calculation.
inline constexpr float kSiUnitFactor = 9.80665f;

// UnitFactor: 9.80665 when the input is in SI units, else 1.0.
float UnitFactor(bool inputIsSI);

// Unit system of one calculation run.
struct CalcUnits {
    bool inputIsSI = false;
    float unitFactor = 1.0f;  // UnitFactor(inputIsSI)
};

// Sets both fields from the input unit flag (done at the start of every run).
void SetUnitFactor(CalcUnits& units, bool inputIsSI);

// CalcUnits for an input unit flag.
CalcUnits CalcUnitsFor(bool inputIsSI);

}  // namespace zel
