#pragma once
// The paginated surface the calculation sheet is composed on. Units are twips with the origin
// at the top-left corner of the physical page, y downwards. The operations mirror what a page
// composition component offers: page geometry, pen and brush state, lines, polygons given as
// coordinate text, measured text, header/footer texts and text tables.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// Pen styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible, 6 inside solid.
enum PenStyleCode : std::int16_t {
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenInvisible = 5,
    kPenInsideSolid = 6,
};

// Brush styles: 0 solid, 1 transparent, 2 horizontal, 3 vertical, 4 upward diagonal,
// 5 downward diagonal, 6 cross, 7 diagonal cross.
enum BrushStyleCode : std::int16_t {
    kBrushSolid = 0,
    kBrushTransparent = 1,
    kBrushHorizontal = 2,
    kBrushVertical = 3,
    kBrushUpwardDiagonal = 4,
    kBrushDownwardDiagonal = 5,
    kBrushCross = 6,
    kBrushDiagonalCross = 7,
};

// Colours are 0x00BBGGRR like the classic palette values; the entries the sheet uses:
inline constexpr std::uint32_t kColorBlack = 0x000000;      // palette 0
inline constexpr std::uint32_t kColorLightGrey = 0xC0C0C0;  // palette 7
inline constexpr std::uint32_t kColorBlue = 0xFF0000;       // palette 9 (light blue)
inline constexpr std::uint32_t kColorRed = 0x0000FF;        // palette 12 (light red)
inline constexpr std::uint32_t kColorWhite = 0xFFFFFF;      // palette 15

// Table alignment on the line: left margin or flush with the right margin.
enum TableAlignCode : std::int16_t { kTableAlignLeft = 0, kTableAlignRight = 2 };

// Paper size codes of the canvas.
enum PaperSizeCode : std::int16_t {
    kPaperNone = 0,
    kPaperA3 = 8,
    kPaperA4 = 9,
    kPaperA5 = 11,
    kPaperB4 = 12,
    kPaperB5 = 13,
    kPaperA2 = 66,
    kPaperUser = 256,
};

class PageCanvas {
  public:
    virtual ~PageCanvas() = default;

    // Page geometry (twips). Margins are set as texts with a unit ("2.5cm", "10mm", "1in").
    virtual std::int32_t MarginLeft() const = 0;
    virtual std::int32_t MarginTop() const = 0;
    virtual std::int32_t MarginRight() const = 0;
    virtual std::int32_t MarginBottom() const = 0;
    virtual void SetMarginLeft(std::string_view measure) = 0;
    virtual void SetMarginTop(std::string_view measure) = 0;
    virtual void SetMarginRight(std::string_view measure) = 0;
    virtual void SetMarginBottom(std::string_view measure) = 0;
    virtual std::int32_t PageWidth() const = 0;
    virtual std::int32_t PageHeight() const = 0;
    virtual std::int16_t PaperSize() const = 0;
    virtual void SetPaperSize(std::int16_t code) = 0;
    virtual std::int16_t Orientation() const = 0;  // 0 portrait, 1 landscape
    virtual void SetOrientation(std::int16_t orientation) = 0;
    virtual bool PhysicalPage() const = 0;
    virtual void SetPhysicalPage(bool on) = 0;
    virtual double Zoom() const = 0;  // percent
    virtual void SetZoom(double percent) = 0;

    // Current font.
    virtual std::string FontName() const = 0;
    virtual void SetFontName(std::string_view name) = 0;
    virtual std::int16_t FontSize() const = 0;  // points
    virtual void SetFontSize(std::int16_t points) = 0;
    virtual bool FontBold() const = 0;
    virtual void SetFontBold(bool bold) = 0;

    // Pen and brush.
    virtual std::int16_t PenStyle() const = 0;
    virtual void SetPenStyle(std::int16_t style) = 0;
    virtual std::int16_t PenWidth() const = 0;  // twips
    virtual void SetPenWidth(std::int16_t width) = 0;
    virtual std::uint32_t PenColor() const = 0;
    virtual void SetPenColor(std::uint32_t color) = 0;
    virtual std::int16_t BrushStyle() const = 0;
    virtual void SetBrushStyle(std::int16_t style) = 0;
    virtual std::uint32_t BrushColor() const = 0;
    virtual void SetBrushColor(std::uint32_t color) = 0;

    // Drawing, page coordinates in twips.
    virtual void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
    // "x1 y1 x2 y2 ..." in twips; the figure is closed, outlined with the pen and filled with
    // the brush. Text that is not pairs of integers draws only the pairs read before it.
    virtual void SetPolygon(std::string_view coordinates) = 0;
    // The same points as an open line, drawn with the pen only.
    virtual void SetPolyline(std::string_view coordinates) = 0;
    // A circle round (cx, cy), outlined with the pen and filled with the brush.
    virtual void DrawCircle(std::int32_t cx, std::int32_t cy, std::int32_t radius) = 0;
    // One line of text in the current font name and weight, `height` twips to the em; (x, y)
    // is the middle of its left end, centre or right end (align 0, 1, 2), and the text is
    // condensed across by widthScale (1: as the font sets it).
    virtual void DrawText(std::int32_t x, std::int32_t y, std::int32_t height,
                          std::string_view text, std::int16_t align, float widthScale) = 0;

    // Document and pages.
    virtual void StartDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual int PageCount() const = 0;
    // Called with the number (from 1) of each page as it is started, the first included.
    virtual void SetPageStartHandler(std::function<void(PageCanvas&, int page)> handler) = 0;

    // Header and footer of the current page: "left|centre|right".
    virtual void SetHeader(std::string_view text) = 0;
    virtual void SetFooter(std::string_view text) = 0;
    virtual void SetHeaderFont(std::string_view name, std::int16_t points) = 0;

    // Text measurement in the current font.
    virtual void SetMeasure(std::string_view text) = 0;
    virtual std::int32_t TextWid() const = 0;
    virtual std::int32_t TextHei() const = 0;

    // Text tables, placed at the current text position and advancing it.
    virtual std::int32_t CurrentY() const = 0;
    virtual void SetCurrentY(std::int32_t y) = 0;
    virtual std::int16_t TableAlign() const = 0;
    virtual void SetTableAlign(std::int16_t align) = 0;
    virtual void StartTable() = 0;
    // Inner cell spacing: blank kept left and right of a cell's text, and above and below it.
    virtual void SetTableSpacing(std::int16_t horizontal, std::int16_t vertical) = 0;
    // Widths (twips) of the lines between rows, between columns and under the header row.
    virtual void SetTableInnerPens(std::int16_t rows, std::int16_t columns,
                                   std::int16_t header) = 0;
    // Width of the outer frame as a measure text ("0.6mm").
    virtual void SetTableFramePen(std::string_view measure) = 0;
    // Format "+<1340|+^1220;" ("<" left, "^" centred, ">" right), header "a|b\rc;", body rows.
    virtual void AddTable(std::string_view format, std::string_view header,
                          const std::vector<std::vector<std::string>>& body) = 0;
    // Cell setting over rows row1..row2 (0 = header row) and columns col1..col2.
    virtual void SetTableCell(std::int16_t setting, int row1, int col1, int row2, int col2,
                              std::int32_t value) = 0;
    virtual void EndTable() = 0;
};

// Reads "2.5cm", "6mm", "1in", "12pt" or plain twips; -1 for a text it cannot read.
std::int32_t MeasureToTwips(std::string_view measure);

}  // namespace zel
