#include "lib/Rounding.h"

#include <cmath>
#include <limits>

namespace zel {

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {
template <typename T>
T Saturate(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    if (value <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    return static_cast<T>(value);
}
}  // namespace

int RoundToInt(double value) { return Saturate<int>(RoundHalfEven(value)); }

std::int16_t RoundToInt16(double value) { return Saturate<std::int16_t>(RoundHalfEven(value)); }

int SaturatingTrunc(double value) { return Saturate<int>(std::trunc(value)); }

}  // namespace zel
