#pragma once
// Allowable stresses of steel and concrete (t/cm2), long-term and short-term.
#include "calc/UnitFactor.h"

namespace zel {

// Allowable tensile stress of a steel grade (t/cm2). Grade codes outside 0..3 give 0.
// The tables hold t/cm2 for conventional units and 100 N/mm2 for SI units.
float SteelAllowable(int gradeCode, int diameterNumber, bool shortTerm, const CalcUnits& units);

// F: Fc in the unit shown to the user divided by 1000 (conventional: kg/cm2 -> t/cm2;
// SI: N/mm2 / 1000). The stored concreteFc is in kg/cm2, or N/mm2 × 10 for SI input.
float ConcreteF(float concreteFc, const CalcUnits& units);

struct ConcreteAllowables {
    float fs = 0.0f;  // shear (t/cm2)
    float fa = 0.0f;  // bond (t/cm2)
};

// Shear and bond allowables of concrete of strength F (see ConcreteF) for deformed or round
// main bars. Both unit systems follow the same rules, so one concrete gets the same
// allowables whichever unit it was entered in (up to the rounding of the SI constants).
ConcreteAllowables ConcreteAllowable(float F, bool deformedBars, bool shortTerm,
                                     const CalcUnits& units);

}  // namespace zel
