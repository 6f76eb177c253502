#pragma once
// Random projects of beams that an engineer might enter, from light to hopelessly overloaded,
// in either unit system: every deciding rule and every way of failing turns up among them.
#include <random>
#include <vector>

#include "calc/BarTable.h"
#include "data/Project.h"

namespace zel::testing_beams {

inline BeamRecord RandomBeam(std::mt19937& rng, bool si) {
    auto uniform = [&](double lo, double hi) {
        return static_cast<float>(std::uniform_real_distribution<double>(lo, hi)(rng));
    };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    // SI loads are kN where conventional ones are t.
    const float force = si ? 9.80665f : 1.0f;
    BeamRecord b;
    b.memberName = "R" + std::to_string(pick(1, 999));
    b.sectionCount = static_cast<std::int16_t>(pick(1, 3));
    const int profile = pick(0, 9);  // 0: overloaded, 1: tiny, 2: light, else ordinary
    // A tiny section is now and then too shallow for even one layer: it cannot be calculated.
    for (int s = 0; s < 3; ++s) {
        b.sectionWidth[s] = profile == 1 ? uniform(8.0, 20.0) : static_cast<float>(pick(4, 12) * 5);
        b.sectionDepth[s] = profile == 1 ? uniform(6.0, 35.0) : static_cast<float>(pick(7, 20) * 5);
        b.sectionCover[s] = uniform(3.0, 6.0);
    }
    b.supportType = static_cast<std::int16_t>(pick(0, 6) == 0 ? 1 : 0);
    b.spanLength = b.supportType == 1 ? uniform(1.0, 3.5) : uniform(2.0, 10.0);
    b.spanType = static_cast<std::int16_t>(pick(0, 6));
    b.userCoefficients = {uniform(0.3, 1.3), uniform(0.3, 1.0), uniform(0.3, 1.3)};
    b.minRebarRule = static_cast<std::int16_t>(pick(0, 2));
    b.mainBarGrade = static_cast<std::int16_t>(pick(0, 3));
    b.stirrupGrade = static_cast<std::int16_t>(pick(0, 1));
    const auto mains = BarSizesFor(BarList::MainBars, b.mainBarGrade);
    b.mainBarSize = mains[static_cast<std::size_t>(pick(0, static_cast<int>(mains.size()) - 1))];
    b.stirrupSize = pick(0, 1) ? "D10" : "D13";
    b.assemblyMethod = static_cast<std::int16_t>(pick(0, 4));
    b.maxStirrupPitch = static_cast<std::int16_t>(pick(4, 12) * 25);
    b.compressionBarRatio = uniform(0.0, 1.0);
    b.maxBarLayers = static_cast<std::int16_t>(pick(1, 3));
    b.maxStirrupLegs = static_cast<std::int16_t>(pick(1, 4));
    b.concreteFc = static_cast<float>(pick(15, 36) * 10);
    b.shortTerm = static_cast<std::int16_t>(pick(0, 4) == 0);
    b.ignoreSelfWeight = static_cast<std::int16_t>(pick(0, 9) == 0);
    b.selfWeight = ComputeSelfWeight(b);
    b.momentPosition = b.spanLength / 2.0f;
    const double scale = profile == 0 ? 8.0 : profile == 2 ? 0.1 : 1.0;
    b.loadCount = static_cast<std::int16_t>(pick(1, 4));
    for (int k = 0; k < b.loadCount; ++k) {
        if (pick(0, 2) != 0) {
            b.loadType[k] = kLoadUniform;
            b.loadValue[k] = force * uniform(0.2, 2.0 * scale);
            b.loadHeight[k] = uniform(1.0, 4.0);
            b.loadLengths[k] = {0.0f, b.spanLength, 0.0f, 0.0f};
        } else {
            // Near a support it makes shear without much moment: bond decides there.
            b.loadType[k] = kLoadConcentrated;
            b.loadValue[k] = force * uniform(-1.0, 20.0 * scale);
            b.loadLengths[k] = {uniform(0.0, b.spanLength), 0.0f, 0.0f, 0.0f};
        }
    }
    return b;
}

inline Project RandomProject(std::mt19937& rng, bool si, int beams) {
    Project project = MakeEmptyProject();
    project.settings.SetUnits(si, si);
    project.settings.beamCount = static_cast<std::int16_t>(beams);
    for (int slot = 1; slot <= beams; ++slot) project.Beam(slot) = RandomBeam(rng, si);
    return project;
}

}  // namespace zel::testing_beams
