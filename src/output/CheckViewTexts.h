#pragma once
// The texts of the result check view: per design section the bars of both faces, the
// stirrups and the judgement. The sheet body prints the same bar and stirrup texts.
#include <string>
#include <vector>

#include "calc/CalcResult.h"
#include "data/BeamRecord.h"
#include "data/PlacementFlags.h"

namespace zel {

// The values of one column of the view or the sheet: with 2 sections the end column stands
// for the left and right ends, with 1 section the one column for all three. Combined values
// take the larger count or flag and the smaller pitch, the moment and shear of the largest
// magnitude (the later section on a tie). What describes the moment (d, j, required area) is
// taken from the section whose moment is shown, the required perimeter from the one whose
// shear is shown, and the provided areas from the bars the column shows; everything else is
// the column's own section (`section`, 0-based).
struct ColumnValues {
    int section = 0;
    int topBars = 0;
    int bottomBars = 0;
    int stirrupPitch = 0;
    int placementFailed = 0;
    int momentSection = 0;  // 0-based section whose design moment the column shows
    int shearSection = 0;   // 0-based section whose design shear the column shows
    float moment = 0.0f;    // signed design moment shown (t·m)
    float shear = 0.0f;     // signed design shear shown (t)
    int tensionBars = 0;    // shown bars on the tension face of that moment
};

// Columns of a beam: as many as it has sections (1..3; other counts are read as the nearest).
int ColumnCount(const BeamRecord& beam);
// The design sections (0-based) a column stands for.
std::vector<int> ColumnSections(const BeamRecord& beam, int column);
ColumnValues CombinedColumn(const BeamRecord& beam, const CalcResult& result,
                            const PlacementFlags& flags, int column);

// "4-D22", "7-D22(2段)", "7-D22(NG) ", "**-D25" for the top or bottom face of a column.
std::string BarText(const BeamRecord& beam, const CalcResult& result, const ColumnValues& values,
                    bool top);
// "2-D10@200", with "(*)" when the section has one leg and two or more top bars.
std::string StirrupText(const BeamRecord& beam, const CalcResult& result,
                        const ColumnValues& values);
// "OK" or "設計不可", with the same "(*)".
std::string JudgementText(const CalcResult& result, const ColumnValues& values);
// The one-leg warning "(*)" applies to the column.
bool SingleLegWarning(const CalcResult& result, const ColumnValues& values);

struct CheckColumn {
    std::string heading;
    std::string topBars;
    std::string bottomBars;
    std::string stirrups;
    std::string judgement;
    bool failed = false;  // shown in light red, "OK" in light blue
};

struct CheckViewTexts {
    std::string caption;  // "[ G1 ] の断面チェック"
    std::vector<CheckColumn> columns;
    std::string error;  // why the beam could not be calculated, empty when it could
    // Beside each column's judgement: why it is "設計不可" (its worst section), "" when OK.
    std::vector<std::string> failures;
    // Under the table: per design section the deciding rules and the ratios (see WhyLines).
    std::vector<std::string> whyLines;
};

// Column headings of the view: "全断面" / "固定端", "端  部" "中  央", "左  端" "中  央" "右  端".
std::vector<std::string> CheckColumnHeadings(const BeamRecord& beam);

CheckViewTexts BuildCheckViewTexts(const BeamRecord& beam, const CalcResult& result,
                                   const PlacementFlags& flags);

}  // namespace zel
