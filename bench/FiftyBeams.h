#pragma once
// The project the benchmarks measure: the sample floor's printed beams repeated to the full 50
// slots, each named with its number (25 pages of calculation sheet).
#include <cstdlib>
#include <string>
#include <vector>

#include "data/ZelFile.h"
#include "output/SheetComposer.h"

namespace zel::bench {

inline Project FiftyBeams() {
    Project floor = MakeEmptyProject();
    if (!LoadZelFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel", floor).Ok())
        std::abort();
    std::vector<BeamRecord> printed;
    for (int slot : PrintedBeamSlots(floor)) printed.push_back(floor.Beam(slot));
    Project project = floor;
    for (int i = 0; i < kMaxBeams; ++i) {
        project.beams[i] = printed[static_cast<std::size_t>(i) % printed.size()];
        project.beams[i].memberName += " #" + std::to_string(i + 1);
    }
    project.settings.beamCount = kMaxBeams;
    return project;
}

}  // namespace zel::bench
