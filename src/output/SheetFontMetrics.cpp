#include "output/SheetFontMetrics.h"

#include "lib/ShiftJis.h"

namespace zel {

std::int32_t FixedFontMetrics::TextWidth(const SheetFont& font, std::string_view text) const {
    // DisplayWidth counts half-width characters 1 and full-width 2: one unit is half an em.
    return static_cast<std::int32_t>(DisplayWidth(text)) * font.points * 10;
}

std::int32_t FixedFontMetrics::LineHeight(const SheetFont& font) const {
    return static_cast<std::int32_t>(font.points) * 20;
}

}  // namespace zel
