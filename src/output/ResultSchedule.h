#pragma once
// The result schedule (結果一覧表): one row per column of the calculation sheet, its texts
// taken from the sheet body itself so that the two never disagree, for spreadsheets.
#include <string>
#include <vector>

#include "data/Project.h"

namespace zel {

// How a writer stores a column's cells.
enum class ScheduleKind {
    kText,
    kFixed3,   // a number with the sheet's three decimals; "-----" stays a text
    kGeneral,  // a number as the sheet writes it (Fc)
};

struct ScheduleColumn {
    std::string header;  // with its unit: "M (t･m)"
    ScheduleKind kind = ScheduleKind::kText;
};

// Columns of the schedule, in order.
enum ScheduleField {
    kScheduleName,
    kSchedulePosition,
    kScheduleSize,
    kScheduleFc,
    kScheduleMainGrade,
    kScheduleStirrupGrade,
    kScheduleMoment,
    kScheduleShear,
    kScheduleRequiredArea,
    kScheduleTopBars,
    kScheduleBottomBars,
    kScheduleStirrups,
    kSchedulePt,
    kSchedulePw,
    kScheduleJudgement,
    kScheduleNote,  // "この梁は計算しない", or why a beam cannot be calculated
    kScheduleFieldCount
};

struct ScheduleRow {
    int slot = 0;                    // the beam's slot (1-based)
    std::vector<std::string> cells;  // kScheduleFieldCount texts
    bool failed = false;             // 判定 is "設計不可"
};

struct ResultSchedule {
    std::string title;  // the sheet title
    std::vector<ScheduleColumn> columns;
    std::vector<ScheduleRow> rows;
};

// The note of a beam marked not to be calculated.
inline constexpr const char* kScheduleSkippedNote = "この梁は計算しない";

// Calculates every beam 1..count as the sheet does (updating its placement flags and
// allowable stresses) and lists it: a row per sheet column, or one row saying why not.
ResultSchedule BuildResultSchedule(Project& project);

// The columns for a project's output units (M and Q) and input units (Fc).
std::vector<ScheduleColumn> ScheduleColumns(const ProjectSettings& settings);

}  // namespace zel
