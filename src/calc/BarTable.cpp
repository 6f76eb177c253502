#include "calc/BarTable.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/Single.h"
#include "lib/Numbers.h"
#include "lib/Rounding.h"
#include "lib/Text.h"

namespace zel {

namespace {

constexpr std::array<BarSizeRow, 21> kBarRows{{
    {"D10", 0.953f, 1.1f}, {"D10D13", 1.1115f, 1.4f}, {"D13", 1.27f, 1.4f}, {"D16", 1.59f, 1.8f},
    {"D19", 1.91f, 2.1f},  {"D22", 2.22f, 2.5f},      {"D25", 2.54f, 2.8f}, {"D29", 2.86f, 3.3f},
    {"D32", 3.18f, 3.6f},  {"D35", 3.49f, 4.0f},      {"D38", 3.81f, 4.3f}, {"D41", 4.13f, 4.6f},
    {"9φ", 0.9f, 0.9f},    {"9φ13φ", 1.1f, 1.3f},     {"13φ", 1.3f, 1.3f},  {"16φ", 1.6f, 1.6f},
    {"19φ", 1.9f, 1.9f},   {"22φ", 2.2f, 2.2f},       {"25φ", 2.5f, 2.5f},  {"28φ", 2.8f, 2.8f},
    {"32φ", 3.2f, 3.2f},
}};

// Number of characters (code points) of a UTF-8 text.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

// Byte length of the first character of a UTF-8 text.
std::size_t FirstCharacterLength(std::string_view text) {
    std::size_t length = text.empty() ? 0 : 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

// Byte offset where the last character of a UTF-8 text starts.
std::size_t LastCharacterStart(std::string_view text) {
    std::size_t start = text.size();
    while (start > 0) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) break;
    }
    return start;
}

}  // namespace

std::vector<std::string> BarSizesFor(BarList list, int gradeCode) {
    const bool deformed = IsDeformedGrade(gradeCode);
    if (list == BarList::MainBars) {
        if (deformed) {
            return {"D10", "D13", "D16", "D19", "D22", "D25", "D29", "D32", "D35", "D38", "D41"};
        }
        return {"13φ", "16φ", "19φ", "22φ", "25φ", "28φ", "32φ"};
    }
    if (deformed) return {"D10", "D10D13", "D13", "D16"};
    return {"9φ", "9φ13φ", "13φ", "16φ"};
}

std::span<const BarSizeRow> BarSizeTable() {
    return kBarRows;
}

BarData LookupBar(std::string_view name) {
    const float pi = Single(4.0 * std::atan(1.0));
    const std::string_view trimmed = TrimSpaces(name);
    BarData data;
    for (const BarSizeRow& row : kBarRows) {
        if (row.name != trimmed) continue;
        const double d = row.d;
        data.area = Single(pi * (d / 2.0) * (d / 2.0));
        data.perimeter = Single(RoundHalfEven(pi * d));
        data.outer = row.outer;
        data.known = true;
        break;
    }
    return data;
}

int BarDiameterNumber(std::string_view name, int gradeCode, BarList list) {
    const std::string_view trimmed = TrimSpaces(name);
    if (list == BarList::Stirrups && CharacterCount(trimmed) > 3) return 13;
    std::string_view digits;
    if (IsDeformedGrade(gradeCode)) {
        digits = trimmed.substr(FirstCharacterLength(trimmed));
    } else {
        digits = trimmed.substr(0, LastCharacterStart(trimmed));
    }
    // Table names hold two plain digits: read them directly, the general reader only for
    // anything else (it sits in the per-beam path of every calculation).
    if (!digits.empty() && digits.size() <= 4 &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int value = 0;
        for (char c : digits) value = value * 10 + (c - '0');
        return value;
    }
    return RoundToInt(LeadingValue(digits));
}

}  // namespace zel
