#pragma once
// The display line of one load in the load list, and reading it back.
//
// Columns: type (1), load (9), height (8; blanks for type 1), then the lengths the type has
// (7 each): L1 for type 1, L1 L2 for types 2, 3, 4, 6, L1..L4 for type 5.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct BeamRecord;

// One load as the list line carries it; `value` is in the displayed unit (kg, kg/m2, N, N/m2).
struct LoadLineValues {
    int type = 0;
    double value = 0;
    double height = 0;
    std::array<double, 4> lengths{};
};

// Number of lengths a load type carries on its line (0 for an unknown type).
int LengthCountOf(int loadType);

// The line built from the texts of a load page (fields 0..5 in page order).
std::string BuildLoadLine(int loadType, const std::array<std::string, 6>& fieldTexts);

// The line built from stored values; lengths of 10 and more get three decimals here.
std::string RecordLoadLine(const LoadLineValues& load);
// The same for load slot `slot` (1-based) of a record; the record's value is shown × 1000.
std::string RecordLoadLine(const BeamRecord& record, int slot);

// Reads a line back; values the line does not have count as 0. The type is the first number
// rounded to an integer.
LoadLineValues ParseLoadLine(std::string_view line);

// Sum of the lengths of a parsed line along the beam.
double LoadReach(const LoadLineValues& load);

// True when the lengths reach beyond the span by more than 0.000001.
bool ReachesBeyond(double span, double reach);

// First line (1-based) whose lengths reach beyond the span; nullopt when none does.
std::optional<int> FindLoadBeyondSpan(const std::vector<std::string>& lines, double span);

}  // namespace zel
