#include "output/SheetPrimitives.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "lib/Twips.h"

namespace zel {

namespace {

// A page position in twips: cm from the margin. Damaged values can put a point near the
// limit of the type, where adding the margin would overflow; such points are off the page anyway.
std::int32_t PagePosition(float cm, std::int32_t margin) {
    const std::int64_t twips = static_cast<std::int64_t>(CmToTwips(cm)) + margin;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(twips, INT32_MIN, INT32_MAX));
}

}  // namespace

void DrawSheetLine(PageCanvas& canvas, float x1, float y1, float x2, float y2,
                   std::int16_t penStyle, std::int16_t penWidth, std::uint32_t penColor) {
    const std::int32_t ax = PagePosition(x1, canvas.MarginLeft());
    const std::int32_t ay = PagePosition(y1, canvas.MarginTop());
    const std::int32_t bx = PagePosition(x2, canvas.MarginLeft());
    const std::int32_t by = PagePosition(y2, canvas.MarginTop());
    const std::int16_t oldWidth = canvas.PenWidth();
    const std::int16_t oldStyle = canvas.PenStyle();
    const std::uint32_t oldColor = canvas.PenColor();
    canvas.SetPenStyle(penStyle);
    canvas.SetPenWidth(penWidth);
    canvas.SetPenColor(penColor);
    canvas.DrawLine(ax, ay, bx, by);
    canvas.SetPenColor(oldColor);
    canvas.SetPenWidth(oldWidth);
    canvas.SetPenStyle(oldStyle);
}

std::vector<SheetPoint> ClipToArea(const std::vector<SheetPoint>& points, const SheetArea& area) {
    for (const SheetPoint& p : points) {
        if (!std::isfinite(p[0]) || !std::isfinite(p[1])) return {};
    }
    // One edge of the area after the other; the arithmetic in double keeps huge values exact
    // enough to land on the edge.
    struct Edge {
        int axis;      // 0 x, 1 y
        double limit;  // the edge's coordinate
        bool keepBelow;
    };
    const Edge edges[4] = {
        {0, area.left, false}, {0, area.right, true}, {1, area.top, false}, {1, area.bottom, true}};
    std::vector<std::array<double, 2>> poly;
    for (const SheetPoint& p : points) poly.push_back({p[0], p[1]});
    for (const Edge& edge : edges) {
        if (poly.empty()) break;
        auto inside = [&](const std::array<double, 2>& p) {
            return edge.keepBelow ? p[edge.axis] <= edge.limit : p[edge.axis] >= edge.limit;
        };
        std::vector<std::array<double, 2>> out;
        for (std::size_t i = 0; i < poly.size(); ++i) {
            const auto& a = poly[i];
            const auto& b = poly[(i + 1) % poly.size()];
            const bool aIn = inside(a);
            const bool bIn = inside(b);
            if (aIn) out.push_back(a);
            if (aIn != bIn) {
                const double t = (edge.limit - a[edge.axis]) / (b[edge.axis] - a[edge.axis]);
                std::array<double, 2> cut{a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])};
                cut[edge.axis] = edge.limit;
                out.push_back(cut);
            }
        }
        poly = std::move(out);
    }
    std::vector<SheetPoint> clipped;
    clipped.reserve(poly.size());
    for (const auto& p : poly)
        clipped.push_back({static_cast<float>(p[0]), static_cast<float>(p[1])});
    return clipped;
}

bool ClipToArea(float& x1, float& y1, float& x2, float& y2, const SheetArea& area) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    // Liang-Barsky in double.
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {static_cast<double>(x1) - area.left, area.right - static_cast<double>(x1),
                         static_cast<double>(y1) - area.top, area.bottom - static_cast<double>(y1)};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    const double bx = x1 + t1 * dx, by = y1 + t1 * dy;
    x1 = static_cast<float>(ax);
    y1 = static_cast<float>(ay);
    x2 = static_cast<float>(bx);
    y2 = static_cast<float>(by);
    return true;
}

