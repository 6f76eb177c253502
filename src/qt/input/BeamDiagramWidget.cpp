#include "qt/input/BeamDiagramWidget.h"

#include <QPainter>
#include <algorithm>

#include "lib/Twips.h"
#include "qt/common/QtText.h"

namespace zel::qt {

namespace {

// Fill codes n >= 1 are the classic brush styles n - 1.
Qt::BrushStyle BrushStyleOf(int fillCode) {
    switch (fillCode - 1) {
        case 0:
            return Qt::SolidPattern;
        case 2:
            return Qt::HorPattern;
        case 3:
            return Qt::VerPattern;
        case 4:
            return Qt::BDiagPattern;
        case 5:
            return Qt::FDiagPattern;
        case 6:
            return Qt::CrossPattern;
        case 7:
            return Qt::DiagCrossPattern;
        default:
            return Qt::NoBrush;
    }
}

}  // namespace

BeamDiagramWidget::BeamDiagramWidget(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMinimumSize(300, 110);
}

void BeamDiagramWidget::SetDiagram(const std::optional<BeamDiagram>& diagram) {
    if (diagram.has_value() == diagram_.has_value() &&
        (!diagram || (diagram->calls == diagram_->calls && diagram->width == diagram_->width &&
                      diagram->height == diagram_->height)))
        return;
    diagram_ = diagram;
    update();
}

void BeamDiagramWidget::paintEvent(QPaintEvent*) {
    if (!diagram_ || diagram_->width <= 0 || diagram_->height <= 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale =
        std::min((width() - 2) / diagram_->width, (height() - 2) / diagram_->height);
    const double left = (width() - diagram_->width * scale) / 2;
    const double bottom = height() - (height() - diagram_->height * scale) / 2;
    auto at = [&](double x, double y) { return QPointF(left + x * scale, bottom - y * scale); };
    // Pen widths are twips of the canvas, whose logical unit is the metre times 567.
    auto pen = [&](const DiagramCall& c) {
        QPen p(PaletteColour(c.penColour));
        p.setWidthF(std::max(1.0, c.penWidth / static_cast<double>(kTwipsPerCm) * scale));
        p.setCapStyle(Qt::RoundCap);
        return p;
    };
    for (const DiagramCall& c : diagram_->calls) {
        painter.setPen(pen(c));
        if (c.kind == DiagramCall::Line) {
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(at(c.x1, c.y1), at(c.x2, c.y2));
        } else {
            const QRectF box(at(c.x1 - c.x2 / 2, c.y1 + c.y2 / 2),
                             at(c.x1 + c.x2 / 2, c.y1 - c.y2 / 2));
            painter.setBrush(c.fillCode == 0
                                 ? QBrush(Qt::NoBrush)
                                 : QBrush(PaletteColour(c.brushColour), BrushStyleOf(c.fillCode)));
            painter.drawRect(box);
        }
    }
}

}  // namespace zel::qt
