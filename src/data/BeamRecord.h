#pragma once
// One beam (member) as the project and the data file hold it. The member order is the order
// of the data file and must not change. Arrays are 0-based here: index 0 is slot/section 1.
#include <array>
#include <cstdint>
#include <string>

#include "data/AllowableStresses.h"

namespace zel {

inline constexpr int kMaxLoads = 20;
inline constexpr int kSectionSlots = 3;

// Load type codes of `loadType`.
enum LoadTypeCode : std::int16_t {
    kLoadConcentrated = 1,     // "1:集中荷重"
    kLoadRisingTriangle = 2,   // "2:右上がり三角荷重"
    kLoadFallingTriangle = 3,  // "3:左上がり三角荷重"
    kLoadUniform = 4,          // "4:等分布荷重"
    kLoadTrapezoid = 5,        // "5:台形荷重"
    kLoadTriangle = 6,         // "6:三角荷重"
};

// "集中荷重" … "三角荷重" for codes 1..6, "?" for any other code.
const char* LoadTypeName(int code);

// Steel grade codes of `mainBarGrade` / `stirrupGrade`: 0, 1 deformed bars, 2, 3 round bars.
enum GradeCode : std::int16_t { kSD295 = 0, kSD345 = 1, kSR235 = 2, kSR295 = 3 };

struct BeamRecord {
    std::string memberName;                           // 部材名
    std::array<float, kSectionSlots> sectionWidth{};  // B of section 1..3 (cm)
    std::array<float, kSectionSlots> sectionDepth{};  // D of section 1..3 (cm)
    std::array<float, kSectionSlots> sectionCover{};  // かぶり厚 of section 1..3 (cm)
    float spanLength = 0.0f;                          // m
    std::int16_t minRebarRule = 0;  // 0: 0.4% of b·d, 1: 4/3 of required, 2: required
    std::int16_t sectionCount = 0;  // 1, 2 or 3 sections in use
    std::int16_t mainBarGrade = 0;  // GradeCode
    std::int16_t stirrupGrade = 0;  // GradeCode
    std::string mainBarSize;        // "D16", "13φ", ...
    std::string stirrupSize;
    std::int16_t assemblyMethod = 0;   // 0-based index of the assembly method list
    std::int16_t maxStirrupPitch = 0;  // mm
    float compressionBarRatio = 0.0f;  // γ
    std::int16_t maxBarLayers = 0;
    std::int16_t maxStirrupLegs = 0;
    std::int16_t spanType = 0;       // approximate-method span type, 4 = user coefficients
    float concreteFc = 0.0f;         // kg/cm2 (the input area shows it / 10 in SI units)
    float mainGradeValue = 0.0f;     // F of the main-bar grade (t/cm2)
    float stirrupGradeValue = 0.0f;  // F of the stirrup grade (t/cm2)
    AllowableStresses allowableStresses;
    // Never set by the program; carried bit for bit. The last two Singles double as one
    // Double (see ReservedDouble()).
    std::array<float, 12> reserved{};
    double selfWeight = 0.0;              // t/m, see ComputeSelfWeight()
    std::int16_t skipBeam = 0;            // "この梁は計算しない"
    std::int16_t shortTerm = 0;           // "短期荷重として計算"
    std::int16_t ignoreSelfWeight = 0;    // "梁自重を考慮しない"
    std::int16_t supportType = 0;         // 0 simple beam, 1 cantilever
    std::int16_t momentPositionMode = 0;  // 0 centre, 1 given distance from the left end
    float momentPosition = 0.0f;          // m from the left end, see ComputeMomentPosition()
    std::int16_t loadCount = 0;           // loads in use, 0..20
    std::array<std::int16_t, kMaxLoads> loadType{};             // LoadTypeCode of load 1..20
    std::array<float, kMaxLoads> loadValue{};                   // P (t) or w (t/m2)
    std::array<std::array<float, 4>, kMaxLoads> loadLengths{};  // L1..L4 (m) of load 1..20
    std::array<float, kMaxLoads> loadHeight{};                  // H (m)
    std::array<float, 3> userCoefficients{};  // left end, centre, right end (spanType 4)

    // Not in the file: the data file ended inside this record, so part of it is reset. Such a
    // beam is not calculated. Committing an edit of the beam from the input area clears it.
    bool cutByFileEnd = false;

    // The eight bytes of reserved[10] and reserved[11] read as one Double, unchanged.
    double ReservedDouble() const;

    bool operator==(const BeamRecord&) const = default;
};

// Self weight per metre (t/m) = Bmin × Dmin × 2.4 / 10000, Bmin and Dmin taken separately over
// sections 1..sectionCount (a count outside 1..3 is treated as the nearest valid one).
double ComputeSelfWeight(const BeamRecord& beam);

// Design-moment position stored when a beam is committed: the entered distance for a simple
// beam with a given position, otherwise half the span.
float ComputeMomentPosition(const BeamRecord& beam, float enteredDistance);

}  // namespace zel
