#include "lib/Twips.h"

#include "lib/Rounding.h"

namespace zel {

std::int32_t CmToTwips(float cm) {
    // The product in double, so 2.5 cm is exactly 1417.5 and goes to the even 1418.
    return RoundToInt(static_cast<double>(cm) * kTwipsPerCm);
}

float TwipsToCm(std::int32_t twips) { return static_cast<float>(static_cast<double>(twips) / kTwipsPerCm); }

}  // namespace zel
