#include "output/Drawing.h"

#include "lib/ShiftJis.h"

namespace zel {

double EstimatedTextWidth(const std::string& text, double height) {
    // Display width counts a full-width character 2, a half-width one 1.
    return DisplayWidth(text) * height / 2.0;
}

}  // namespace zel
