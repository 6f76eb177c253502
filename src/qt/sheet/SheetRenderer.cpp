// Painting of one sheet page with QPainter, for every device the exporter serves.
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "qt/common/QtText.h"
#include "qt/sheet/SheetExporter.h"
#include "qt/sheet/SheetFonts.h"

namespace zel::qt {
namespace {

// Hatch lines of the patterned brushes, twips apart on the paper whatever the device.
constexpr double kHatchSpacing = 48.0;
constexpr double kHatchPenWidth = 4.0;

QColor ColorOf(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QPen PenOf(const SheetPen& pen) {
    Qt::PenStyle style = Qt::SolidLine;
    switch (pen.style) {
        case kPenDash:
            style = Qt::DashLine;
            break;
        case kPenDot:
            style = Qt::DotLine;
            break;
        case kPenDashDot:
            style = Qt::DashDotLine;
            break;
        case kPenDashDotDot:
            style = Qt::DashDotDotLine;
            break;
        case kPenInvisible:
            style = Qt::NoPen;
            break;
        default:
            break;
    }
    QPen qpen(ColorOf(pen.color));
    qpen.setStyle(style);
    // Width 0 is the thinnest line the device can draw; on paper that is about a pixel of a
    // 300 dpi printer, so give it a real width that also survives in PDF viewers.
    qpen.setWidthF(pen.width > 0 ? pen.width : 5.0);
    // A dotted hairline would be dots of a fraction of a millimetre; make them visible.
    if (style == Qt::DotLine && pen.width <= 0) qpen.setDashPattern(QVector<qreal>{3.0, 3.0});
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    return qpen;
}

void DrawHatch(QPainter& painter, const QPainterPath& area, std::int16_t style,
               const QColor& color) {
    const QRectF box = area.boundingRect();
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    QPen pen(color);
    pen.setWidthF(kHatchPenWidth);
    painter.setPen(pen);
    const bool horizontal = style == kBrushHorizontal || style == kBrushCross;
    const bool vertical = style == kBrushVertical || style == kBrushCross;
    const bool upward = style == kBrushUpwardDiagonal || style == kBrushDiagonalCross;
    const bool downward = style == kBrushDownwardDiagonal || style == kBrushDiagonalCross;
    if (horizontal) {
        for (double y = std::floor(box.top() / kHatchSpacing) * kHatchSpacing; y <= box.bottom();
             y += kHatchSpacing)
            painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
    if (vertical) {
        for (double x = std::floor(box.left() / kHatchSpacing) * kHatchSpacing; x <= box.right();
             x += kHatchSpacing)
            painter.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
    }
    const double step = kHatchSpacing * std::sqrt(2.0);
    const double h = box.height();
    if (downward) {  // "\" lines: from top-left down to the right
        for (double x = std::floor((box.left() - h) / step) * step; x <= box.right(); x += step)
            painter.drawLine(QPointF(x, box.top()), QPointF(x + h, box.bottom()));
    }
    if (upward) {  // "/" lines
        for (double x = std::floor(box.left() / step) * step; x <= box.right() + h; x += step)
            painter.drawLine(QPointF(x, box.top()), QPointF(x - h, box.bottom()));
    }
    painter.restore();
}

void PaintPolygon(QPainter& painter, const SheetPolygon& polygon) {
    if (polygon.points.empty()) return;
    QPolygonF shape;
    for (const auto& [x, y] : polygon.points) shape << QPointF(x, y);
    if (!polygon.closed) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(PenOf(polygon.pen));
        painter.drawPolyline(shape);
        return;
    }
    const QColor brushColor = ColorOf(polygon.brush.color);
    if (polygon.brush.style == kBrushSolid) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(brushColor);
        painter.drawPolygon(shape);
    } else if (polygon.brush.style != kBrushTransparent) {
        QPainterPath area;
        area.addPolygon(shape);
        area.closeSubpath();
        DrawHatch(painter, area, polygon.brush.style, brushColor);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(PenOf(polygon.pen));
    painter.drawPolygon(shape);
}

void PaintCircle(QPainter& painter, const SheetCircle& circle) {
    if (circle.radius <= 0) return;
    const QRectF box(circle.cx - circle.radius, circle.cy - circle.radius, 2.0 * circle.radius,
                     2.0 * circle.radius);
    if (circle.brush.style == kBrushSolid) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ColorOf(circle.brush.color));
        painter.drawEllipse(box);
    } else if (circle.brush.style != kBrushTransparent) {
        QPainterPath area;
        area.addEllipse(box);
        DrawHatch(painter, area, circle.brush.style, ColorOf(circle.brush.color));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(PenOf(circle.pen));
    painter.drawEllipse(box);
}

void PaintPlacedText(QPainter& painter, const SheetText& text) {
    if (text.text.empty()) return;
    QFont font = SheetQFont(text.font);
    font.setPixelSize(std::max(1, text.height));
    const QFontMetricsF metrics(font);
    const QString line = ToQ(text.text);
    const double scale = text.widthScale;
    const double width = metrics.horizontalAdvance(line) * scale;
    double x = text.x;
    if (text.align == kTextCentre) x -= width / 2.0;
    if (text.align == kTextRight) x -= width;
    // The em box centred on y, as the fixed-pitch Japanese faces set their glyphs.
    const double baseline = text.y + (metrics.ascent() - metrics.descent()) / 2.0;
    painter.save();
    painter.setFont(font);
    painter.setPen(QPen(Qt::black));
    painter.translate(x, baseline);
    painter.scale(scale, 1.0);
    painter.drawText(QPointF(0.0, 0.0), line);
    painter.restore();
}

// Lines that do not fit `visible` (the cell within the printable area) from top to bottom are
// not drawn at all, so no glyph of them reaches a PDF; a line too wide is cut at the cell's side.
void PaintText(QPainter& painter, const QFont& font, double left, double width, double top,
               double lineHeight, const SheetTableCell& cell, int horizontal, std::int16_t spacing,
               const QRectF& visible) {
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const std::vector<std::string>& lines = cell.lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString text = ToQ(lines[i]);
        const double scale = i < cell.lineScales.size() ? cell.lineScales[i] : 1.0;
        const double textWidth = metrics.horizontalAdvance(text) * scale;
        double x = left + spacing;
        if (horizontal == 1) x = left + (width - textWidth) / 2.0;
        if (horizontal == 2) x = left + width - spacing - textWidth;
        // Baseline: the font's ascent below the top of its line, the line box centred.
        const double lineTop = top + static_cast<double>(i) * lineHeight;
        // Half a line is no use to a reader: lines are kept whole or left out, and only cut
        // at the cell's side.
        if (lineTop + lineHeight > visible.bottom() + 0.5) break;
        if (lineTop < visible.top() - 0.5) continue;
        const bool cut = x < visible.left() || x + textWidth > visible.right();
        if (cut) {
            painter.save();
            painter.setClipRect(visible, Qt::IntersectClip);
        }
        const double baseline = lineTop +
                                (lineHeight - (metrics.ascent() + metrics.descent())) / 2.0 +
                                metrics.ascent();
        if (scale < 1.0) {
            painter.save();
            painter.translate(x, baseline);
            painter.scale(scale, 1.0);
            painter.drawText(QPointF(0.0, 0.0), text);
            painter.restore();
        } else {
            painter.drawText(QPointF(x, baseline), text);
        }
        if (cut) painter.restore();
    }
}

void PaintTable(QPainter& painter, const SheetTable& table, const QRectF& printable) {
    // A damaged file's long text can grow a row past the page bottom: nothing of the table is
    // drawn beyond the printable area (its frame may reach just across the edge).
    const double reach = std::max<double>(table.framePen, 1.0);
    painter.save();
    painter.setClipRect(printable.adjusted(-reach, -reach, reach, reach), Qt::IntersectClip);
    QFont font = SheetQFont(table.font);
    QFont bold = font;
    bold.setBold(true);
    painter.setPen(QPen(Qt::black));

    std::vector<double> columnX{static_cast<double>(table.x)};
    for (const std::int32_t w : table.columnWidths) columnX.push_back(columnX.back() + w);
    double rowTop = table.y;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const double height = table.rowHeights[r];
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const SheetTableCell& cell = table.rows[r][c];
            if (cell.covered || cell.lines.empty()) continue;
            const std::size_t last =
                std::min(columnX.size() - 1, c + static_cast<std::size_t>(cell.span));
            const double left = columnX[c];
            const double width = columnX[last] - left;
            const int horizontal =
                (cell.align == kAlignCentreTop || cell.align == kAlignCentreMiddle ||
                 cell.align == kAlignCentreBottom)
                    ? 1
                : (cell.align == kAlignRightTop || cell.align == kAlignRightMiddle ||
                   cell.align == kAlignRightBottom)
                    ? 2
                    : 0;
            const double block = static_cast<double>(cell.lines.size()) * table.lineHeight;
            double top = rowTop + (height - block) / 2.0;
            if (cell.align <= kAlignCentreTop)
                top = rowTop + table.verticalSpacing;
            else if (cell.align <= kAlignCentreBottom)
                top = rowTop + height - table.verticalSpacing - block;
            const QRectF visible = QRectF(left, rowTop, width, height).intersected(printable);
            if (visible.isEmpty()) continue;
            painter.setPen(QPen(Qt::black));
            PaintText(painter, cell.bold ? bold : font, left, width, top, table.lineHeight, cell,
                      horizontal, table.horizontalSpacing, visible);
        }
        rowTop += height;
    }

    // Grid: row lines, column lines (not through spanned cells), the header line, the frame.
    auto linePen = [](double width) {
        QPen pen(Qt::black);
        pen.setWidthF(std::max(width, 1.0));
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    };
    const double right = columnX.back();
    double y = table.y;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const double height = table.rowHeights[r];
        if (height > 0) {
            for (std::size_t c = 1; c + 1 < columnX.size(); ++c) {
                bool inside = table.rows[r][c].covered;
                if (!inside && table.columnPen > 0) {
                    painter.setPen(linePen(table.columnPen));
                    painter.drawLine(QPointF(columnX[c], y), QPointF(columnX[c], y + height));
                }
            }
        }
        y += height;
        const bool lastRow = r + 1 == table.rows.size();
        if (!lastRow && height > 0) {
            const bool underHeader = r == 0 && table.hasHeader;
            const double width = underHeader ? table.headerPen : table.rowPen;
            if (width > 0) {
                painter.setPen(linePen(width));
                painter.drawLine(QPointF(table.x, y), QPointF(right, y));
            }
        }
    }
    if (table.framePen > 0) {
        QPen frame = linePen(table.framePen);
        frame.setJoinStyle(Qt::MiterJoin);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(table.x, table.y, right - table.x, y - table.y));
    }
    painter.restore();
}

