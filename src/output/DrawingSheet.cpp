#include "output/DrawingSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace zel {
namespace {

constexpr double kTwipsPerMm = 1440.0 / 25.4;

// Thin lines by layer, twips: the concrete's outline stands out from the frames.
std::int16_t ThinPen(DrawingLayer layer) {
    return layer == DrawingLayer::Outline ? 12 : 6;
}

class Painter {
  public:
    Painter(PageCanvas& canvas, const Drawing& drawing)
        : canvas_(canvas), factor_(kTwipsPerMm / std::max(1, drawing.scale)) {}

    std::int32_t Twips(double objectMm) const {
        const double t = std::round(objectMm * factor_);
        return static_cast<std::int32_t>(std::clamp(t, -1e9, 1e9));
    }

    void Page(const DrawingPage& page, const Drawing& drawing) {
        canvas_.SetBrushStyle(kBrushTransparent);
        canvas_.SetPenColor(kColorBlack);
        canvas_.SetPenStyle(kPenSolid);
        for (const DrawingPolyline& line : page.polylines) {
            const std::int32_t width = line.width > 0.0 ? Twips(line.width) : ThinPen(line.layer);
            canvas_.SetPenWidth(static_cast<std::int16_t>(std::clamp(width, 1, 32767)));
            std::string points;
            for (const DrawingPoint& p : line.points) {
                points += std::to_string(Twips(p.x));
                points += ' ';
                points += std::to_string(Twips(p.y));
                points += ' ';
            }
            if (line.closed)
                canvas_.SetPolygon(points);
            else
                canvas_.SetPolyline(points);
        }
        canvas_.SetPenWidth(4);
        for (const DrawingCircle& circle : page.circles) {
            canvas_.SetBrushStyle(circle.filled ? kBrushSolid : kBrushTransparent);
            canvas_.SetBrushColor(kColorBlack);
            canvas_.DrawCircle(Twips(circle.centre.x), Twips(circle.centre.y),
                               Twips(circle.radius));
        }
        canvas_.SetBrushStyle(kBrushTransparent);
        canvas_.SetFontName(drawing.fontName);
        for (const DrawingText& text : page.texts) {
            canvas_.SetFontBold(text.bold);
            const std::int16_t align = text.align == DrawingAlign::Centre  ? 1
                                       : text.align == DrawingAlign::Right ? 2
                                                                           : 0;
            canvas_.DrawText(Twips(text.at.x), Twips(text.at.y), Twips(text.height), text.text,
                             align, static_cast<float>(text.widthFactor));
        }
        canvas_.SetFontBold(false);
    }

  private:
    PageCanvas& canvas_;
    double factor_;
};

}  // namespace

void PaintDrawing(PageCanvas& canvas, const Drawing& drawing) {
    canvas.SetMarginLeft("0");
    canvas.SetMarginTop("0");
    canvas.SetMarginRight("0");
    canvas.SetMarginBottom("0");
    canvas.SetPaperSize(kPaperA3);
    canvas.SetOrientation(1);
    canvas.SetPageStartHandler({});
    canvas.StartDoc();
    Painter painter(canvas, drawing);
    for (std::size_t p = 0; p < drawing.pages.size(); ++p) {
        if (p > 0) canvas.NewPage();
        painter.Page(drawing.pages[p], drawing);
    }
    canvas.EndDoc();
}

}  // namespace zel
