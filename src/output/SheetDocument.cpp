#include "output/SheetDocument.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "lib/Text.h"
#include "lib/Twips.h"

namespace zel {
namespace {

struct PaperDimensions {
    std::int16_t code;
    std::int32_t width, height;  // portrait, twips (1440 per inch)
};

constexpr PaperDimensions kPapers[] = {
    {kPaperA4, 11906, 16838}, {kPaperA3, 16838, 23811}, {kPaperA5, 8391, 11906},
    {kPaperB4, 14570, 20636}, {kPaperB5, 10318, 14570}, {kPaperA2, 23811, 33676},
};

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// Lines of a cell text: CR, LF or CR LF separate them.
std::vector<std::string> CellLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    if (lines.size() == 1 && lines[0].empty()) lines.clear();
    return lines;
}

// A line up to a fifth too wide for its cell is condensed; a wider one is broken at blanks, and
// what still does not fit is condensed down to half its width at most.
constexpr float kCondenseLimit = 0.8f;
constexpr float kMinLineScale = 0.5f;

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

// Length of the blank (ASCII or ideographic) at position i, 0 when there is none.
std::size_t BlankAt(std::string_view text, std::size_t i) {
    if (text[i] == ' ') return 1;
    if (text.substr(i, 3) == kIdeographicSpace) return 3;
    return 0;
}

// Breaks one line at blanks so that each piece fits the width; a word wider than the width
// stays whole. Leading blanks of the first piece are kept (captions are indented with them).
void WrapLine(std::string_view line, std::int32_t width, const SheetFontMetrics& metrics,
              const SheetFont& font, std::vector<std::string>& out) {
    bool first = true;
    while (!line.empty()) {
        if (!first) {
            while (!line.empty() && BlankAt(line, 0) > 0) line.remove_prefix(BlankAt(line, 0));
            if (line.empty()) break;
        }
        // Break candidates: the ends of words (a blank follows). Only text up to the first
        // candidate that does not fit is measured, so a long text costs time in proportion to
        // its length rather than to its square (a text never narrows as it grows).
        std::size_t best = 0, firstBreak = 0;
        bool inWord = false;
        bool overflowed = false;
        for (std::size_t i = 0; i < line.size();) {
            const std::size_t blank = BlankAt(line, i);
            if (blank > 0) {
                if (inWord) {
                    if (firstBreak == 0) firstBreak = i;
                    if (metrics.TextWidth(font, line.substr(0, i)) > width) {
                        overflowed = true;
                        break;
                    }
                    best = i;
                }
                inWord = false;
                i += blank;
            } else {
                inWord = true;
                ++i;
            }
        }
        if (!overflowed && metrics.TextWidth(font, line) <= width) {
            out.emplace_back(line);
            return;
        }
        const std::size_t cut = best > 0 ? best : firstBreak;
        if (cut == 0) {
            out.emplace_back(line);
            return;
        }
        out.emplace_back(TrimBlanksRight(line.substr(0, cut)));
        line.remove_prefix(cut);
        first = false;
    }
}

}  // namespace

std::int32_t MeasureToTwips(std::string_view measure) {
    measure = TrimChars(measure, kWhiteSpace);
    std::size_t numberEnd = 0;
    while (numberEnd < measure.size() &&
           (std::isdigit(static_cast<unsigned char>(measure[numberEnd])) ||
            measure[numberEnd] == '.' || measure[numberEnd] == '-' || measure[numberEnd] == '+')) {
        ++numberEnd;
    }
    if (numberEnd == 0) return -1;
    const std::string number(measure.substr(0, numberEnd));
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || !std::isfinite(value)) return -1;
    const std::string_view unit = TrimChars(measure.substr(numberEnd), kWhiteSpace);
    if (unit == "cm") return CmToTwips(static_cast<float>(value));
    if (unit == "mm") return CmToTwips(static_cast<float>(value / 10.0));
    if (unit == "in") return static_cast<std::int32_t>(std::lround(value * 1440.0));
    if (unit == "pt") return static_cast<std::int32_t>(std::lround(value * 20.0));
    if (unit.empty() || unit == "tw") return static_cast<std::int32_t>(std::lround(value));
    return -1;
}

std::int32_t SheetTable::Width() const {
    std::int32_t total = 0;
    for (const std::int32_t w : columnWidths) total += w;
    return total;
}

std::int32_t SheetTable::Height() const {
    std::int32_t total = 0;
    for (const std::int32_t h : rowHeights) total += h;
    return total;
}

