#pragma once
// One cell of the beam section list: the section of one column of the calculation sheet with
// its bars placed where the calculation puts them, and the check view's texts.
#include <string>
#include <vector>

#include "calc/CalcResult.h"
#include "data/BeamRecord.h"
#include "data/PlacementFlags.h"

namespace zel {

// A main bar of a cell: its centre from the section's top-left corner and its radius (mm).
struct SectionBar {
    double x = 0.0, y = 0.0, radius = 0.0;
    bool top = false;
};

// One column of a beam as the list draws it.
struct SectionCell {
    std::string heading;                           // "左  端", as the check view heads the column
    std::string sizeText;                          // "300×600" (mm)
    std::string topText, bottomText, stirrupText;  // as the check view writes them
    std::string judgementText;                     // "設計不可" when failed, else empty
    // Why the section is not drawn (not calculated, no bar fits, too many bars...); empty
    // when it is drawn.
    std::string reason;

    double width = 0.0, depth = 0.0;  // B and D (mm)
    double stirrupInset = 0.0;        // from each face to the stirrup's centre line (mm)
    double barInset = 0.0;            // from each face to the first layer's bar centres (mm)
    double stirrupDiameter = 0.0;     // nominal (mm)
    int legs = 0;
    int assemblyMethod = 0;
    std::vector<SectionBar> bars;  // top face first, layer by layer from the face
};

// The cell of column 0..ColumnCount(beam)-1 of a calculated beam (result and flags of its
// calculation), with the counts of the combined-column rule. A cell whose section is larger
// than maxWidth × maxDepth (mm) is not drawn either.
SectionCell BuildSectionCell(const BeamRecord& beam, const CalcResult& result,
                             const PlacementFlags& flags, int column, double maxWidth,
                             double maxDepth);

}  // namespace zel
