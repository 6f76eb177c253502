#include "qt/common/PictureArt.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

#include "editor/InputArea.h"
#include "editor/SpanTypeDialogRules.h"
#include "qt/common/QtText.h"

namespace zel::qt {

namespace {

const QColor kInk(20, 20, 20);
const QColor kLoadLine(25, 55, 130);
const QColor kLoadFill(214, 226, 246);
const QColor kDimension(70, 70, 70);
const QColor kHighlight(200, 30, 30);
const QColor kMomentFill(226, 236, 250);

QFont PictureFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void Arrow(QPainter& p, QPointF from, QPointF to, double head = 6.0) {
    p.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const QPointF a = to - QPointF(std::cos(angle - 0.4) * head, std::sin(angle - 0.4) * head);
    const QPointF b = to - QPointF(std::cos(angle + 0.4) * head, std::sin(angle + 0.4) * head);
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF({to, a, b}));
    p.restore();
}

// A pin: triangle under the point, hatched ground.
void Pin(QPainter& p, QPointF at, bool roller) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::white);
    const double h = 12;
    p.drawPolygon(QPolygonF({at, at + QPointF(-8, h), at + QPointF(8, h)}));
    double ground = at.y() + h;
    if (roller) {
        p.drawEllipse(at + QPointF(-4, h + 3), 3, 3);
        p.drawEllipse(at + QPointF(4, h + 3), 3, 3);
        ground += 6;
    }
    p.drawLine(at + QPointF(-12, ground - at.y()), at + QPointF(12, ground - at.y()));
    p.setPen(QPen(kInk, 1));
    for (double x = -12; x < 12; x += 5)
        p.drawLine(QPointF(at.x() + x, ground), QPointF(at.x() + x - 4, ground + 4));
    p.setBrush(Qt::NoBrush);
}

// A fixed end: wall on the left of the point, hatched.
void FixedEnd(QPainter& p, QPointF at, double halfHeight) {
    p.setPen(QPen(kInk, 2.5));
    p.drawLine(at + QPointF(0, -halfHeight), at + QPointF(0, halfHeight));
    p.setPen(QPen(kInk, 1));
    for (double y = -halfHeight; y < halfHeight; y += 5)
        p.drawLine(at + QPointF(0, y), at + QPointF(-6, y + 6));
}

// Dimension line with end ticks and its name under it.
void Dimension(QPainter& p, double x0, double x1, double y, const QString& name) {
    p.setPen(QPen(kDimension, 1));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    for (double x : {x0, x1}) {
        p.drawLine(QPointF(x, y - 6), QPointF(x, y + 6));
        p.drawLine(QPointF(x - 3, y + 3), QPointF(x + 3, y - 3));
    }
    p.setFont(PictureFont(12));
    p.setPen(kInk);
    p.drawText(QRectF(x0, y + 2, x1 - x0, 16), Qt::AlignHCenter | Qt::AlignTop, name);
}

// Load outline over the beam: heights per x as a polygon from the beam line up.
void DistributedLoad(QPainter& p, const std::vector<QPointF>& top, double beamY) {
    QPolygonF shape;
    shape << QPointF(top.front().x(), beamY);
    for (const QPointF& point : top) shape << point;
    shape << QPointF(top.back().x(), beamY);
    p.setPen(Qt::NoPen);
    p.setBrush(kLoadFill);
    p.drawPolygon(shape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLoadLine, 1.8));
    QPolygonF outline;
    for (const QPointF& point : top) outline << point;
    p.drawPolyline(outline);
    // Arrows down to the beam wherever the load has height.
    const double x0 = top.front().x(), x1 = top.back().x();
    const int count = std::max(2, static_cast<int>((x1 - x0) / 16.0) + 1);
    p.setPen(QPen(kLoadLine, 1.2));
    for (int i = 0; i < count; ++i) {
        const double x = x0 + (x1 - x0) * i / (count - 1);
        double y = beamY;
        for (std::size_t k = 1; k < top.size(); ++k) {
            if (x >= top[k - 1].x() - 0.01 && x <= top[k].x() + 0.01) {
                const double span = top[k].x() - top[k - 1].x();
                const double t = span > 0 ? (x - top[k - 1].x()) / span : 0.0;
                y = top[k - 1].y() + (top[k].y() - top[k - 1].y()) * t;
                break;
            }
        }
        if (beamY - y > 7) Arrow(p, QPointF(x, y), QPointF(x, beamY - 1), 5);
    }
}

}  // namespace

