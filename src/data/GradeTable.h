#pragma once
// F values of the four steel grades, read from "鉄筋Ｆ値.TBL" in the program folder.
#include <array>
#include <string>
#include <string_view>

#include "data/ProjectLimits.h"

namespace zel {

inline constexpr const char* kGradeTableFileName = "鉄筋Ｆ値.TBL";

struct GradeTable {
    // values[g] belongs to grade code g (0 SD295, 1 SD345, 2 SR235, 3 SR295), t/cm2.
    std::array<float, kGradeCount> values{};

    // F value of a grade code; codes outside 0..3 give 0.
    float ValueOf(int gradeCode) const {
        return gradeCode >= 0 && gradeCode < kGradeCount ? values[gradeCode] : 0.0f;
    }
};

struct GradeTableReadResult {
    bool ok = false;
    GradeTable table;
    std::string error;  // names the file when !ok
};

// Parses the table text (Shift-JIS): "*" lines are comments, every other non-blank line is
// "name,value" with the value in kg/cm2, stored as value / 1000. The first four entries are
// used; fewer than four is an error.
GradeTableReadResult ParseGradeTable(std::string_view sjisText, std::string_view fileName);

// Reads the table from a file (normally JoinPath(programFolder, kGradeTableFileName)).
GradeTableReadResult ReadGradeTable(const std::string& path);

}  // namespace zel
