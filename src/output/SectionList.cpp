#include "output/SectionList.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <numbers>

#include "calc/CalculateBeam.h"
#include "lib/ShiftJis.h"
#include "output/CheckViewTexts.h"
#include "output/SheetComposer.h"

namespace zel {
namespace {

// Paper geometry (mm of paper): A3 landscape, a frame 10 mm in, the title block along its foot.
constexpr double kPaperWidth = 420.0, kPaperHeight = 297.0;
constexpr double kFrameInset = 10.0;
constexpr double kTitleHeight = 16.0;
constexpr double kGridInset = 5.0;  // blank between the frame and the blocks
constexpr double kBlockGap = 6.0;

// A block: the member name row, the heading row, the drawings, then five text rows.
constexpr double kLabelWidth = 17.0;
constexpr double kNameRow = 6.5, kHeadingRow = 5.0, kTextRow = 4.5;
constexpr int kTextRows = 5;
constexpr double kMinCellWidth = 30.0, kMinDrawingHeight = 30.0;
constexpr double kDrawingPadding = 3.5;  // around the section, each side
// The largest section a cell draws (mm of paper): three cells still fit across a page.
constexpr double kMaxDrawnWidth = 90.0, kMaxDrawnDepth = 120.0;

constexpr double kTextHeight = 2.5, kNameHeight = 3.5, kTitleTextHeight = 6.0;
constexpr double kLabelTextHeight = 2.0, kTitleValueHeight = 3.5;
constexpr double kMinWidthFactor = 0.3;

constexpr const char* kRowLabels[kTextRows] = {"B×D", "上端筋", "下端筋", "ｽﾀｰﾗｯﾌﾟ", "判定"};

struct Block {
    std::string name;
    std::vector<SectionCell> cells;
};

// Breaks a text into lines of at most `columns` display columns, never inside a character.
std::vector<std::string> BreakLines(const std::string& text, int columns) {
    std::vector<std::string> lines(1);
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() &&
               (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        const std::string character = text.substr(i, length);
        const int w = DisplayWidth(character);
        if (width + w > columns && !lines.back().empty()) {
            lines.emplace_back();
            width = 0;
        }
        lines.back() += character;
        width += w;
        i += length;
    }
    return lines;
}

// Emits items in mm of the object from positions given in mm of paper.
class Sketch {
  public:
    Sketch(DrawingPage& page, double scale) : page_(page), s_(scale) {}

    void Line(double x1, double y1, double x2, double y2, DrawingLayer layer) {
        page_.polylines.push_back({layer, {{x1 * s_, y1 * s_}, {x2 * s_, y2 * s_}}, false, 0.0});
    }
    void Rectangle(double x, double y, double w, double h, DrawingLayer layer) {
        page_.polylines.push_back({layer,
                                   {{x * s_, y * s_},
                                    {(x + w) * s_, y * s_},
                                    {(x + w) * s_, (y + h) * s_},
                                    {x * s_, (y + h) * s_}},
                                   true,
                                   0.0});
    }
    // A text in a box `width` wide: condensed when it would not fit.
    void Text(const std::string& text, double x, double y, double width, double height,
              DrawingAlign align, bool bold = false) {
        if (text.empty()) return;
        std::string shown = text;
        // Too long even condensed: cut, and say so.
        if (EstimatedTextWidth(shown, height) * kMinWidthFactor > width) {
            const int columns = static_cast<int>(width / (kMinWidthFactor * height / 2.0)) - 2;
            shown = BreakLines(text, std::max(1, columns)).front() + "…";
        }
        const double needed = EstimatedTextWidth(shown, height);
        const double factor =
            needed > width && needed > 0.0 ? std::max(kMinWidthFactor, width / needed) : 1.0;
        page_.texts.push_back(
            {DrawingLayer::Text, {x * s_, y * s_}, height * s_, factor, align, bold, shown});
    }
    DrawingPage& Page() { return page_; }
    double Scale() const { return s_; }

