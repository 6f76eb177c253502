#pragma once
// Beams and projects the tests share: one typical beam to vary, and random sound beams drawn
// from a seed.
#include <initializer_list>
#include <random>
#include <vector>

#include "data/Project.h"

namespace zel::test {

// A 6 m simple beam, B 30 / D 60 / cover 5, SD345 D22 with SD295 D10 stirrups, Fc 210,
// one uniform load of 1 t/m2 over a 3 m width along the whole span, self weight included.
inline BeamRecord TypicalBeam(const char* name = "G1") {
    BeamRecord beam;
    beam.memberName = name;
    beam.sectionWidth = {30.0f, 30.0f, 30.0f};
    beam.sectionDepth = {60.0f, 60.0f, 60.0f};
    beam.sectionCover = {5.0f, 5.0f, 5.0f};
    beam.spanLength = 6.0f;
    beam.minRebarRule = 0;
    beam.sectionCount = 1;
    beam.mainBarGrade = kSD345;
    beam.stirrupGrade = kSD295;
    beam.mainBarSize = "D22";
    beam.stirrupSize = "D10";
    beam.assemblyMethod = 0;
    beam.maxStirrupPitch = 200;
    beam.compressionBarRatio = 0.5f;
    beam.maxBarLayers = 2;
    beam.maxStirrupLegs = 2;
    beam.spanType = 0;
    beam.concreteFc = 210.0f;
    beam.selfWeight = 30.0 * 60.0 * 2.4 / 10000.0;
    beam.momentPosition = 3.0f;
    beam.loadCount = 1;
    beam.loadType[0] = kLoadUniform;
    beam.loadValue[0] = 1.0f;
    beam.loadLengths[0] = {0.0f, 6.0f, 0.0f, 0.0f};
    beam.loadHeight[0] = 3.0f;
    return beam;
}

// The beams in slots 1…, the count set, output in conventional units.
inline Project ProjectOf(const std::vector<BeamRecord>& beams, bool inputSI = false) {
    Project project = MakeEmptyProject();
    int slot = 1;
    for (const BeamRecord& beam : beams) project.Beam(slot++) = beam;
    project.settings.beamCount = static_cast<std::int16_t>(beams.size());
    project.settings.SetUnits(inputSI, false);
    return project;
}

// A sound beam of one or two sections, a simple beam or (one in six) a cantilever, with one
// to three uniform or point loads: every value within what the input area takes.
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

// `count` random sound beams named G1, G2, …
inline Project RandomProject(unsigned seed, int count) {
    std::mt19937 rng(seed);
    std::vector<BeamRecord> beams;
    for (int i = 1; i <= count; ++i) {
        beams.push_back(RandomBeam(rng));
        beams.back().memberName = "G" + std::to_string(i);
    }
    return ProjectOf(beams);
}

}  // namespace zel::test
