#pragma once
// The body of one beam's calculation sheet: a table of 35 rows, captions on the left and the
// values of the design sections in up to three columns.
#include <array>
#include <string>
#include <vector>

#include "calc/CalcResult.h"
#include "data/BeamRecord.h"
#include "data/BeamTexts.h"
#include "data/PlacementFlags.h"
#include "data/ProjectSettings.h"
#include "output/PageCanvas.h"
#include "output/SheetPrimitives.h"

namespace zel {

inline constexpr const char* kSheetBodyFormat = "+<1340|+^1220|+^1220|+^1220;";
inline constexpr int kSheetBodyRows = 35;
// The body's text is a point smaller than the sheet font, so that two beams with six notes
// still fit on one page.
inline constexpr std::int16_t kSheetBodyFontSize = 9;

struct SheetBodyRow {
    std::string caption;
    std::array<std::string, 3> cells;
    bool spansColumns = false;  // the first value cell covers all three value columns
};

// Everything the body shows for a beam, as text. `result` must be the beam's calculation.
std::vector<SheetBodyRow> SheetBodyRows(const BeamRecord& beam, const CalcResult& result,
                                        const PlacementFlags& flags,
                                        const ProjectSettings& settings);

// Draws the body table at the left margin, its top y cm below the top of the printable area.
void DrawSheetBody(PageCanvas& canvas, const BeamRecord& beam, const CalcResult& result,
                   const PlacementFlags& flags, const ProjectSettings& settings, float y);

// Helpers shared with the tests and the other views.
// Section names of the sheet: "全断面" / "固定端", "端部" "中央", "左端" "中央" "右端".
std::vector<std::string> SheetColumnHeadings(const BeamRecord& beam);
// Value of rows 9, 10, 11, 14 and 15: "#0.000", held to ±1e11 (±1e9 in SI output).
std::string LimitedValueText(double value, bool outputSI);
// Fc as the notes print it, in the input units: "210", "21".
std::string SheetFcText(const BeamRecord& beam, const ProjectSettings& settings);
// Name of a span type in the notes ("ﾕｰｻﾞｰ設定" for type 4).
std::string SpanTypeNoteName(int spanType);

}  // namespace zel
