#pragma once
// Everything the calculation of one beam produces. Views calculate a beam and read this
// record; nothing else keeps "the beam calculated last".
//
// Units (internal): forces t, moments t·m, section sizes cm, areas cm2, stresses t/cm2,
// bar outer diameters and stirrup pitch mm; ratios (pt, pw) are plain ratios, not percent.
#include <array>
#include <cstdint>
#include <string>

#include "calc/DesignStresses.h"
#include "calc/SectionDesign.h"

namespace zel {

inline constexpr const char* kJudgementOk = "OK";
inline constexpr const char* kJudgementImpossible = "設計不可";

struct CalcResult {
    int slot = 0;  // beam slot 1..50 this result belongs to

    // Bar data of the main bars and the stirrups.
    std::int32_t dm = 0;          // main bar diameter number (mm)
    std::int32_t ds = 0;          // stirrup diameter number (mm)
    float a1 = 0.0f;              // main bar area (cm2)
    float aw = 0.0f;              // stirrup area (cm2)
    float psi1 = 0.0f;            // main bar perimeter ψ1 (cm)
    float mainOuterMm = 0.0f;     // main bar outer diameter (mm)
    float stirrupOuterMm = 0.0f;  // stirrup outer diameter (mm)

    // Copies of the beam's allowable stresses (t/cm2).
    float ft = 0.0f;
    float fa = 0.0f;
    float fs = 0.0f;
    float wft = 0.0f;

    LoadEffects loadEffects;                  // t·m, t
    DesignStresses designStresses;            // t·m, t
    std::array<SectionResult, 3> sections{};  // left end, centre, right end
    std::int16_t anyPlacementFailed = 0;

    // Why the beam could not be calculated at all (empty when it was). Such a beam has every
    // number 0 and every placement flag set.
    std::string error;

    bool Calculated() const { return error.empty(); }
    // "設計不可" for a failed placement and for a beam that could not be calculated.
    bool DesignImpossible() const { return !error.empty() || anyPlacementFailed != 0; }
    const char* Judgement() const {
        return DesignImpossible() ? kJudgementImpossible : kJudgementOk;
    }
};

}  // namespace zel
