#include "output/SheetPrimitives.h"

#include <algorithm>
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
