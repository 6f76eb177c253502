#include "editor/InputField.h"

#include <algorithm>

#include "lib/Text.h"

namespace zel {

int MaxChars(Field f) {
    switch (f) {
        case Field::MemberName:
            return 18;
        case Field::Span:
        case Field::MomentPosition:
            return 6;
        case Field::Breadth1:
        case Field::Breadth2:
        case Field::Breadth3:
        case Field::Depth1:
        case Field::Depth2:
        case Field::Depth3:
        case Field::Cover1:
        case Field::Cover2:
        case Field::Cover3:
            return 5;
        case Field::Fc:
            return 3;
        case Field::CompressionRatio:
            return 4;
        case Field::BarLayers:
        case Field::StirrupLegs:
            return 1;
        case Field::StirrupPitch:
            return 3;
        case Field::Load0:
            return 7;
        default:
            return 6;  // lengths and heights of the load pages
    }
}

int LastLoadField(int loadType) {
    if (loadType == 1) return 1;
    if (loadType == 5) return 5;
    return 3;
}

std::string TrimFieldText(std::string_view text) {
    return std::string(TrimBlanks(text));
}

std::string LimitChars(std::string_view text, int maxChars) {
    size_t pos = 0;
    for (int count = 0; pos < text.size() && count < maxChars; ++count) {
        unsigned char c = static_cast<unsigned char>(text[pos]);
        size_t len = c < 0x80           ? 1
                     : (c >> 5) == 0x6  ? 2
                     : (c >> 4) == 0xE  ? 3
                     : (c >> 3) == 0x1E ? 4
                                        : 1;
        pos += len;
    }
    return std::string(text.substr(0, std::min(pos, text.size())));
}

}  // namespace zel
