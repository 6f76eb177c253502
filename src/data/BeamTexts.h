#pragma once
// Names of the codes a beam record holds, as the input area lists them and the sheet prints them.
#include "data/ProjectLimits.h"

namespace zel {

// Steel grade codes 0..3.
inline constexpr const char* kGradeNames[kGradeCount] = {"SD295", "SD345", "SR235", "SR295"};
// The grade's name; empty for codes outside 0..3.
const char* GradeName(int gradeCode);

// Stirrup assembly methods 0..4: the short name the sheet prints ("交互ﾌｯｸ先曲げ" ...) and the
// entry of the input area's list ("交互フック・フック先曲げ" ...). Both are empty for other codes.
const char* AssemblyMethodName(int method);
const char* AssemblyMethodCaption(int method);

}  // namespace zel
