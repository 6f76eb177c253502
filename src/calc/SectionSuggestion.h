#pragma once
// The smallest section that passes: for a beam that is "設計不可", deeper and then wider
// sections are calculated until one is judged OK. Every candidate goes through the whole
// calculation (self weight, bars per layer, layers and stirrups follow the section).
#include "calc/CalcResult.h"
#include "data/Project.h"

namespace zel {

struct SuggestionLimits {
    double step = 5.0;        // cm added to B or D at a time
    double maxDepth = 150.0;  // cm, the deepest section tried
    double maxWidth = 100.0;  // cm, the widest section tried
};

struct SectionSuggestion {
    bool found = false;
    int widthSteps = 0;  // steps added to B of every section in use
    int depthSteps = 0;  // steps added to D of every section in use
    // The beam with the suggested sections (the beam as it was when nothing passed), and its
    // calculation.
    BeamRecord beam;
    CalcResult result;
    int tried = 0;  // sections calculated
};

// The beam with B of every section in use widened by widthSteps and D deepened by depthSteps
// steps of `step` cm, its self weight following. No steps give the beam unchanged.
BeamRecord ResizedBeam(const BeamRecord& beam, int widthSteps, int depthSteps, double step);

// Keeps B and tries the current D and then deeper ones up to limits.maxDepth; when none passes,
// widens B one step and tries again from the current D, up to limits.maxWidth. The first
// section judged OK is the suggestion: the current one when it already passes. Limits apply to
// the largest B and D in use; the project is not changed.
SectionSuggestion SuggestSection(const Project& project, int slot, const SuggestionLimits& limits);

}  // namespace zel
