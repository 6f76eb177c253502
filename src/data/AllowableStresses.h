#pragma once
// Allowable stresses of one beam (t/cm2), written by the calculation and saved with the beam.

namespace zel {

struct AllowableStresses {
    float ft = 0.0f;   // main bars, tension
    float fa = 0.0f;   // concrete, bond (in file order ft, fa, fs, wft)
    float fs = 0.0f;   // concrete, shear
    float wft = 0.0f;  // stirrups, tension

    bool operator==(const AllowableStresses&) const = default;
};

}  // namespace zel