  private:
    DrawingPage& page_;
    double s_;
};

// A point of a circle around (cx, cy), the angle in degrees counted anticlockwise as seen on
// the paper (y grows downwards).
DrawingPoint OnCircle(double cx, double cy, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {cx + radius * std::cos(a), cy - radius * std::sin(a)};
}

void AppendArc(std::vector<DrawingPoint>& points, double cx, double cy, double radius, double from,
               double to) {
    constexpr int kSteps = 8;
    for (int i = 0; i <= kSteps; ++i)
        points.push_back(OnCircle(cx, cy, radius, from + (to - from) * i / kSteps));
}

DrawingPoint Along(DrawingPoint p, double dx, double dy, double length) {
    const double n = std::hypot(dx, dy);
    return {p.x + dx / n * length, p.y + dy / n * length};
}

// The stirrups of a drawn cell, at the section's top-left corner (ox, oy) in mm of the object:
// the hoop with 135° hooks around the top-left corner bar (the next stirrup's hooks drawn thin
// at the top-right corner for the alternating methods), a closed welded hoop for spot welding,
// and the inner ties of three or more legs.
void DrawStirrups(DrawingPage& page, const SectionCell& cell, double ox, double oy) {
    const double e = cell.stirrupInset, B = cell.width, D = cell.depth;
    const double ds = cell.stirrupDiameter;
    const double corner = cell.barInset;  // centre of a corner bar from both faces
    const double wrap = corner - e;       // from a bar's centre to the stirrup's centre line
    const double tail = 6.0 * ds;
    // A hook's tail, shortened where it would reach past the stirrup's line into the cover.
    auto tailFrom = [&](DrawingPoint p, double dx, double dy) {
        const double n = std::hypot(dx, dy);
        double length = tail;
        const double ux = dx / n, uy = dy / n;
        if (ux < 0.0) length = std::min(length, (p.x - e) / -ux);
        if (ux > 0.0) length = std::min(length, (B - e - p.x) / ux);
        if (uy < 0.0) length = std::min(length, (p.y - e) / -uy);
        if (uy > 0.0) length = std::min(length, (D - e - p.y) / uy);
        return Along(p, dx, dy, std::max(0.0, length));
    };
    auto shifted = [&](std::vector<DrawingPoint> points) {
        for (DrawingPoint& p : points) p = {p.x + ox, p.y + oy};
        return points;
    };
    auto add = [&](std::vector<DrawingPoint> points, bool closed, double width) {
        page.polylines.push_back(
            {DrawingLayer::Stirrup, shifted(std::move(points)), closed, width});
    };
    // The two hooks at a top corner: arcs round its bar, tails towards the section's core.
    auto hooks = [&](double cx, bool left, double width) {
        const double sx = left ? 1.0 : -1.0;
        const double a = left ? 0.0 : 180.0;  // mirror the angles for the right corner
        auto angle = [&](double degrees) { return left ? degrees : a - degrees; };
        std::vector<DrawingPoint> first, second;
        AppendArc(first, cx, corner, wrap, angle(90.0), angle(225.0));
        first.push_back(tailFrom(first.back(), sx, 1.0));
        AppendArc(second, cx, corner, wrap, angle(180.0), angle(45.0));
        second.push_back(tailFrom(second.back(), sx, 1.0));
        add(std::move(first), false, width);
        add(std::move(second), false, width);
    };

    if (cell.legs >= 2) {
        if (cell.assemblyMethod == 4) {
            add({{e, e}, {B - e, e}, {B - e, D - e}, {e, D - e}}, true, ds);
            add({{B / 2.0 - 2.0 * ds, e}, {B / 2.0 + 2.0 * ds, e}}, false, 2.0 * ds);  // weld
        } else {
            // From the top leg's hook round the three other corners to the left leg's hook.
            add({{corner, e}, {B - e, e}, {B - e, D - e}, {e, D - e}, {e, corner}}, false, ds);
            hooks(corner, true, ds);
            if (cell.assemblyMethod == 0 || cell.assemblyMethod == 1) hooks(B - corner, false, 0.0);
        }
    }

    // Ties: one leg on the centre line, or the legs beyond two spread over the breadth. Each
    // runs beside a bar of the top layer, on the side where it crosses no bar, and hooks 135°
    // round that bar; at the foot it hooks the bottom bar below it, or ends on the hoop where
    // no bar lies below.
    auto firstLayerBar = [&](bool top, double x, double tolerance) -> const SectionBar* {
        const SectionBar* found = nullptr;
        const double y = top ? corner : D - corner;
        for (const SectionBar& bar : cell.bars) {
            if (bar.top == top && std::fabs(bar.y - y) < 1e-6 &&
                std::fabs(bar.x - x) <= tolerance &&
                (!found || std::fabs(bar.x - x) < std::fabs(found->x - x)))
                found = &bar;
        }
        return found;
    };
    auto clear = [&](double x) {
        return std::none_of(cell.bars.begin(), cell.bars.end(), [&](const SectionBar& b) {
            return std::fabs(b.x - x) < b.radius + ds / 2.0;
        });
    };
    const int ties = cell.legs == 1 ? 1 : std::max(0, cell.legs - 2);
    for (int i = 1; i <= ties; ++i) {
        const double target = cell.legs == 1 ? B / 2.0 : e + (B - 2.0 * e) * i / (cell.legs - 1);
        const SectionBar* topBar = firstLayerBar(true, target, B);
        const double held = topBar ? topBar->x : target;
        // Legs towards the middle, so that the tails of two ties point apart.
        double side = held <= B / 2.0 ? 1.0 : -1.0;
        if (!clear(held + side * wrap) && clear(held - side * wrap)) side = -side;
        const double x = topBar ? held + side * wrap : target;
        const SectionBar* bottomBar = topBar ? firstLayerBar(false, held, 1e-6) : nullptr;
        // Angles of the hooks for a leg on the right of its bars, mirrored for the left.
        auto angle = [&](double degrees) { return side > 0.0 ? degrees : 180.0 - degrees; };
        std::vector<DrawingPoint> tie;
        if (topBar) {
            AppendArc(tie, held, corner, wrap, angle(135.0), angle(0.0));
            tie.insert(tie.begin(), tailFrom(tie.front(), -side, 1.0));
        } else {
            tie.push_back({x, e});
        }
        if (bottomBar) {
            AppendArc(tie, held, D - corner, wrap, angle(0.0), angle(-135.0));
            tie.push_back(tailFrom(tie.back(), -side, -1.0));
        } else {
            tie.push_back({x, D - e});
        }
        add(std::move(tie), false, ds);
    }
}

class ListComposer {
  public:
    ListComposer(Project& project, const SectionListOptions& options)
        : project_(project), options_(options) {
        drawing_.scale = std::clamp(options.scale, kMinSectionScale, kMaxSectionScale);
        drawing_.paperWidth = kPaperWidth;
        drawing_.paperHeight = kPaperHeight;
    }