QImage DrawLoadPicture(int loadType, bool cantilever) {
    const int width = 320, height = 150;
    QImage image = WhiteImage(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double left = 34, right = 292, beamY = 84, top = 30;
    const double span = right - left;
    auto X = [&](double fraction) { return left + span * fraction; };

    // Load first, so that the beam line stays on top of the arrow heads.
    std::vector<double> marks;  // fractions where the dimension chain changes
    QStringList names;
    QString label = QStringLiteral("w × H");
    QPointF labelAt;
    switch (loadType) {
        case 1: {
            const double a = 0.42;
            p.setPen(QPen(kLoadLine, 2.2));
            Arrow(p, QPointF(X(a), top - 6), QPointF(X(a), beamY - 1), 9);
            marks = {0.0, a};
            names = {QStringLiteral("L1")};
            label = QStringLiteral("P");
            labelAt = QPointF(X(a) + 8, top - 6);
            break;
        }
        case 2:
        case 3:
        case 4:
        case 6: {
            const double a = 0.22, b = 0.82;
            std::vector<QPointF> shape;
            if (loadType == 2) shape = {{X(a), beamY}, {X(b), top}};
            if (loadType == 3) shape = {{X(a), top}, {X(b), beamY}};
            if (loadType == 4) shape = {{X(a), top + 14}, {X(b), top + 14}};
            if (loadType == 6) shape = {{X(a), beamY}, {X((a + b) / 2), top}, {X(b), beamY}};
            DistributedLoad(p, shape, beamY);
            marks = {0.0, a, b};
            names = {QStringLiteral("L1"), QStringLiteral("L2")};
            labelAt = QPointF(loadType == 3 ? X(a) + 10 : X(b) - 46, top - 14);
            if (loadType == 4) labelAt = QPointF(X((a + b) / 2) - 18, top - 6);
            if (loadType == 6) labelAt = QPointF(X((a + b) / 2) + 8, top - 14);
            break;
        }
        case 5: {
            const double a = 0.12, b = 0.34, c = 0.66, d = 0.9;
            DistributedLoad(p, {{X(a), beamY}, {X(b), top}, {X(c), top}, {X(d), beamY}}, beamY);
            marks = {0.0, a, b, c, d};
            names = {QStringLiteral("L1"), QStringLiteral("L2"), QStringLiteral("L3"),
                     QStringLiteral("L4")};
            labelAt = QPointF(X((b + c) / 2) - 18, top - 14);
            break;
        }
        default:
            break;
    }

    // Beam and supports.
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(left, beamY), QPointF(right, beamY));
    if (cantilever) {
        FixedEnd(p, QPointF(left, beamY), 18);
    } else {
        Pin(p, QPointF(left, beamY + 2), false);
        Pin(p, QPointF(right, beamY + 2), true);
    }

    p.setFont(PictureFont(14, true));
    p.setPen(kLoadLine);
    if (!marks.empty()) p.drawText(labelAt + QPointF(0, 12), label);

    // Dimension chain from the left end (the fixed end of a cantilever).
    const double dimY = 120;
    p.setPen(QPen(kDimension, 0.8, Qt::DashLine));
    for (double m : marks)
        p.drawLine(QPointF(X(m), beamY + (m == 0.0 ? 24 : 4)), QPointF(X(m), dimY - 6));
    for (int i = 0; i + 1 < static_cast<int>(marks.size()); ++i)
        Dimension(p, X(marks[i]), X(marks[i + 1]), dimY, names.value(i));

    p.setFont(PictureFont(11));
    p.setPen(kDimension);
    p.drawText(QRectF(4, 2, width - 8, 16), Qt::AlignLeft | Qt::AlignTop,
               cantilever ? QStringLiteral("片持梁（左端固定）") : QStringLiteral("単純梁・略算"));
    return image;
}

