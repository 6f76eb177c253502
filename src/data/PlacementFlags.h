#pragma once
// Bar placement outcome of one beam, kept across calculations (not saved).
#include <array>
#include <cstdint>

namespace zel {

struct PlacementFlags {
    std::array<std::int16_t, 3> placementFailed{};  // section 1..3 (left end, centre, right end)
    std::array<std::int16_t, 3> reserved{};         // always 0
    std::int16_t anyPlacementFailed = 0;

    bool operator==(const PlacementFlags&) const = default;
};

}  // namespace zel
