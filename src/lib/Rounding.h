#pragma once
// Real-to-integer conversions as the calculation and the files need them: halves go to the
// even neighbour, and values that do not fit never become undefined behaviour.
#include <cstdint>

namespace zel {

// Nearest integer as a double, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// Halves to even, then saturated to the int range; NaN gives 0.
int RoundToInt(double value);

// Halves to even, then saturated to a 16-bit Integer as stored in the files; NaN gives 0.
std::int16_t RoundToInt16(double value);

// Integer conversion of a value already known to be whole or truncated on purpose; saturates.
int SaturatingTrunc(double value);

// Round a double to the nearest Single, as the stored fields hold it.
inline float ToSingle(double value) { return static_cast<float>(value); }

}  // namespace zel