    Drawing Compose() {
        const double s = drawing_.scale;
        std::vector<Block> blocks;
        double widest = 0.0, deepest = 0.0;
        for (const int slot : PrintedBeamSlots(project_)) {
            const CalcResult result = CalculateBeam(project_, slot);
            const BeamRecord& beam = project_.Beam(slot);
            const PlacementFlags& flags = project_.placement[static_cast<std::size_t>(slot - 1)];
            Block block{beam.memberName, {}};
            for (int k = 0; k < ColumnCount(beam); ++k) {
                SectionCell cell = BuildSectionCell(beam, result, flags, k, kMaxDrawnWidth * s,
                                                    kMaxDrawnDepth * s);
                if (cell.reason.empty()) {
                    widest = std::max(widest, cell.width / s);
                    deepest = std::max(deepest, cell.depth / s);
                }
                block.cells.push_back(std::move(cell));
            }
            blocks.push_back(std::move(block));
        }
        cellWidth_ = std::max(kMinCellWidth, widest + 2.0 * kDrawingPadding);
        drawingHeight_ = std::max(kMinDrawingHeight, deepest + 2.0 * kDrawingPadding);
        const double blockHeight = kNameRow + kHeadingRow + drawingHeight_ + kTextRows * kTextRow;

        // Flow the blocks over the grid area, row by row, page by page.
        const double left = kFrameInset + kGridInset;
        const double right = kPaperWidth - kFrameInset - kGridInset;
        const double top = kFrameInset + kGridInset;
        const double bottom = kPaperHeight - kFrameInset - kTitleHeight - kGridInset;
        double x = left, y = top;
        for (const Block& block : blocks) {
            const double width = kLabelWidth + cellWidth_ * static_cast<double>(block.cells.size());
            if (drawing_.pages.empty()) drawing_.pages.emplace_back();
            if (x > left && x + width > right) {
                x = left;
                y += blockHeight + kBlockGap;
            }
            if (y > top && y + blockHeight > bottom) {
                drawing_.pages.emplace_back();
                x = left;
                y = top;
            }
            DrawBlock(block, x, y);
            x += width + kBlockGap;
        }
        const int pages = static_cast<int>(drawing_.pages.size());
        for (int p = 0; p < pages; ++p) DrawFrame(p + 1, pages);
        return std::move(drawing_);
    }

