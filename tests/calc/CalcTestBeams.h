#pragma once
// Beams and projects the calculation tests share.
#include "data/Project.h"

namespace zel::testing_beams {

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

inline Project ProjectOf(std::initializer_list<BeamRecord> beams, bool inputSI = false) {
    Project project = MakeEmptyProject();
    int slot = 1;
    for (const BeamRecord& beam : beams) project.Beam(slot++) = beam;
    project.settings.beamCount = static_cast<std::int16_t>(beams.size());
    project.settings.SetUnits(inputSI, false);
    return project;
}

}  // namespace zel::testing_beams
