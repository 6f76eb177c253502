#include "calc/SectionSuggestion.h"

#include <algorithm>
#include <cmath>

#include "calc/CalculateBeam.h"
#include "calc/Single.h"

namespace zel {

namespace {

// No sensible limit lies this many steps away; it keeps a hostile record from searching forever.
constexpr int kMaxSteps = 10000;

int SectionsInUse(const BeamRecord& beam) {
    return std::clamp<int>(beam.sectionCount, 1, kSectionSlots);
}

// Steps of `step` from `from` that stay within `limit`; 0 when `from` is not a number.
int StepsUpTo(float from, double limit, double step) {
    if (!std::isfinite(from) || !(step > 0.0) || !std::isfinite(limit)) return 0;
    const double steps = std::floor((limit - from) / step + 1e-6);
    return static_cast<int>(std::clamp(steps, 0.0, static_cast<double>(kMaxSteps)));
}

}  // namespace

BeamRecord ResizedBeam(const BeamRecord& beam, int widthSteps, int depthSteps, double step) {
    BeamRecord resized = beam;
    if (widthSteps == 0 && depthSteps == 0) return resized;
    for (int s = 0; s < SectionsInUse(beam); ++s) {
        const std::size_t i = static_cast<std::size_t>(s);
        resized.sectionWidth[i] = Single(beam.sectionWidth[i] + widthSteps * step);
        resized.sectionDepth[i] = Single(beam.sectionDepth[i] + depthSteps * step);
    }
    resized.selfWeight = ComputeSelfWeight(resized);
    return resized;
}

SectionSuggestion SuggestSection(const Project& project, int slot, const SuggestionLimits& limits) {
    SectionSuggestion suggestion;
    if (slot < 1 || slot > kMaxBeams) return suggestion;
    const BeamRecord& beam = project.Beam(slot);
    const int count = SectionsInUse(beam);
    const float widest =
        *std::max_element(beam.sectionWidth.begin(), beam.sectionWidth.begin() + count);
    const float deepest =
        *std::max_element(beam.sectionDepth.begin(), beam.sectionDepth.begin() + count);
    const int widthSteps = StepsUpTo(widest, limits.maxWidth, limits.step);
    const int depthSteps = StepsUpTo(deepest, limits.maxDepth, limits.step);

    // The calculation writes into its project; the caller's stays as it was.
    Project scratch = project;
    for (int w = 0; w <= widthSteps; ++w) {
        for (int d = 0; d <= depthSteps; ++d) {
            scratch.Beam(slot) = ResizedBeam(beam, w, d, limits.step);
            CalcResult result = CalculateBeam(scratch, slot);
            ++suggestion.tried;
            if (!result.DesignImpossible()) {
                suggestion.found = true;
                suggestion.widthSteps = w;
                suggestion.depthSteps = d;
                suggestion.beam = ResizedBeam(beam, w, d, limits.step);
                suggestion.result = std::move(result);
                return suggestion;
            }
            if (w == 0 && d == 0) suggestion.result = std::move(result);
        }
    }
    suggestion.beam = beam;
    return suggestion;
}

}  // namespace zel