  private:
    void DrawBlock(const Block& block, double x, double y) {
        Sketch sk(drawing_.pages.back(), drawing_.scale);
        const double n = static_cast<double>(block.cells.size());
        const double width = kLabelWidth + cellWidth_ * n;
        const double drawingTop = y + kNameRow + kHeadingRow;
        const double textTop = drawingTop + drawingHeight_;
        const double height = textTop + kTextRows * kTextRow - y;
        const DrawingLayer F = DrawingLayer::Frame;
        sk.Rectangle(x, y, width, height, F);
        sk.Line(x + kLabelWidth, y, x + kLabelWidth, y + height, F);
        for (const double rowY : {y + kNameRow, drawingTop, textTop})
            sk.Line(x, rowY, x + width, rowY, F);
        for (int r = 1; r < kTextRows; ++r)
            sk.Line(x, textTop + r * kTextRow, x + width, textTop + r * kTextRow, F);
        for (int k = 1; k < static_cast<int>(block.cells.size()); ++k) {
            const double cx = x + kLabelWidth + cellWidth_ * k;
            sk.Line(cx, y + kNameRow, cx, y + height, F);
        }

        const double labelX = x + kLabelWidth / 2.0, labelRoom = kLabelWidth - 2.0;
        sk.Text("符号", labelX, y + kNameRow / 2.0, labelRoom, kTextHeight, DrawingAlign::Centre);
        sk.Text("位置", labelX, y + kNameRow + kHeadingRow / 2.0, labelRoom, kTextHeight,
                DrawingAlign::Centre);
        sk.Text("断面", labelX, drawingTop + drawingHeight_ / 2.0, labelRoom, kTextHeight,
                DrawingAlign::Centre);
        for (int r = 0; r < kTextRows; ++r)
            sk.Text(kRowLabels[r], labelX, textTop + (r + 0.5) * kTextRow, labelRoom, kTextHeight,
                    DrawingAlign::Centre);
        sk.Text(block.name, x + kLabelWidth + cellWidth_ * n / 2.0, y + kNameRow / 2.0,
                cellWidth_ * n - 2.0, kNameHeight, DrawingAlign::Centre, true);

        for (std::size_t k = 0; k < block.cells.size(); ++k) {
            const SectionCell& cell = block.cells[k];
            const double cellX = x + kLabelWidth + cellWidth_ * static_cast<double>(k);
            const double mid = cellX + cellWidth_ / 2.0, room = cellWidth_ - 2.0;
            sk.Text(cell.heading, mid, y + kNameRow + kHeadingRow / 2.0, room, kTextHeight,
                    DrawingAlign::Centre);
            const std::string* rows[kTextRows] = {&cell.sizeText, &cell.topText, &cell.bottomText,
                                                  &cell.stirrupText, &cell.judgementText};
            for (int r = 0; r < kTextRows; ++r)
                sk.Text(*rows[r], mid, textTop + (r + 0.5) * kTextRow, room, kTextHeight,
                        DrawingAlign::Centre);
            if (cell.reason.empty()) {
                DrawSection(sk, cell, mid, drawingTop + drawingHeight_ / 2.0);
            } else {
                const int columns = std::max(4, static_cast<int>(room / (kTextHeight / 2.0)));
                std::vector<std::string> lines = BreakLines(cell.reason, columns);
                const double lineHeight = kTextHeight * 1.4;
                // A reason quoting a long name from the file keeps to the drawing's room.
                const auto roomLines = static_cast<std::size_t>(drawingHeight_ / lineHeight) - 1;
                if (lines.size() > roomLines) {
                    lines.resize(roomLines);
                    lines.back() += "…";
                }
                const double first = drawingTop + drawingHeight_ / 2.0 -
                                     lineHeight * (static_cast<double>(lines.size()) - 1) / 2.0;
                for (std::size_t i = 0; i < lines.size(); ++i)
                    sk.Text(lines[i], mid, first + lineHeight * static_cast<double>(i), room,
                            kTextHeight, DrawingAlign::Centre);
            }
        }
    }