struct SheetDocument::PendingTable {
    std::int16_t horizontalSpacing = 50;
    std::int16_t verticalSpacing = 20;
    std::int16_t rowPen = 3, columnPen = 3, headerPen = 10;
    std::int32_t framePen = 10;
    std::string format, header;
    std::vector<std::vector<std::string>> body;
    bool added = false;
    struct CellSetting {
        std::int16_t setting;
        int row1, col1, row2, col2;
        std::int32_t value;
    };
    std::vector<CellSetting> settings;
};

SheetDocument::SheetDocument(const SheetFontMetrics& metrics) : metrics_(metrics) {
    SetPaperSize(kPaperA4);
    font_.name = "ＭＳ 明朝";
    headerFont_ = font_;
}

void SheetDocument::SetMarginLeft(std::string_view measure) {
    if (const auto t = MeasureToTwips(measure); t >= 0) marginLeft_ = t;
}
void SheetDocument::SetMarginTop(std::string_view measure) {
    if (const auto t = MeasureToTwips(measure); t >= 0) marginTop_ = t;
}
void SheetDocument::SetMarginRight(std::string_view measure) {
    if (const auto t = MeasureToTwips(measure); t >= 0) marginRight_ = t;
}
void SheetDocument::SetMarginBottom(std::string_view measure) {
    if (const auto t = MeasureToTwips(measure); t >= 0) marginBottom_ = t;
}

std::int32_t SheetDocument::PageWidth() const {
    return orientation_ == 1 ? paperHeight_ : paperWidth_;
}
std::int32_t SheetDocument::PageHeight() const {
    return orientation_ == 1 ? paperWidth_ : paperHeight_;
}

void SheetDocument::SetPaperSize(std::int16_t code) {
    paperSize_ = code;
    for (const auto& paper : kPapers) {
        if (paper.code == code) {
            paperWidth_ = paper.width;
            paperHeight_ = paper.height;
            return;
        }
    }
    // User-defined or unknown sizes keep the sheet they had (A4 to begin with).
    if (paperWidth_ == 0) {
        paperWidth_ = kPapers[0].width;
        paperHeight_ = kPapers[0].height;
    }
}

void SheetDocument::SetOrientation(std::int16_t orientation) {
    orientation_ = orientation == 1 ? 1 : 0;
}

SheetPage& SheetDocument::CurrentPage() {
    if (pages_.empty()) BeginPage();
    return pages_.back();
}

void SheetDocument::BeginPage() {
    SheetPage page;
    if (!pages_.empty()) {
        page.header = pages_.back().header;
        page.footer = pages_.back().footer;
    }
    page.headerFont = headerFont_;
    page.footerFont = headerFont_;
    pages_.push_back(std::move(page));
    currentY_ = marginTop_;
    if (pageStart_) pageStart_(*this, static_cast<int>(pages_.size()));
}

void SheetDocument::StartDoc() {
    pages_.clear();
    table_.reset();
    BeginPage();
}

void SheetDocument::NewPage() {
    BeginPage();
}

void SheetDocument::SetPageStartHandler(std::function<void(PageCanvas&, int)> handler) {
    pageStart_ = std::move(handler);
}

void SheetDocument::SetHeader(std::string_view text) {
    CurrentPage().header = text;
}
void SheetDocument::SetFooter(std::string_view text) {
    CurrentPage().footer = text;
}

void SheetDocument::SetHeaderFont(std::string_view name, std::int16_t points) {
    headerFont_ = SheetFont{std::string(name), points, false};
    SheetPage& page = CurrentPage();
    page.headerFont = headerFont_;
    page.footerFont = headerFont_;
}

void SheetDocument::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    CurrentPage().items.emplace_back(SheetLine{x1, y1, x2, y2, pen_});
}

void SheetDocument::SetPolygon(std::string_view coordinates) {
    CurrentPage().items.emplace_back(ReadPolygon(coordinates, true));
}

void SheetDocument::SetPolyline(std::string_view coordinates) {
    CurrentPage().items.emplace_back(ReadPolygon(coordinates, false));
}

void SheetDocument::DrawCircle(std::int32_t cx, std::int32_t cy, std::int32_t radius) {
    CurrentPage().items.emplace_back(SheetCircle{cx, cy, std::max(0, radius), pen_, brush_});
}

