#pragma once
// Around each beam's sheet body: the page header and footer, the drawing of the beam with its
// supports and loads, and the table of the loads, in the right half of the half page.
#include <string>

#include "data/BeamRecord.h"
#include "data/PrintSettings.h"
#include "data/ProjectSettings.h"
#include "output/PageCanvas.h"
#include "output/SheetPrimitives.h"

namespace zel {

// Header of page p (1-based in the document) and its footer "|- n -".
void SetPageHeaderFooter(PageCanvas& canvas, const PrintSettings& print, int page);
// The footer text of a printed page number.
std::string PageNumberFooter(int printedPage);

// Beam line from x + 9 character widths, 5.5 cm long, 1.5 cm + a line below y; then the loads
// and the load table. Measures the text cell into the layout first.
void DrawBeamDiagram(PageCanvas& canvas, SheetLayout& layout, const BeamRecord& beam,
                     const ProjectSettings& settings, float x, float y);
void DrawLoadDiagram(PageCanvas& canvas, const BeamRecord& beam, float x0, float y0, float length,
                     float hmax);
void DrawLoadTable(PageCanvas& canvas, const SheetLayout& layout, const BeamRecord& beam,
                   const ProjectSettings& settings, float x0, float y0);

// Load value factor from the data's input units to the sheet's output units.
double LoadValueFactor(const ProjectSettings& settings);
// "#0.000" below 10, "#0.00" from 10 on (chosen on the unformatted value).
std::string LengthText(float value);
// The eight header cells of the load table as one header text.
std::string LoadTableHeader(bool outputSI);
// Body cells of load k (0-based).
std::vector<std::string> LoadTableRow(const BeamRecord& beam, int k, double factor);

inline constexpr const char* kLoadTableFormat = "+^300|+^600|+^650|+^550|+^550|+^550|+^550|+^550;";

}  // namespace zel
