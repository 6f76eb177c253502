#pragma once
// Number reading and writing shared by the input area, the load list, the sheet and the files.
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// Value of the number at the start of a text ("12abc" -> 12, "abc" -> 0, " -3.5" -> -3.5).
double LeadingValue(std::string_view text);

// All numbers of a text, with the repeat-group "3(1 2)" and exponent "2.5E3" notations.
// Each number is rounded to single precision as it is read.
std::vector<float> ParseNumberList(std::string_view text);

// Fixed decimals, no separators, halves to even on the decimal value: the formats
// "#0" (0), "#0.0" (1) ... "#0.0000" (4).
std::string FormatFixed(double value, int decimals);
// The same, from the pattern text itself ("#0.00"); an unknown pattern uses no decimals.
std::string FormatNumber(double value, std::string_view pattern);

// Shortest text that reads back as the same Single: 0 -> "0", 2.5 -> "2.5", 0.1f -> "0.1".
std::string FormatGeneral(float value);

}  // namespace zel
