#pragma once
// Storing a double into a Single field. Values beyond the Single range become infinities
// explicitly (the caller's finiteness checks then report the beam), never a conversion the
// language leaves undefined.
#include <cmath>
#include <limits>

namespace zel {

inline float Single(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    // One comparison on the common path (NaN fails it and converts as NaN below).
    if (!(std::fabs(value) > kMax)) return static_cast<float>(value);
    return value > 0.0 ? std::numeric_limits<float>::infinity()
                       : -std::numeric_limits<float>::infinity();
}

}  // namespace zel
