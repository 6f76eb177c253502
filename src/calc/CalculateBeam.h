#pragma once
// The calculation of a beam from its record to its results, and of all beams before a save.
#include <vector>

#include "calc/CalcResult.h"
#include "data/Project.h"

namespace zel {

// Calculates beam slot 1..50 of the project with the project's input units. Writes the
// beam's allowable stresses (when they could be determined) and its placement flags; a beam
// that cannot be calculated gets every placement flag set and the reason in `error`.
CalcResult CalculateBeam(Project& project, int slot);

// Why a beam that the data file cut in the middle is not calculated.
inline constexpr const char* kCutByFileEndError =
    "データファイルがこの梁の途中で終わっているため、計算しません";

// For every beam slot 1..count not marked skipBeam: CalculateBeam, then FillResultRecord.
// Sets the result summary's count to the beam count. Returns the results in slot order.
std::vector<CalcResult> CalculateAll(Project& project);

// Builds result record `slot` from a beam's calculation result and its record: section
// labels, dimensions, the bars of each face split into two layers, and the stirrups.
void FillResultRecord(Project& project, int slot, const CalcResult& result);

// The section labels of a section count: "全断面" / "端部","中央" / "左端","中央","右端".
std::array<std::string, 3> SectionLabels(int sectionCount);

// Which record section (0..2) design section 0..2 takes its B, D and cover from.
int SourceSection(int sectionCount, int designSection);

}  // namespace zel
