#include "editor/BeamDiagram.h"

#include <cmath>

#include "data/ProjectLimits.h"
#include "lib/Rounding.h"

namespace zel {

namespace {

constexpr double kSpanUnits = 29.7;
constexpr double kLeftOffset = 2;
constexpr int kFillDownwardDiagonal = 6;

DiagramCall Line(double x1, double y1, double x2, double y2, int width, int colour) {
    DiagramCall call;
    call.kind = DiagramCall::Line;
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.penWidth = width;
    call.penColour = colour;
    return call;
}

DiagramCall Box(double cx, double cy, double w, double h, int width, int pen, int brush, int fill) {
    DiagramCall call;
    call.kind = DiagramCall::Box;
    call.x1 = cx;
    call.y1 = cy;
    call.x2 = w;
    call.y2 = h;
    call.penWidth = width;
    call.penColour = pen;
    call.brushColour = brush;
    call.fillCode = fill;
    return call;
}

}  // namespace

std::optional<BeamDiagram> DrawBeam(double span, int supportType) {
    if (!(span > 0) || !std::isfinite(span)) return std::nullopt;
    BeamDiagram d;
    d.span = span;
    d.supportType = supportType;
    // The scale is single precision, as the canvas keeps it.
    const float u = static_cast<float>(span) / static_cast<float>(kSpanUnits);
    d.unit = u;
    d.x0 = kLeftOffset * d.unit;
    d.width = (kSpanUnits + 4) * d.unit;
    d.height = 10 * d.unit;
    const double x0 = d.x0;
    const double L = span;
    const int pen = RoundToInt(110 * d.unit);
    d.calls.push_back(
        Box(x0 + 0.1 * u + L / 2, 1.6 * u, L, 0.8 * u, pen, kDiagramBlack, kDiagramBlack, 0));
    if (supportType == 1) {
        d.calls.push_back(Box(x0 - u, 4 * u, 2 * u, 8 * u, pen, kDiagramWhite, kDiagramBlack,
                              kFillDownwardDiagonal));
        d.calls.push_back(Line(x0, 0, x0, 8 * u, pen, kDiagramBlack));
    } else {
        for (double x : {x0, x0 + L}) {
            d.calls.push_back(Line(x, 1.2 * u, x - 2 * u / 3, 0.2 * u, pen, kDiagramBlack));
            d.calls.push_back(
                Line(x - 2 * u / 3, 0.2 * u, x + 2 * u / 3, 0.2 * u, pen, kDiagramBlack));
            d.calls.push_back(Line(x + 2 * u / 3, 0.2 * u, x, 1.2 * u, pen, kDiagramBlack));
        }
    }
    return d;
}

LoadHeight LoadHeightOf(double w, double unit) {
    LoadHeight r{3 * unit * w, 0.8 * unit};
    if (r.height > 7.5 * unit) {
        r.height = 7.5 * unit;
    } else if (r.height > 0 && r.height < 0.9 * unit) {
        r.height = 0.9 * unit;
        r.arrow = 0.5 * unit;
    }
    return r;
}

void DrawLoad(BeamDiagram& d, const DiagramLoad& load, bool highlighted) {
    if (load.type < 1 || load.type > kLoadTypeCount) return;
    const double u = d.unit;
    const int colour = highlighted ? kDiagramRed : load.value < 0 ? kDiagramBlue : kDiagramBlack;
    const double w = load.type == 1 ? std::fabs(load.value) : load.height * std::fabs(load.value);
    const LoadHeight lh = LoadHeightOf(w, u);
    const int pen = RoundToInt(70 * u);
    const double xa = d.x0 + load.lengths[0];
    const double xb = xa + load.lengths[1];
    const double xc = xb + load.lengths[2];
    const double xd = xc + load.lengths[3];
    const double base = 2 * u;
    const double top = base + lh.height;
    const double e = lh.arrow;
    auto line = [&](double x1, double y1, double x2, double y2) {
        d.calls.push_back(Line(x1, y1, x2, y2, pen, colour));
    };
    switch (load.type) {
        case 1:
            line(xa, base, xa, top);
            if (load.value > 0) {
                line(xa, base, xa - e / 3, base + e);
                line(xa, base, xa + e / 3, base + e);
            } else {
                line(xa, top, xa - e / 3, top - e);
                line(xa, top, xa + e / 3, top - e);
            }
            break;
        case 2:
            line(xa, base, xb, top);
            line(xb, top, xb, base);
            break;
        case 3:
            line(xa, base, xa, top);
            line(xa, top, xb, base);
            break;
        case 4:
            line(xa, base, xa, top);
            line(xa, top, xb, top);
            line(xb, top, xb, base);
            break;
        case 5:
            line(xa, base, xb, top);
            line(xb, top, xc, top);
            line(xc, top, xd, base);
            break;
        case 6:
            line(xa, base, xa + load.lengths[1] / 2, top);
            line(xa + load.lengths[1] / 2, top, xa + load.lengths[1], base);
            break;
    }
}

DiagramLoad DiagramLoadFromValues(const LoadLineValues& load, bool valueInThousands) {
    DiagramLoad d;
    d.type = load.type;
    d.value = valueInThousands ? load.value / 1000 : load.value;
    d.height = load.height;
    for (int i = 0; i < 4; ++i) d.lengths[i] = load.lengths[i];
    return d;
}

DiagramLoad DiagramLoadFromLine(const std::string& line) {
    return DiagramLoadFromValues(ParseLoadLine(line), true);
}

std::optional<BeamDiagram> DrawBeamWithLoads(double span, int supportType,
                                             const std::vector<std::string>& lines,
                                             int highlighted) {
    std::optional<BeamDiagram> d = DrawBeam(span, supportType);
    if (!d) return d;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (static_cast<int>(k) != highlighted) DrawLoad(*d, DiagramLoadFromLine(lines[k]), false);
    }
    if (highlighted >= 0 && highlighted < static_cast<int>(lines.size())) {
        DrawLoad(*d, DiagramLoadFromLine(lines[highlighted]), true);
    }
    return d;
}

}  // namespace zel
