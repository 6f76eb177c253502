#pragma once
// Bar sizes that may be chosen and the geometry of each size.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// Which drop-down list a bar name belongs to.
enum class BarList { MainBars, Stirrups };

// Grade codes 0 and 1 are deformed bars, 2 and 3 round bars (every code below 2 counts as
// deformed).
inline bool IsDeformedGrade(int gradeCode) {
    return gradeCode < 2;
}

// The ordered names of one list for a grade code.
std::vector<std::string> BarSizesFor(BarList list, int gradeCode);

// One row of the bar table: nominal diameter d and outer diameter (cm).
struct BarSizeRow {
    std::string_view name;
    float d;      // cm
    float outer;  // cm, used for cover and spacing
};

// Every known bar name (main bars and stirrups, deformed and round).
std::span<const BarSizeRow> BarSizeTable();

// Result of a lookup (cm2, cm, cm). A name not in the table gives all zeros.
struct BarData {
    float area = 0.0f;       // π·(d/2)²
    float perimeter = 0.0f;  // ψ = π·d rounded to a whole number (ties to even)
    float outer = 0.0f;      // outer diameter
    bool known = false;      // the trimmed name is in the table
};

// Looks up a bar name (blanks around it are ignored).
BarData LookupBar(std::string_view name);

// The diameter number (mm) a bar name stands for: the digits after "D" for deformed grades,
// the digits before "φ" for round ones; a stirrup name of more than three characters (the
// two-size stirrups) counts as 13. Unreadable names give 0.
int BarDiameterNumber(std::string_view name, int gradeCode, BarList list);

// Name without the blanks around it.
std::string_view TrimBlanks(std::string_view text);

}  // namespace zel
