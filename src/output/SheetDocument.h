#pragma once
// The calculation sheet as data: pages of lines, polygons and laid-out text tables in twips,
// with header and footer texts. It is the PageCanvas the sheet is composed on; a renderer
// paints its pages onto a screen, a printer or a PDF.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "output/PageCanvas.h"
#include "output/SheetFontMetrics.h"

namespace zel {

struct SheetPen {
    std::int16_t style = kPenSolid;
    std::int16_t width = 0;  // twips; 0 is the thinnest line the device draws
    std::uint32_t color = kColorBlack;
    bool operator==(const SheetPen&) const = default;
};

struct SheetBrush {
    std::int16_t style = kBrushSolid;
    std::uint32_t color = kColorWhite;
    bool operator==(const SheetBrush&) const = default;
};

struct SheetLine {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    SheetPen pen;
};

struct SheetPolygon {
    std::vector<std::pair<std::int32_t, std::int32_t>> points;
    SheetPen pen;
    SheetBrush brush;
    bool closed = true;  // false: an open line, drawn with the pen only
};

struct SheetCircle {
    std::int32_t cx = 0, cy = 0, radius = 0;
    SheetPen pen;
    SheetBrush brush;
};

enum SheetTextAlign : std::int16_t { kTextLeft = 0, kTextCentre = 1, kTextRight = 2 };

// One line of text placed on the page: (x, y) is the middle of its left end, centre or right
// end; height is the em in twips.
struct SheetText {
    std::int32_t x = 0, y = 0, height = 0;
    std::string text;
    SheetFont font;  // name and weight; its size is `height`
    std::int16_t align = kTextLeft;
    float widthScale = 1.0f;
};

// Cell setting codes of SetTableCell.
enum TableCellSetting : std::int16_t {
    kCellAlign = 19,  // value: TableCellAlign
    kCellSpan = 20,   // value: number of columns the cell covers, from its own to the right
    kCellBold = 21,   // value: 0 or 1
};

// Cell alignment values of kCellAlign.
enum TableCellAlign : std::int16_t {
    kAlignLeftTop = 0,
    kAlignRightTop = 1,
    kAlignCentreTop = 2,
    kAlignLeftBottom = 3,
    kAlignRightBottom = 4,
    kAlignCentreBottom = 5,
    kAlignLeftMiddle = 6,
    kAlignCentreMiddle = 7,
    kAlignRightMiddle = 8,
};

struct SheetTableCell {
    std::vector<std::string> lines;  // after wrapping to the cell width
    // Horizontal scale of each line: a line a little too wide for its cell is condensed to fit
    // rather than broken (1 for lines that fit).
    std::vector<float> lineScales;
    std::int16_t align = kAlignLeftMiddle;
    int span = 1;          // columns covered, this one included
    bool covered = false;  // part of a span started to the left
    bool bold = false;
};

// A text table with its layout done: rows of cells at fixed positions.
struct SheetTable {
    std::int32_t x = 0, y = 0;  // top-left corner (twips)
    std::vector<std::int32_t> columnWidths;
    std::vector<std::int32_t> rowHeights;
    std::vector<std::vector<SheetTableCell>> rows;  // row 0 is the header when hasHeader
    bool hasHeader = false;
    SheetFont font;
    std::int32_t lineHeight = 0;         // of the font, as measured while composing
    std::int16_t horizontalSpacing = 0;  // blank beside the text
    std::int16_t verticalSpacing = 0;    // blank above and below the lines, each
    std::int16_t rowPen = 0, columnPen = 0, headerPen = 0;  // inner line widths
    std::int32_t framePen = 0;                              // outer frame width

    std::int32_t Width() const;
    std::int32_t Height() const;
};

using SheetItem = std::variant<SheetLine, SheetPolygon, SheetTable, SheetCircle, SheetText>;

struct SheetPage {
    std::vector<SheetItem> items;
    std::string header;  // "left|centre|right"
    std::string footer;
    SheetFont headerFont;
    SheetFont footerFont;
};

class SheetDocument final : public PageCanvas {
  public:
    // The metrics must outlive the document.
    explicit SheetDocument(const SheetFontMetrics& metrics);

    const std::vector<SheetPage>& Pages() const { return pages_; }
    const SheetFontMetrics& Metrics() const { return metrics_; }

