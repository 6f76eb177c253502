#pragma once
// Page coordinates: 1 cm = 567 twips exactly (not 1440 / 2.54).
#include <cstdint>

namespace zel {

constexpr int kTwipsPerCm = 567;

// cm (Single) -> twips, nearest integer with halves to even: 2.5 -> 1418, 0.5 -> 284.
std::int32_t CmToTwips(float cm);
// twips -> cm (Single).
float TwipsToCm(std::int32_t twips);

}  // namespace zel
