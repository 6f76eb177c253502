#pragma once
// Storing a double into a Single field. Values beyond the Single range become infinities
// explicitly (the caller's finiteness checks then report the beam), never a conversion the
// language leaves undefined.
#include <cmath>
#include <limits>

namespace zel {

inline float Single(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax) return std::numeric_limits<float>::infinity();
    if (value < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

}  // namespace zel
