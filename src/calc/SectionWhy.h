#pragma once
// What decided a section's result, recorded by the section design while it runs, and how
// much of each provided quantity the section uses. Views only read this; they never work it
// out again from the numbers.
#include <cstdint>

namespace zel {

// The rule that last raised the tension bar count n (or stopped it at the cap).
enum class TensionRule : std::uint8_t {
    None,          // not designed (the beam could not be calculated)
    Moment,        // n from at = M / (ft·j)
    MinimumRatio,  // rule 0 raised at to 0.4 % of B·d
    FourThirds,    // rule 1: at = 4/3 · M / (ft·j)
    StirrupLegs,   // n ≤ 1 raised to the stirrup legs
    Bond,          // the bond loop added bars beyond the count for the area
    Cap,           // the count for the area reached 100 bars (bond is then not looked at),
                   // or the bond loop stopped there still short of perimeter
};

// What set the stirrup ratio pw.
enum class StirrupRule : std::uint8_t {
    None,
    MinimumRatio,  // τ ≤ fs: pw = 0.2 %
    Shear,         // pw from τ
    ShearCap,      // pw from τ capped at 1.2 %
};

// What set the stirrup pitch.
enum class PitchRule : std::uint8_t {
    None,
    Legs,   // the pitch of the largest legs tried
    Limit,  // cut to min(maximum pitch, D/2)
};

// Why a section is "設計不可".
enum class FailureKind : std::uint8_t {
    None,
    NotCalculated,  // the beam could not be calculated; CalcResult::error says why
    FaceOverflow,   // a face holds more bars than the layers allow
    NoBarFits,      // not one main bar fits across B
    DepthUsedUp,    // a further layer has no effective depth left
    BarCap,         // the bars reached the cap of 100
};

struct SectionFailure {
    FailureKind kind = FailureKind::None;
    bool bottomFace = false;  // FaceOverflow: the face that holds too many bars
    int bars = 0;             // FaceOverflow: the bars on that face
    int barsPerLayer = 0;     // FaceOverflow: bars a layer takes
    int layers = 0;           // FaceOverflow: layers allowed
    int layer = 0;            // DepthUsedUp: the layer (1-based) without depth
    float B = 0.0f;           // NoBarFits: the width (cm)
};

struct SectionWhy {
    TensionRule tension = TensionRule::None;
    StirrupRule stirrups = StirrupRule::None;
    PitchRule pitch = PitchRule::None;
    SectionFailure failure;
};

// Used / provided; above 1 where the provided quantity falls short. Infinite where nothing
// is provided for a need, 0 where nothing is needed.
struct SectionRatios {
    double tension = 0.0;    // 必要at / (n·a1)
    double bond = 0.0;       // 必要ψ / (n·ψ1)
    double shear = 0.0;      // τ / fs
    double placement = 0.0;  // larger face count / (許容段数 × bars per layer)
};

// The words `zel calc --json` uses: "moment", "minimum-ratio", ...; nullptr for None.
const char* RuleKey(TensionRule rule);
const char* RuleKey(StirrupRule rule);
const char* RuleKey(PitchRule rule);

// used / provided with the conventions of SectionRatios.
double UtilisationRatio(double used, double provided);

}  // namespace zel