void SheetDocument::DrawText(std::int32_t x, std::int32_t y, std::int32_t height,
                             std::string_view text, std::int16_t align, float widthScale) {
    SheetText item;
    item.x = x;
    item.y = y;
    item.height = std::max(1, height);
    item.text = text;
    item.font = SheetFont{font_.name, font_.points, font_.bold};
    item.align = align >= kTextLeft && align <= kTextRight ? align : std::int16_t{kTextLeft};
    // A damaged scale would draw an invisible or endless text.
    item.widthScale = std::isfinite(widthScale) ? std::clamp(widthScale, 0.05f, 1.0f) : 1.0f;
    CurrentPage().items.emplace_back(std::move(item));
}

SheetPolygon SheetDocument::ReadPolygon(std::string_view coordinates, bool closed) const {
    SheetPolygon polygon;
    polygon.pen = pen_;
    polygon.brush = brush_;
    polygon.closed = closed;
    std::vector<std::int32_t> numbers;
    const char* p = coordinates.data();
    const char* const end = p + coordinates.size();
    for (;;) {
        while (p < end && *p == ' ') ++p;
        if (p == end) break;
        std::int32_t value = 0;
        const auto [next, error] = std::from_chars(p, end, value);
        if (error != std::errc()) break;
        numbers.push_back(value);
        p = next;
    }
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) {
        polygon.points.emplace_back(numbers[i], numbers[i + 1]);
    }
    return polygon;
}

void SheetDocument::SetMeasure(std::string_view text) {
    std::int32_t width = 0;
    const std::vector<std::string> lines = CellLines(text);
    for (const std::string& line : lines) width = std::max(width, metrics_.TextWidth(font_, line));
    textWid_ = width;
    textHei_ = metrics_.LineHeight(font_) *
               static_cast<std::int32_t>(std::max<std::size_t>(1, lines.size()));
}

void SheetDocument::StartTable() {
    table_ = std::make_shared<PendingTable>();
}

void SheetDocument::SetTableSpacing(std::int16_t horizontal, std::int16_t vertical) {
    if (!table_) StartTable();
    table_->horizontalSpacing = std::max<std::int16_t>(0, horizontal);
    table_->verticalSpacing = std::max<std::int16_t>(0, vertical);
}

void SheetDocument::SetTableInnerPens(std::int16_t rows, std::int16_t columns,
                                      std::int16_t header) {
    if (!table_) StartTable();
    table_->rowPen = rows;
    table_->columnPen = columns;
    table_->headerPen = header;
}

void SheetDocument::SetTableFramePen(std::string_view measure) {
    if (!table_) StartTable();
    if (const auto t = MeasureToTwips(measure); t >= 0) table_->framePen = t;
}

void SheetDocument::AddTable(std::string_view format, std::string_view header,
                             const std::vector<std::vector<std::string>>& body) {
    if (!table_) StartTable();
    table_->format = format;
    table_->header = header;
    table_->body = body;
    table_->settings.clear();
    table_->added = true;
}

void SheetDocument::SetTableCell(std::int16_t setting, int row1, int col1, int row2, int col2,
                                 std::int32_t value) {
    if (!table_) return;
    table_->settings.push_back({setting, row1, col1, row2, col2, value});
}

