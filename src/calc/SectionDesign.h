#pragma once
// Design of one section: tension bars and their layers, bond, compression bars, stirrups.
// Internal units: cm, cm2, t/cm2, t·m, t; bar outer diameters and pitches in mm.
#include <cstdint>
#include <string>

#include "calc/SectionWhy.h"

namespace zel {

// Result of one design section (1 left end, 2 centre, 3 right end).
struct SectionResult {
    float dt = 0.0f;           // tension face to centroid of the tension bars (cm)
    float j = 0.0f;            // lever arm 7/8·(D - dt) (cm)
    float atRequired = 0.0f;   // required tension reinforcement after the minimum rule (cm2)
    int tensionBars = 0;       // n, at most 100
    float pt = 0.0f;           // n·a1 / ((D - dt)·B), a plain ratio
    float psiRequired = 0.0f;  // required bar perimeter |Q| / (fa·j) (cm)
    int barsPerLayer = 0;
    int layers = 0;
    float pw = 0.0f;  // provided stirrup ratio, a plain ratio
    int stirrupLegs = 0;
    int stirrupPitch = 0;  // mm, at most 9999 once faces are assigned
    std::int16_t topBars = 0;
    std::int16_t bottomBars = 0;
    std::int16_t placementFailed = 0;  // 1: "設計不可"
    SectionWhy why;                    // the rules that decided the above, as they ran
    SectionRatios ratios;
};

// Everything one section design needs.
struct SectionInput {
    float B = 0.0f, D = 0.0f, cover = 0.0f;             // cm
    float M = 0.0f;                                     // |design moment| (t·m)
    float Q = 0.0f;                                     // |design shear| (t)
    float ft = 0.0f, fs = 0.0f, fa = 0.0f, wft = 0.0f;  // t/cm2
    float a1 = 0.0f;                                    // main bar area (cm2)
    float psi1 = 0.0f;                                  // main bar perimeter (cm)
    float mainOuterMm = 0.0f;                           // main bar outer diameter (mm)
    int dm = 0;                                         // main bar diameter number (mm)
    float aw = 0.0f;                                    // stirrup area (cm2)
    float stirrupOuterMm = 0.0f;                        // stirrup outer diameter (mm)
    int ds = 0;                                         // stirrup diameter number (mm)
    int minRebarRule = 0;  // 0: 0.4 % of B·d at least, 1: 4/3 of required, 2: required
    int maxStirrupLegs = 0;
    int maxStirrupPitch = 0;  // mm
    int assemblyMethod = 0;   // 0..4
};

// Stirrup legs a section may have: one when B is below 18 cm, else the maximum.
int EffectiveLegs(float B, int maxStirrupLegs);

// How many main bars fit across B between the stirrup legs for an assembly method 0..4
// (0 when not even the first fits, the method is unknown, or more than 999 would fit).
int BarsPerLayer(float B, float cover, float mainOuterMm, float stirrupOuterMm, int dm, int ds,
                 int assemblyMethod);

// Where the design puts the main bars, for the drawings of the sections (cm). The first layer's
// centres lie cover + stirrup + half a bar from the face, each further layer one pitch deeper;
// dt is the centroid of the layers used.
float LayerPitch(float mainOuterMm, int dm);
double FirstLayerDepth(float cover, float mainOuterMm, float stirrupOuterMm);
// Centre of layer k (0 the outermost) from its face.
double LayerDepth(float cover, float mainOuterMm, float stirrupOuterMm, int dm, int layer);

// Smallest number of bars of area a1 whose area reaches at, with a tolerance of 1e-6 cm2;
// 0 for at = 0. Saturates at 100000 instead of overflowing.
int TensionBarCount(float at, float a1);

// Designs one section without its face counts. Returns an empty text, or why the section
// cannot be calculated (no effective depth left for the bars); the result is then partial.
std::string DesignSection(const SectionInput& in, SectionResult& out);

// Puts the tension bars on the face the moment's sign asks for and the compression bars
// (ratio r) on the other one; section 1..3 with its signed design moment.
void AssignFaces(int section, float signedM, float r, int legs, SectionResult& result);

// The face the tension bars of section 1..3 lie on for its signed design moment.
bool TensionAtBottom(int section, float signedM);

// 1 when either face holds more bars than maxBarLayers × barsPerLayer, no bar fits in a layer
// at all, or the layers ran out of depth.
std::int16_t PlacementFailed(const SectionResult& result, int maxBarLayers);

// The placement check of a designed section with its faces assigned: sets placementFailed,
// records why it failed and the placement ratio. B is the section's width (cm).
void JudgePlacement(SectionResult& result, int maxBarLayers, float B);

}  // namespace zel
