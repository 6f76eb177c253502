#include "data/Project.h"

#include <algorithm>
#include <utility>

namespace zel {

int Project::BeamCount() const {
    return std::clamp<int>(settings.beamCount, 0, kMaxBeams);
}

bool Project::DeleteSlot(int slot) {
    const int count = BeamCount();
    if (slot < 1 || slot > count) return false;
    // The placement flags travel with their beam so that no beam shows another's outcome.
    for (int i = slot; i < count; ++i) {
        beams[i - 1] = beams[i];
        placement[i - 1] = placement[i];
    }
    // The former last slot keeps its data (it is still written to the file) but no loads.
    beams[count - 1].loadCount = 0;
    settings.beamCount = static_cast<std::int16_t>(count - 1);
    return true;
}

bool Project::SwapSlots(int a, int b) {
    if (a < 1 || a > kMaxBeams || b < 1 || b > kMaxBeams) return false;
    std::swap(beams[a - 1], beams[b - 1]);
    std::swap(placement[a - 1], placement[b - 1]);
    return true;
}

Project MakeEmptyProject() {
    return Project{};
}

}  // namespace zel
