#pragma once
// The beams of a project as CSV, one row per beam, for spreadsheets: every field of the beam
// record (RecordFields.h) in the project's input units, the loads as repeated column groups,
// under a header row of Japanese captions. A first row carries the project's settings.
// The result records are not in it: they are the calculation's, made again on import.
#include <string>
#include <string_view>
#include <vector>

#include "data/Project.h"

namespace zel {

// First cell of the project row.
inline constexpr const char* kBeamCsvMarker = "KAVO-Zel 梁データ";

// The CSV text (UTF-8, no byte-order mark, CRLF line ends). Reals are written with the fewest
// digits that read back to the same value; numbers that are not finite as "0x" and their
// little-endian bytes, as in JSON.
std::string ProjectToBeamCsv(const Project& project);

// Reads CSV bytes (UTF-8 with or without a byte-order mark, or Shift-JIS) into `project`,
// which should be reset: the settings of the project row (when there is one) and one beam per
// row, the beam count set to their number. Every value is checked as CheckProjectLimits does,
// unless `checkLimits` is false (to rebuild a damaged file as exported). Returns "" or the
// first fault with its row and column: "3行目 スパン長: 数値ではありません".
std::string ProjectFromBeamCsv(std::string_view bytes, Project& project, bool checkLimits = true);

// The captions of the header row for a project's input units.
std::vector<std::string> BeamCsvHeader(bool inputSI);

}  // namespace zel
