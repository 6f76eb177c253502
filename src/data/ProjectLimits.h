#pragma once
// The values a project may hold, for the input area, the import and whatever else builds
// beams. The counts that size the records sit with them: kMaxBeams (Project.h), kMaxLoads and
// kSectionSlots (BeamRecord.h), kResultSlots (ResultRecord.h).
#include <string>

namespace zel {

struct Project;

// The longest span (m) the input area takes; no load reaches farther.
inline constexpr double kMaxSpan = 50.0;
// Load types 1..6 (LoadTypeCode).
inline constexpr int kLoadTypeCount = 6;
// Span types 0..6 of the approximate method.
inline constexpr int kSpanTypeCount = 7;
// Steel grades 0..3 (GradeCode).
inline constexpr int kGradeCount = 4;
// Stirrup assembly methods 0..4.
inline constexpr int kAssemblyMethodCount = 5;
// Minimum tension-bar rules 0..2.
inline constexpr int kMinRebarRuleCount = 3;

// Counts and codes out of range, and beam values the input area would refuse, make a damaged
// data file. Returns the first such value as "<field>: <fault>", the field named as in
// ProjectToJson ("beams[0].spanLength: -6.0 must be a number above 0 up to 50"), or "" when
// every value is in range. Beams above the count are only checked for what is written anyway.
std::string CheckProjectLimits(const Project& project);

}  // namespace zel
