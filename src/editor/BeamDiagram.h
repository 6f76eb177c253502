#pragma once
// The beam diagram of the main window as data: the DrawDiagramLine / DrawDiagramBox calls the
// widget paints, in metres of the beam with y pointing up (the canvas multiplies by 567).
#include <optional>
#include <string>
#include <vector>

#include "editor/LoadLine.h"

namespace zel {

// Colours of the classic 16-colour palette.
enum DiagramColour : int {
    kDiagramBlack = 0,
    kDiagramBlue = 9,
    kDiagramRed = 12,
    kDiagramWhite = 15,
};

struct DiagramCall {
    enum Kind { Line, Box };
    Kind kind = Line;
    // Line: (x1, y1)-(x2, y2). Box: centre (x1, y1), width x2, height y2.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int penStyle = 0;
    int penWidth = 1;
    int penColour = kDiagramBlack;
    int brushColour = kDiagramBlack;  // boxes only
    int fillCode = 0;                 // boxes only: 0 outline only, n >= 1 brush style n - 1

    bool operator==(const DiagramCall&) const = default;
};

// One load as the diagram needs it; `value` in t or kN (list values are divided by 1000).
struct DiagramLoad {
    int type = 0;
    double value = 0;
    double height = 0;
    double lengths[4] = {0, 0, 0, 0};
};

struct BeamDiagram {
    double span = 0;
    int supportType = 0;
    double unit = 0;   // u = L / 29.7
    double x0 = 0;     // left end of the beam, 2u
    double width = 0;  // logical size of the canvas, 33.7u x 10u
    double height = 0;
    std::vector<DiagramCall> calls;
};

// Scale, beam and supports for a span; nullopt when the span is not positive (the canvas is
// then left as it was).
std::optional<BeamDiagram> DrawBeam(double span, int supportType);

// Appends the calls of one load in its colour: red when highlighted, else black, blue for a
// negative value. Unknown types draw nothing.
void DrawLoad(BeamDiagram& diagram, const DiagramLoad& load, bool highlighted);

// Drawn height and arrowhead size of a load of w (t or kN) at unit u.
struct LoadHeight {
    double height = 0;
    double arrow = 0;
};
LoadHeight LoadHeightOf(double w, double unit);

// A load from a list line (value in kg or N) and from a record's load slot (t or kN).
DiagramLoad DiagramLoadFromLine(const std::string& line);
DiagramLoad DiagramLoadFromValues(const LoadLineValues& load, bool valueInThousands);

// The whole diagram: beam, supports and every list line; the highlighted line is drawn last in
// red so that it shows above the others.
std::optional<BeamDiagram> DrawBeamWithLoads(double span, int supportType,
                                             const std::vector<std::string>& lines,
                                             int highlighted);

}  // namespace zel
