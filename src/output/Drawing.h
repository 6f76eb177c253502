#pragma once
// A drawing as data: pages of polylines, circles and texts on named layers, in millimetres of
// the real object (1:1) from each page's top-left corner, y downwards. The paper shows it at
// 1:scale; a CAD file takes it as it is. Composed in src/output, written by the sheet exporter
// (through PaintDrawingPage) and by the DXF writer.
#include <string>
#include <vector>

namespace zel {

enum class DrawingLayer { Outline, Stirrup, Bar, Text, Frame };
inline constexpr int kDrawingLayerCount = 5;

struct DrawingPoint {
    double x = 0.0, y = 0.0;
};

struct DrawingPolyline {
    DrawingLayer layer = DrawingLayer::Frame;
    std::vector<DrawingPoint> points;
    bool closed = false;
    double width = 0.0;  // line width in mm of the object; 0 is a thin line
};

struct DrawingCircle {
    DrawingLayer layer = DrawingLayer::Bar;
    DrawingPoint centre;
    double radius = 0.0;
    bool filled = true;
};

enum class DrawingAlign { Left, Centre, Right };

// A one-line text; `at` is the middle of its left end, centre or right end.
struct DrawingText {
    DrawingLayer layer = DrawingLayer::Text;
    DrawingPoint at;
    double height = 0.0;       // character height (one em) in mm of the object
    double widthFactor = 1.0;  // below 1 when a text is condensed to fit its place
    DrawingAlign align = DrawingAlign::Left;
    bool bold = false;
    std::string text;  // UTF-8
};

struct DrawingPage {
    std::vector<DrawingPolyline> polylines;
    std::vector<DrawingCircle> circles;
    std::vector<DrawingText> texts;
};

struct Drawing {
    int scale = 20;                          // the paper shows the drawing at 1:scale
    double paperWidth = 420.0;               // mm of paper
    double paperHeight = 297.0;              //
    std::string fontName = "ＭＳ ゴシック";  // the sheet font the texts are shown in
    std::vector<DrawingPage> pages;

    // Size of a page in mm of the object.
    double PageWidth() const { return paperWidth * scale; }
    double PageHeight() const { return paperHeight * scale; }
};

// Estimated width (mm) of a text of the given height in a fixed-pitch Japanese font: a
// half-width character half an em, a full-width one a whole em.
double EstimatedTextWidth(const std::string& text, double height);

}  // namespace zel