    // The section centred on (cx, cy) of the paper, to scale.
    void DrawSection(Sketch& sk, const SectionCell& cell, double cx, double cy) {
        const double s = sk.Scale();
        const double ox = cx * s - cell.width / 2.0, oy = cy * s - cell.depth / 2.0;
        DrawingPage& page = sk.Page();
        page.polylines.push_back({DrawingLayer::Outline,
                                  {{ox, oy},
                                   {ox + cell.width, oy},
                                   {ox + cell.width, oy + cell.depth},
                                   {ox, oy + cell.depth}},
                                  true,
                                  0.0});
        DrawStirrups(page, cell, ox, oy);
        for (const SectionBar& bar : cell.bars)
            page.circles.push_back({DrawingLayer::Bar, {ox + bar.x, oy + bar.y}, bar.radius, true});
    }

    // The page frame and the title block: list name, sheet title, data file, date, scale, page.
    void DrawFrame(int page, int pages) {
        Sketch sk(drawing_.pages[static_cast<std::size_t>(page - 1)], drawing_.scale);
        const DrawingLayer F = DrawingLayer::Frame;
        const double l = kFrameInset, t = kFrameInset;
        const double w = kPaperWidth - 2.0 * kFrameInset, h = kPaperHeight - 2.0 * kFrameInset;
        sk.Rectangle(l, t, w, h, F);
        const double ty = t + h - kTitleHeight;
        sk.Line(l, ty, l + w, ty, F);
        struct Field {
            const char* label;
            std::string value;
            double width;
        };
        const Field fields[] = {
            {"", "梁断面リスト", 90.0},
            {"件名", project_.settings.sheetTitle, 120.0},
            {"データファイル", options_.dataFileName, 80.0},
            {"日付", options_.date, 40.0},
            {"縮尺", "1:" + std::to_string(drawing_.scale), 30.0},
            {"ページ", std::to_string(page) + " / " + std::to_string(pages), w - 360.0},
        };
        double fx = l;
        for (const Field& f : fields) {
            if (fx > l) sk.Line(fx, ty, fx, ty + kTitleHeight, F);
            if (*f.label == '\0') {
                sk.Text(f.value, fx + f.width / 2.0, ty + kTitleHeight / 2.0, f.width - 4.0,
                        kTitleTextHeight, DrawingAlign::Centre, true);
            } else {
                sk.Text(f.label, fx + 1.5, ty + 2.5, f.width - 3.0, kLabelTextHeight,
                        DrawingAlign::Left);
                sk.Text(f.value, fx + f.width / 2.0, ty + kTitleHeight / 2.0 + 2.0, f.width - 4.0,
                        kTitleValueHeight, DrawingAlign::Centre);
            }
            fx += f.width;
        }
    }

    Project& project_;
    const SectionListOptions& options_;
    Drawing drawing_;
    double cellWidth_ = kMinCellWidth;
    double drawingHeight_ = kMinDrawingHeight;
};

}  // namespace

Drawing ComposeSectionList(Project& project, const SectionListOptions& options) {
    return ListComposer(project, options).Compose();
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y/%m/%d", &local);
    return text;
}

}  // namespace zel