void PaintHeaderFooter(QPainter& painter, const SheetDocument& doc, const std::string& text,
                       const SheetFont& sheetFont, bool header) {
    if (text.empty()) return;
    const QFont font = SheetQFont(sheetFont);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black));
    const QStringList parts = ToQ(text).split(QLatin1Char('|'));
    const double left = doc.MarginLeft();
    const double right = doc.PageWidth() - doc.MarginRight();
    // The header sits just above the printable area, the footer just below it.
    const double baseline = header
                                ? doc.MarginTop() - 170.0 - metrics.descent()
                                : doc.PageHeight() - doc.MarginBottom() + 300.0 + metrics.ascent();
    for (int i = 0; i < parts.size() && i < 3; ++i) {
        if (parts[i].isEmpty()) continue;
        const double w = metrics.horizontalAdvance(parts[i]);
        const double x = i == 0 ? left : i == 1 ? (left + right - w) / 2.0 : right - w;
        painter.drawText(QPointF(x, baseline), parts[i]);
    }
}

}  // namespace

void ScalePainterToTwips(QPainter& painter, double dotsPerInchX, double dotsPerInchY) {
    painter.scale(dotsPerInchX / 1440.0, dotsPerInchY / 1440.0);
}

void RenderSheetPage(QPainter& painter, const SheetDocument& document, int pageNumber) {
    if (pageNumber < 1 || pageNumber > document.PageCount()) return;
    const SheetPage& page = document.Pages()[static_cast<std::size_t>(pageNumber - 1)];
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QRectF printable(document.MarginLeft(), document.MarginTop(),
                           document.PageWidth() - document.MarginLeft() - document.MarginRight(),
                           document.PageHeight() - document.MarginTop() - document.MarginBottom());
    for (const SheetItem& item : page.items) {
        if (const auto* line = std::get_if<SheetLine>(&item)) {
            painter.setPen(PenOf(line->pen));
            painter.drawLine(QPointF(line->x1, line->y1), QPointF(line->x2, line->y2));
        } else if (const auto* polygon = std::get_if<SheetPolygon>(&item)) {
            PaintPolygon(painter, *polygon);
        } else if (const auto* table = std::get_if<SheetTable>(&item)) {
            PaintTable(painter, *table, printable);
        } else if (const auto* circle = std::get_if<SheetCircle>(&item)) {
            PaintCircle(painter, *circle);
        } else if (const auto* text = std::get_if<SheetText>(&item)) {
            PaintPlacedText(painter, *text);
        }
    }
    PaintHeaderFooter(painter, document, page.header, page.headerFont, true);
    PaintHeaderFooter(painter, document, page.footer, page.footerFont, false);
    painter.restore();
}

}  // namespace zel::qt
