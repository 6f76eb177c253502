#pragma once
// Real-to-integer conversions as the calculation and the files need them: halves go to the
// even neighbour, and values that do not fit never become undefined behaviour.
#include <cmath>
#include <cstdint>
#include <limits>

namespace zel {

// Nearest integer as a double, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Inline: the section design rounds in its inner loops.
inline double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace detail {
template <typename T>
inline T Saturate(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    if (value <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    return static_cast<T>(value);
}
}  // namespace detail

// Halves to even, then saturated to the int range; NaN gives 0.
inline int RoundToInt(double value) { return detail::Saturate<int>(RoundHalfEven(value)); }

// Halves to even, then saturated to a 16-bit Integer as stored in the files; NaN gives 0.
inline std::int16_t RoundToInt16(double value) {
    return detail::Saturate<std::int16_t>(RoundHalfEven(value));
}

// Integer conversion of a value already known to be whole or truncated on purpose; saturates.
inline int SaturatingTrunc(double value) { return detail::Saturate<int>(std::trunc(value)); }

// Round a double to the nearest Single, as the stored fields hold it.
inline float ToSingle(double value) { return static_cast<float>(value); }

}  // namespace zel
