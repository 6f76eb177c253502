#pragma once
// Random but plausible beams for the property tests: sizes, bars, spans and loads an engineer
// might enter, so that most of them calculate and some fail the placement.
#include <random>
#include <vector>

#include "data/BeamRecord.h"

namespace zel::test {

inline BeamRecord RandomBeam(std::mt19937& rng) {
    auto uniform = [&](double lo, double hi) {
        return static_cast<float>(std::uniform_real_distribution<double>(lo, hi)(rng));
    };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static const char* const kBars[] = {"D16", "D19", "D22", "D25"};
    BeamRecord b;
    b.memberName = "G";
    b.sectionCount = static_cast<std::int16_t>(pick(1, 2));
    for (int s = 0; s < 3; ++s) {
        b.sectionWidth[s] = static_cast<float>(pick(5, 12) * 5);
        b.sectionDepth[s] = static_cast<float>(pick(9, 20) * 5);
        b.sectionCover[s] = 5.0f;
    }
    b.supportType = static_cast<std::int16_t>(pick(0, 5) == 0 ? 1 : 0);
    b.spanLength = b.supportType == 1 ? uniform(1.0, 3.0) : uniform(3.0, 10.0);
    b.spanType = static_cast<std::int16_t>(std::vector<int>{0, 1, 2, 3, 5, 6}[pick(0, 5)]);
    b.minRebarRule = static_cast<std::int16_t>(pick(0, 2));
    b.mainBarGrade = static_cast<std::int16_t>(pick(0, 1));
    b.stirrupGrade = 0;
    b.mainBarSize = kBars[pick(0, 3)];
    b.stirrupSize = pick(0, 1) ? "D10" : "D13";
    b.maxStirrupPitch = static_cast<std::int16_t>(pick(4, 10) * 25);
    b.compressionBarRatio = uniform(0.0, 1.0);
    b.maxBarLayers = static_cast<std::int16_t>(pick(1, 3));
    b.maxStirrupLegs = static_cast<std::int16_t>(pick(2, 4));
    b.concreteFc = static_cast<float>(pick(18, 30) * 10);
    b.selfWeight = ComputeSelfWeight(b);
    b.momentPosition = b.spanLength / 2.0f;
    b.loadCount = static_cast<std::int16_t>(pick(1, 3));
    for (int k = 0; k < b.loadCount; ++k) {
        if (pick(0, 1) == 0) {
            b.loadType[k] = kLoadUniform;
            b.loadValue[k] = uniform(0.3, 3.0);
            b.loadHeight[k] = uniform(1.0, 4.0);
            b.loadLengths[k] = {0.0f, b.spanLength, 0.0f, 0.0f};
        } else {
            b.loadType[k] = kLoadConcentrated;
            b.loadValue[k] = uniform(-2.0, 15.0);
            b.loadLengths[k] = {uniform(0.0, b.spanLength), 0.0f, 0.0f, 0.0f};
        }
    }
    return b;
}

}  // namespace zel::test