void SheetDocument::EndTable() {
    if (!table_ || !table_->added) {
        table_.reset();
        return;
    }
    const PendingTable pending = *table_;
    table_.reset();

    SheetTable table;
    table.font = font_;
    table.lineHeight = metrics_.LineHeight(font_);
    table.horizontalSpacing = pending.horizontalSpacing;
    table.verticalSpacing = pending.verticalSpacing;
    table.rowPen = pending.rowPen;
    table.columnPen = pending.columnPen;
    table.headerPen = pending.headerPen;
    table.framePen = pending.framePen;

    // Columns: "+" (framed), an alignment mark and the width in twips.
    std::string_view format = TrimChars(pending.format, kWhiteSpace);
    if (!format.empty() && format.back() == ';') format.remove_suffix(1);
    std::vector<std::int16_t> columnAlign;
    for (std::string_view column : Split(format, '|')) {
        column = TrimChars(column, kWhiteSpace);
        while (!column.empty() && column.front() == '+') column.remove_prefix(1);
        std::int16_t align = kAlignLeftMiddle;
        if (!column.empty() &&
            (column.front() == '<' || column.front() == '^' || column.front() == '>')) {
            align = column.front() == '^'   ? kAlignCentreMiddle
                    : column.front() == '>' ? kAlignRightMiddle
                                            : kAlignLeftMiddle;
            column.remove_prefix(1);
        }
        std::int32_t width = 0;
        std::from_chars(column.data(), column.data() + column.size(), width);
        table.columnWidths.push_back(std::max<std::int32_t>(0, width));
        columnAlign.push_back(align);
    }
    const std::size_t columns = table.columnWidths.size();

    auto makeRow = [&](const std::vector<std::string>& texts) {
        std::vector<SheetTableCell> row(columns);
        for (std::size_t c = 0; c < columns; ++c) {
            row[c].align = columnAlign[c];
            if (c < texts.size()) row[c].lines = CellLines(texts[c]);
        }
        return row;
    };

    // Row 0 is the header row whether or not a header is given, so that cell settings count
    // body rows from 1 either way.
    std::string_view header = pending.header;
    while (!header.empty() && (header.back() == ';' || header.back() == '\n'))
        header.remove_suffix(1);
    table.hasHeader = !header.empty();
    std::vector<std::string> headerTexts;
    if (table.hasHeader) {
        for (std::string_view cell : Split(header, '|')) headerTexts.emplace_back(cell);
    }
    table.rows.push_back(makeRow(headerTexts));
    for (const auto& texts : pending.body) table.rows.push_back(makeRow(texts));

    for (const auto& s : pending.settings) {
        for (int r = std::max(0, s.row1); r <= s.row2 && r < static_cast<int>(table.rows.size());
             ++r) {
            for (int c = std::max(0, s.col1); c <= s.col2 && c < static_cast<int>(columns); ++c) {
                SheetTableCell& cell = table.rows[r][c];
                if (s.setting == kCellAlign && s.value >= 0 && s.value <= kAlignRightMiddle) {
                    cell.align = static_cast<std::int16_t>(s.value);
                } else if (s.setting == kCellBold) {
                    cell.bold = s.value != 0;
                } else if (s.setting == kCellSpan && c == s.col1) {
                    cell.span = std::clamp<int>(s.value, 1, static_cast<int>(columns) - c);
                    for (int k = 1; k < cell.span; ++k) {
                        table.rows[r][c + k].covered = true;
                        table.rows[r][c + k].lines.clear();
                    }
                }
            }
        }
    }

    // Wrap each cell to its width and size the rows. A row without any text is a thin spacer.
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        std::size_t lines = 0;
        for (std::size_t c = 0; c < columns; ++c) {
            SheetTableCell& cell = table.rows[r][c];
            if (cell.covered) continue;
            std::int32_t width = 0;
            for (int k = 0; k < cell.span; ++k) width += table.columnWidths[c + k];
            width -= 2 * table.horizontalSpacing;
            SheetFont font = font_;
            font.bold = cell.bold;
            std::vector<std::string> wrapped;
            std::vector<float> scales;
            auto scaleOf = [&](const std::string& text) {
                const std::int32_t w = metrics_.TextWidth(font, text);
                if (w <= width || w <= 0) return 1.0f;
                return std::max(kMinLineScale, static_cast<float>(width) / static_cast<float>(w));
            };
            for (const std::string& line : cell.lines) {
                const std::int32_t w = metrics_.TextWidth(font, line);
                if (line.empty() || w <= width ||
                    static_cast<float>(width) >= kCondenseLimit * static_cast<float>(w)) {
                    wrapped.push_back(line);
                    scales.push_back(scaleOf(line));
                    continue;
                }
                std::vector<std::string> pieces;
                WrapLine(line, width, metrics_, font, pieces);
                for (std::string& piece : pieces) {
                    scales.push_back(scaleOf(piece));
                    wrapped.push_back(std::move(piece));
                }
            }
            cell.lines = std::move(wrapped);
            cell.lineScales = std::move(scales);
            lines = std::max(lines, cell.lines.size());
        }
        if (r == 0 && !table.hasHeader) {
            table.rowHeights.push_back(0);
        } else if (lines == 0) {
            table.rowHeights.push_back(table.lineHeight / 3);
        } else {
            table.rowHeights.push_back(static_cast<std::int32_t>(lines) * table.lineHeight +
                                       2 * table.verticalSpacing);
        }
    }

    table.x =
        tableAlign_ == kTableAlignRight ? PageWidth() - marginRight_ - table.Width() : marginLeft_;
    table.y = currentY_;
    currentY_ = table.y + table.Height();
    CurrentPage().items.emplace_back(std::move(table));
}

}  // namespace zel