    std::int32_t MarginLeft() const override { return marginLeft_; }
    std::int32_t MarginTop() const override { return marginTop_; }
    std::int32_t MarginRight() const override { return marginRight_; }
    std::int32_t MarginBottom() const override { return marginBottom_; }
    void SetMarginLeft(std::string_view measure) override;
    void SetMarginTop(std::string_view measure) override;
    void SetMarginRight(std::string_view measure) override;
    void SetMarginBottom(std::string_view measure) override;
    std::int32_t PageWidth() const override;
    std::int32_t PageHeight() const override;
    std::int16_t PaperSize() const override { return paperSize_; }
    void SetPaperSize(std::int16_t code) override;
    std::int16_t Orientation() const override { return orientation_; }
    void SetOrientation(std::int16_t orientation) override;
    bool PhysicalPage() const override { return physicalPage_; }
    void SetPhysicalPage(bool on) override { physicalPage_ = on; }
    double Zoom() const override { return zoom_; }
    void SetZoom(double percent) override { zoom_ = percent; }

    std::string FontName() const override { return font_.name; }
    void SetFontName(std::string_view name) override { font_.name = name; }
    std::int16_t FontSize() const override { return font_.points; }
    void SetFontSize(std::int16_t points) override { font_.points = points; }
    bool FontBold() const override { return font_.bold; }
    void SetFontBold(bool bold) override { font_.bold = bold; }

    std::int16_t PenStyle() const override { return pen_.style; }
    void SetPenStyle(std::int16_t style) override { pen_.style = style; }
    std::int16_t PenWidth() const override { return pen_.width; }
    void SetPenWidth(std::int16_t width) override { pen_.width = width; }
    std::uint32_t PenColor() const override { return pen_.color; }
    void SetPenColor(std::uint32_t color) override { pen_.color = color; }
    std::int16_t BrushStyle() const override { return brush_.style; }
    void SetBrushStyle(std::int16_t style) override { brush_.style = style; }
    std::uint32_t BrushColor() const override { return brush_.color; }
    void SetBrushColor(std::uint32_t color) override { brush_.color = color; }

    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void SetPolygon(std::string_view coordinates) override;
    void SetPolyline(std::string_view coordinates) override;
    void DrawCircle(std::int32_t cx, std::int32_t cy, std::int32_t radius) override;
    void DrawText(std::int32_t x, std::int32_t y, std::int32_t height, std::string_view text,
                  std::int16_t align, float widthScale) override;

    void StartDoc() override;
    void NewPage() override;
    void EndDoc() override {}
    int PageCount() const override { return static_cast<int>(pages_.size()); }
    void SetPageStartHandler(std::function<void(PageCanvas&, int page)> handler) override;

    void SetHeader(std::string_view text) override;
    void SetFooter(std::string_view text) override;
    void SetHeaderFont(std::string_view name, std::int16_t points) override;

    void SetMeasure(std::string_view text) override;
    std::int32_t TextWid() const override { return textWid_; }
    std::int32_t TextHei() const override { return textHei_; }

    std::int32_t CurrentY() const override { return currentY_; }
    void SetCurrentY(std::int32_t y) override { currentY_ = y; }
    std::int16_t TableAlign() const override { return tableAlign_; }
    void SetTableAlign(std::int16_t align) override { tableAlign_ = align; }
    void StartTable() override;
    void SetTableSpacing(std::int16_t horizontal, std::int16_t vertical) override;
    void SetTableInnerPens(std::int16_t rows, std::int16_t columns, std::int16_t header) override;
    void SetTableFramePen(std::string_view measure) override;
    void AddTable(std::string_view format, std::string_view header,
                  const std::vector<std::vector<std::string>>& body) override;
    void SetTableCell(std::int16_t setting, int row1, int col1, int row2, int col2,
                      std::int32_t value) override;
    void EndTable() override;

  private:
    struct PendingTable;
    SheetPage& CurrentPage();
    void BeginPage();
    SheetPolygon ReadPolygon(std::string_view coordinates, bool closed) const;

    const SheetFontMetrics& metrics_;
    std::int32_t marginLeft_ = 1440, marginTop_ = 1440, marginRight_ = 1440, marginBottom_ = 1440;
    std::int16_t paperSize_ = kPaperA4;
    std::int32_t paperWidth_ = 0, paperHeight_ = 0;  // portrait size of the paper
    std::int16_t orientation_ = 0;
    bool physicalPage_ = false;
    double zoom_ = 100.0;
    SheetFont font_;
    SheetFont headerFont_;
    SheetPen pen_;
    SheetBrush brush_;
    std::int32_t textWid_ = 0, textHei_ = 0;
    std::int32_t currentY_ = 0;
    std::int16_t tableAlign_ = kTableAlignLeft;
    std::vector<SheetPage> pages_;
    std::function<void(PageCanvas&, int)> pageStart_;
    std::shared_ptr<PendingTable> table_;
};

}  // namespace zel