namespace {

struct SpanPicture {
    // Support positions of the sketch (x), the highlighted span (between supports k and k+1),
    // and whether the frame continues beyond the left or right end.
    std::vector<double> supports;
    int highlighted = 0;
    bool continuesLeft = false;
    bool continuesRight = false;
    double alpha = 0, beta = 0, gamma = 0;  // left end, centre reduction, right end
};

SpanPicture SpanPictureOf(int spanType) {
    switch (spanType) {
        case 0:
            return {{90, 270}, 0, false, false, 0.6, 0.35, 0.6};
        case 1:
            return {{60, 180, 300}, 0, false, false, 0.6, 0.65, 1.3};
        case 2:
            return {{50, 150, 250}, 0, false, true, 0.6, 0.65, 1.2};
        case 3:
            return {{100, 260}, 0, true, true, 1.0, 0.75, 1.0};
        case 4:
            return {{100, 260}, 0, true, true, 0.8, 0.6, 0.8};
        case 5:
            return {{60, 180, 300}, 1, false, false, 1.3, 0.65, 0.6};
        case 6:
            return {{110, 210, 310}, 1, true, false, 1.2, 0.65, 0.6};
        default:
            return {};
    }
}

// 0.6 -> "0.6", 1.0 -> "1.0", 0.35 -> "0.35"
QString Coefficient(double value) {
    const bool tenths = std::abs(value * 10 - std::round(value * 10)) < 1e-9;
    return QString::number(value, 'f', tenths ? 1 : 2);
}

void BreakMark(QPainter& p, QPointF at) {
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(at + QPointF(-3, -7), at + QPointF(3, 7));
    p.drawLine(at + QPointF(2, -7), at + QPointF(8, 7));
}

}  // namespace

QImage DrawMomentDiagram(int spanType) {
    const int width = 360, height = 200;
    QImage image = WhiteImage(width, height);
    const SpanPicture s = SpanPictureOf(spanType);
    if (s.supports.empty()) return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The frame: spans on supports, the span this beam stands for in red.
    const double frameY = 26;
    const double x0 = s.continuesLeft ? 20 : s.supports.front();
    const double x1 = s.continuesRight ? 340 : s.supports.back();
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(x0, frameY), QPointF(x1, frameY));
    if (s.continuesLeft) BreakMark(p, QPointF(x0 + 6, frameY));
    if (s.continuesRight) BreakMark(p, QPointF(x1 - 12, frameY));
    const double a = s.supports[s.highlighted], b = s.supports[s.highlighted + 1];
    p.setPen(QPen(kHighlight, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(a, frameY), QPointF(b, frameY));
    for (std::size_t i = 0; i < s.supports.size(); ++i)
        Pin(p, QPointF(s.supports[i], frameY + 2), i + 1 == s.supports.size() && i > 0);

    // The moment diagram of that span, hogging drawn up and sagging down (the tension side),
    // for a uniform load: C the fixed-end moment, Mo = 1.5 C the simple-beam moment.
    const double left = 50, right = 310, baseY = 112, scale = 34;
    const double ml = -s.alpha, mr = -s.gamma, mc = 1.5 - s.beta;
    auto M = [&](double t) {
        return ml * (1 - t) + mr * t + 4 * (mc - (ml + mr) / 2) * t * (1 - t);
    };
    QPolygonF curve;
    const int steps = 64;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        curve << QPointF(left + (right - left) * t, baseY + scale * M(t));
    }
    QPolygonF area = curve;
    area << QPointF(right, baseY) << QPointF(left, baseY);
    p.setPen(Qt::NoPen);
    p.setBrush(kMomentFill);
    p.drawPolygon(area);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLoadLine, 2));
    p.drawPolyline(curve);
    p.drawLine(QPointF(left, baseY), curve.front());
    p.drawLine(QPointF(right, baseY), curve.back());
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(left, baseY), QPointF(right, baseY));

    const bool user = spanType == kUserSpanType;
    p.setFont(PictureFont(13, true));
    p.setPen(kInk);
    const QString leftText =
        user ? QStringLiteral("α·C") : Coefficient(s.alpha) + QStringLiteral("C");
    const QString rightText =
        user ? QStringLiteral("γ·C") : Coefficient(s.gamma) + QStringLiteral("C");
    const QString centreText =
        user ? QStringLiteral("Mo − β·C")
             : QStringLiteral("Mo − ") + Coefficient(s.beta) + QStringLiteral("C");
    p.drawText(QRectF(left - 46, curve.front().y() - 18, 80, 18), Qt::AlignHCenter, leftText);
    p.drawText(QRectF(right - 34, curve.back().y() - 18, 80, 18), Qt::AlignHCenter, rightText);
    p.drawText(QRectF(left, baseY + scale * mc + 2, right - left, 18), Qt::AlignHCenter,
               centreText);

    p.setFont(PictureFont(11));
    p.setPen(kDimension);
    p.drawText(QRectF(8, height - 20, width - 16, 16), Qt::AlignHCenter,
               QStringLiteral("C : 固定端モーメント　　Mo : 単純梁中央モーメント"));
    return image;
}