std::string SheetPolygonText(const PageCanvas& canvas, const std::vector<SheetPoint>& points,
                             int count) {
    const int n = std::clamp(count, 0, static_cast<int>(points.size()));
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += std::to_string(PagePosition(points[i][0], canvas.MarginLeft()));
        text += ' ';
        text += std::to_string(PagePosition(points[i][1], canvas.MarginTop()));
        text += ' ';
    }
    return text;
}

void DrawSheetPolygon(PageCanvas& canvas, const std::vector<SheetPoint>& points, int count,
                      std::int16_t penStyle, std::int16_t penWidth, std::uint32_t penColor,
                      std::uint32_t brushColor, std::int16_t fillCode) {
    const std::int16_t oldWidth = canvas.PenWidth();
    const std::int16_t oldStyle = canvas.PenStyle();
    const std::int16_t oldBrushStyle = canvas.BrushStyle();
    const std::uint32_t oldBrushColor = canvas.BrushColor();
    canvas.SetPenStyle(penStyle);
    canvas.SetPenWidth(penWidth);
    canvas.SetPenColor(penColor);
    if (fillCode == kFillNone) {
        canvas.SetBrushStyle(kBrushTransparent);
    } else {
        canvas.SetBrushStyle(static_cast<std::int16_t>(fillCode - 1));
        canvas.SetBrushColor(brushColor);
    }
    canvas.SetPolygon(SheetPolygonText(canvas, points, count));
    canvas.SetPenWidth(oldWidth);
    canvas.SetPenStyle(oldStyle);
    canvas.SetBrushStyle(oldBrushStyle);
    canvas.SetBrushColor(oldBrushColor);
}

void BeginSheetPage(PageCanvas& canvas) {
    canvas.NewPage();
}

std::int16_t PaperSizeForCode(std::int16_t paperCode) {
    switch (paperCode) {
        case 0:
        case 1:
        case 12:
        case 13:
            return kPaperUser;
        case 2:
            return kPaperA2;
        case 3:
            return kPaperA3;
        case 4:
            return kPaperA4;
        case 5:
            return kPaperA5;
        case 14:
            return kPaperB4;
        case 15:
            return kPaperB5;
        default:
            return kPaperNone;
    }
}

namespace {

// Printable width and height (cm); a landscape sheet counts half its width.
void PrintableArea(const PageCanvas& canvas, bool halfWidth, float& width, float& height) {
    const float pageWidth = halfWidth ? static_cast<float>(canvas.PageWidth()) / 2.0f
                                      : static_cast<float>(canvas.PageWidth());
    width = pageWidth / 567.0f -
            static_cast<float>(canvas.MarginLeft() + canvas.MarginRight()) / 567.0f;
    height = static_cast<float>(canvas.PageHeight()) / 567.0f -
             static_cast<float>(canvas.MarginTop() + canvas.MarginBottom()) / 567.0f;
}

}  // namespace

void ApplyPaperSetup(PageCanvas& canvas, SheetLayout& layout, std::int16_t paperCode,
                     std::int16_t orientation) {
    const bool wasLandscape = canvas.Orientation() == 1;
    float w0 = 0.0f, h0 = 0.0f;
    PrintableArea(canvas, wasLandscape, w0, h0);

    canvas.SetFontSize(layout.PrintFontSize);
    canvas.SetPaperSize(PaperSizeForCode(paperCode));
    canvas.SetOrientation(orientation);
    canvas.SetPhysicalPage(true);

    float w1 = 0.0f, h1 = 0.0f;
    PrintableArea(canvas, wasLandscape, w1, h1);
    layout.PrintableWidthCm = w1;
    layout.PrintableHeightCm = h1;

    // Keep the page's size on screen; a degenerate width leaves the zoom alone rather than
    // dividing by zero.
    if (w0 > 0.0f && w1 > 0.0f) canvas.SetZoom(canvas.Zoom() / (w1 / w0));
}

void MeasureTextCell(PageCanvas& canvas, SheetLayout& layout) {
    canvas.SetMeasure("A");
    layout.CharWidthCm = static_cast<float>(canvas.TextWid()) / 567.0f;
    layout.LineHeightCm = 1.3f * static_cast<float>(canvas.TextHei()) / 567.0f;
}

}  // namespace zel
