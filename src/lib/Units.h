#pragma once
// Conversions between the conventional units (kgf, t) and SI units (N, kN).

namespace zel {

// 1 kgf = 9.80665 N: the one factor between the two unit systems.
inline constexpr double kStandardGravity = 9.80665;

}  // namespace zel
