#pragma once
// Drawing on the sheet in centimetres from the top-left corner of the printable area, and the
// page geometry the sheet is composed against.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "output/PageCanvas.h"

namespace zel {

// Page geometry and text cell of the sheet being composed.
struct SheetLayout {
    float PrintableWidthCm = 0.0f;
    float PrintableHeightCm = 0.0f;
    float CharWidthCm = 0.0f;
    float LineHeightCm = 0.0f;
    std::string PrintFontName = "ＭＳ 明朝";
    std::int16_t PrintFontSize = 10;
};

// Fill codes: 0 no fill, n >= 1 brush style n - 1 in the caller's colour.
enum FillCode : std::int16_t {
    kFillNone = 0,
    kFillSolid = 1,
    kFillVerticalLines = 4,
    kFillDownwardDiagonal = 6,
};

// One polygon point (cm).
using SheetPoint = std::array<float, 2>;

void DrawSheetLine(PageCanvas& canvas, float x1, float y1, float x2, float y2,
                   std::int16_t penStyle, std::int16_t penWidth, std::uint32_t penColor);

// Outlines points[0 .. count-1] (count is clamped to the list) and fills as the fill code says.
// Leaves pen style and width, brush style and colour as found; the pen colour stays at penColor.
void DrawSheetPolygon(PageCanvas& canvas, const std::vector<SheetPoint>& points, int count,
                      std::int16_t penStyle, std::int16_t penWidth, std::uint32_t penColor,
                      std::uint32_t brushColor, std::int16_t fillCode);

// An area of the page in cm: a drawing is clipped to its own area before it reaches the canvas,
// so that a damaged value can neither draw over its neighbours nor make a page of endless lines.
struct SheetArea {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
};

// The part of a polygon inside the area (empty when none is, or when a point is not finite).
std::vector<SheetPoint> ClipToArea(const std::vector<SheetPoint>& points, const SheetArea& area);

// Clips a line to the area; false when no part of it is inside or an end is not finite.
bool ClipToArea(float& x1, float& y1, float& x2, float& y2, const SheetArea& area);

// The coordinate text DrawSheetPolygon hands to the canvas: "x y " per point, in twips.
std::string SheetPolygonText(const PageCanvas& canvas, const std::vector<SheetPoint>& points,
                             int count);

void BeginSheetPage(PageCanvas& canvas);

// Sets paper, orientation and font size and returns the printable area in the layout; the zoom is
// rescaled so that the page keeps its size on screen.
void ApplyPaperSetup(PageCanvas& canvas, SheetLayout& layout, std::int16_t paperCode,
                     std::int16_t orientation);

// Canvas paper size for a paper code of the print settings (0 when there is none).
std::int16_t PaperSizeForCode(std::int16_t paperCode);

// Measures "A" in the canvas's current font: CharWidthCm and LineHeightCm (1.3 lines).
void MeasureTextCell(PageCanvas& canvas, SheetLayout& layout);

}  // namespace zel