QImage DrawProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(31, 78, 121));
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    // A beam section: concrete, stirrup, two top bars and three bottom bars.
    p.setBrush(QColor(236, 236, 230));
    p.drawRect(QRectF(17, 8, 30, 48));
    p.setPen(QPen(QColor(90, 90, 90), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(21, 12, 22, 40), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 30));
    for (double x : {25.5, 38.5}) p.drawEllipse(QPointF(x, 16.5), 2.6, 2.6);
    for (double x : {25.5, 32.0, 38.5}) p.drawEllipse(QPointF(x, 47.5), 2.8, 2.8);
    return image;
}

QImage DrawUndoIcon(int size, bool redo) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    if (redo) {  // the same arrow, turning the other way
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    // A hook turning back to the left, in the colour of the loads.
    QPainterPath hook;
    hook.moveTo(25, 26);
    hook.cubicTo(29, 16, 22, 9, 13, 10);
    hook.lineTo(9, 10);
    p.setPen(QPen(kLoadLine, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(kLoadLine);
    p.drawPolygon(QPolygonF({QPointF(2, 10), QPointF(11, 3), QPointF(11, 17)}));
    return image;
}

QImage DrawAboutPicture() {
    const int size = 128;
    QImage image = WhiteImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(QRectF(8, 4, 88, 88), DrawProgramIcon(176));
    // The beam in elevation beside it, with its load.
    p.setPen(QPen(kLoadLine, 1.2));
    for (double x = 14; x <= 114; x += 12) Arrow(p, QPointF(x, 100), QPointF(x, 111), 4);
    p.setPen(QPen(kInk, 3.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8, 114), QPointF(120, 114));
    Pin(p, QPointF(12, 115), false);
    Pin(p, QPointF(116, 115), true);
    return image;
}

std::vector<std::string> ProgramPictureNames() {
    std::vector<std::string> names;
    for (int support : {0, 1})
        for (int type = 1; type <= 6; ++type) names.push_back(LoadPictureFile(type, support));
    for (int type = 0; type < 7; ++type) names.push_back(SpanTypeDialogRules::PictureFileOf(type));
    names.push_back(kIconFile);
    names.push_back(kAboutPictureFile);
    return names;
}

std::vector<std::string> WriteProgramPictures(const std::string& folder) {
    std::vector<std::string> failed;
    const QDir dir(ToQ(folder));
    auto write = [&](const QImage& image, const std::string& name, const char* format,
                     int quality) {
        if (!image.save(dir.filePath(ToQ(name)), format, quality)) failed.push_back(name);
    };
    for (int support : {0, 1})
        for (int type = 1; type <= 6; ++type)
            write(DrawLoadPicture(type, support == 1), LoadPictureFile(type, support), "JPEG", 95);
    for (int type = 0; type < 7; ++type)
        write(DrawMomentDiagram(type), SpanTypeDialogRules::PictureFileOf(type), "BMP", -1);
    write(DrawProgramIcon(64), kIconFile, "ICO", -1);
    write(DrawAboutPicture(), kAboutPictureFile, "PNG", -1);
    return failed;
}

}  // namespace zel::qt
