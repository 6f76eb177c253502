// Text tables of the SheetDocument: format, header, cells, wrapping and placement.
#include <gtest/gtest.h>

#include <variant>

#include "output/SheetDocument.h"

namespace zel {
namespace {

class SheetTableTest : public ::testing::Test {
  protected:
    SheetTableTest() : doc(metrics) {
        doc.SetMarginLeft("2.5cm");
        doc.SetMarginTop("2.0cm");
        doc.SetMarginRight("2.0cm");
        doc.SetMarginBottom("2.5cm");
        doc.StartDoc();
        doc.SetFontSize(10);
    }
    const SheetTable& LastTable() const {
        return std::get<SheetTable>(doc.Pages().back().items.back());
    }

    FixedFontMetrics metrics;
    SheetDocument doc;
};

TEST_F(SheetTableTest, FormatGivesWidthsAndAlignmentHeaderGivesMultiLineCells) {
    doc.SetCurrentY(2000);
    doc.SetFontSize(7);
    doc.StartTable();
    doc.SetTableSpacing(30, 15);
    doc.AddTable("+^300|+<600|+>650;", "No|荷  重\rタイプ|Ｈ\r(m);", {{"1", "集 中", "2.000"}});
    doc.EndTable();
    const SheetTable& t = LastTable();
    EXPECT_EQ(t.columnWidths, (std::vector<std::int32_t>{300, 600, 650}));
    EXPECT_EQ(t.Width(), 1550);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_TRUE(t.hasHeader);
    EXPECT_EQ(t.rows[0][1].lines, (std::vector<std::string>{"荷  重", "タイプ"}));
    EXPECT_EQ(t.rows[0][2].lines, (std::vector<std::string>{"Ｈ", "(m)"}));
    EXPECT_EQ(t.rows[1][0].align, kAlignCentreMiddle);
    EXPECT_EQ(t.rows[1][1].align, kAlignLeftMiddle);
    EXPECT_EQ(t.rows[1][2].align, kAlignRightMiddle);
    // Rows: lines × 140 twips (7 pt) + the vertical spacing above and below.
    EXPECT_EQ(t.rowHeights, (std::vector<std::int32_t>{310, 170}));
    EXPECT_EQ(t.font.points, 7);
    EXPECT_EQ(t.x, 1418);
    EXPECT_EQ(t.y, 2000);
    EXPECT_EQ(doc.CurrentY(), 2000 + 480);
}

TEST_F(SheetTableTest, RightAlignedTableEndsAtTheRightMargin) {
    doc.SetTableAlign(kTableAlignRight);
    doc.StartTable();
    doc.AddTable("+^300|+^600;", "", {{"a", "b"}});
    doc.EndTable();
    EXPECT_EQ(LastTable().x + LastTable().Width(), 11906 - 1134);
    EXPECT_FALSE(LastTable().hasHeader);
    EXPECT_EQ(LastTable().rowHeights[0], 0);
}

TEST_F(SheetTableTest, CellSettingsCountTheHeaderAsRowZero) {
    doc.StartTable();
    doc.AddTable("+^300|+^600|+^600|+^600;", "a|b|c|d;",
                 {{"1", "2", "3", "4"}, {"5", "6", "7", "8"}});
    doc.SetTableCell(kCellAlign, 0, 1, 2, 3, kAlignCentreMiddle);
    doc.SetTableCell(kCellAlign, 1, 2, 2, 3, kAlignRightMiddle);
    doc.SetTableCell(kCellAlign, 9, 9, 12, 12, kAlignRightMiddle);  // outside: ignored
    doc.EndTable();
    const SheetTable& t = LastTable();
    EXPECT_EQ(t.rows[0][2].align, kAlignCentreMiddle);
    EXPECT_EQ(t.rows[1][1].align, kAlignCentreMiddle);
    EXPECT_EQ(t.rows[1][2].align, kAlignRightMiddle);
    EXPECT_EQ(t.rows[2][3].align, kAlignRightMiddle);
}

TEST_F(SheetTableTest, SpannedCellsWrapAtBlanksToTheirWidth) {
    doc.StartTable();
    doc.SetTableSpacing(25, 10);
    // 1000 twips of value columns, 950 for text: ten half-width characters at 10 pt.
    doc.AddTable("+<500|+^500|+^500;", "",
                 {{" caption", "aaaa bbbb cccc", ""}, {"", "", ""}, {"x", "toolongword_here", ""}});
    doc.SetTableCell(kCellSpan, 1, 1, 3, 1, 2);
    doc.EndTable();
    const SheetTable& t = LastTable();
    EXPECT_EQ(t.rows[1][0].lines, (std::vector<std::string>{" caption"}));
    EXPECT_EQ(t.rows[1][1].span, 2);
    EXPECT_TRUE(t.rows[1][2].covered);
    EXPECT_EQ(t.rows[1][1].lines, (std::vector<std::string>{"aaaa bbbb", "cccc"}));
    EXPECT_EQ(t.rows[3][1].lines, (std::vector<std::string>{"toolongword_here"}));
    // Two lines, a spacer row of a third of a line, one line.
    EXPECT_EQ(t.rowHeights, (std::vector<std::int32_t>{0, 420, 66, 220}));
}

// Counts how much text is measured, to see that wrapping a long text stays linear.
class CountingMetrics final : public SheetFontMetrics {
  public:
    std::int32_t TextWidth(const SheetFont& font, std::string_view text) const override {
        measured += text.size();
        return fixed.TextWidth(font, text);
    }
    std::int32_t LineHeight(const SheetFont& font) const override { return fixed.LineHeight(font); }
    FixedFontMetrics fixed;
    mutable std::size_t measured = 0;
};

TEST(SheetTableWrapTest, LongTextIsWrappedWithoutMeasuringItOverAndOver) {
    // A damaged file can carry a 64 KB text; measuring the whole rest of it for every piece made
    // wrapping quadratic.
    std::string text;
    for (int i = 0; i < 4000; ++i) text += "ab ";
    CountingMetrics counting;
    SheetDocument doc(counting);
    doc.StartDoc();
    doc.StartTable();
    doc.AddTable("+<500;", "", {{text}});
    doc.EndTable();
    const auto& t = std::get<SheetTable>(doc.Pages().back().items.back());
    ASSERT_EQ(t.rows.size(), 2u);  // no header, one body row
    const auto& lines = t.rows[1][0].lines;
    EXPECT_EQ(lines.size(), 4000u);  // one word a line in this narrow cell
    EXPECT_EQ(lines.front(), "ab");
    EXPECT_LT(counting.measured, 50 * text.size());
}

TEST_F(SheetTableTest, TableWithoutAddTableDrawsNothing) {
    doc.StartTable();
    doc.EndTable();
    EXPECT_TRUE(doc.Pages().back().items.empty());
    doc.EndTable();  // a second end is harmless
    EXPECT_TRUE(doc.Pages().back().items.empty());
}

TEST_F(SheetTableTest, PolygonTextIsReadAsPairsUntilItStopsBeingNumbers) {
    doc.SetPolygon("10 20 30 40 50 ");
    EXPECT_EQ(std::get<SheetPolygon>(doc.Pages().back().items.back()).points.size(), 2u);
    doc.SetPolygon("10 20 x 40 50 60");
    EXPECT_EQ(std::get<SheetPolygon>(doc.Pages().back().items.back()).points.size(), 1u);
    doc.SetPolygon("99999999999999999999 1");
    EXPECT_TRUE(std::get<SheetPolygon>(doc.Pages().back().items.back()).points.empty());
}

TEST_F(SheetTableTest, HeaderAndFooterFollowThePageTheyAreSetOn) {
    doc.SetHeaderFont("ＭＳ 明朝", 12);
    doc.SetHeader("見出し");
    doc.SetFooter("|- 1 -");
    doc.NewPage();
    // A new page starts with the texts of the page before until they are set again.
    EXPECT_EQ(doc.Pages()[1].footer, "|- 1 -");
    doc.SetHeader("");
    EXPECT_EQ(doc.Pages()[0].header, "見出し");
    EXPECT_EQ(doc.Pages()[1].header, "");
    EXPECT_EQ(doc.Pages()[1].headerFont.points, 12);
}

}  // namespace
}  // namespace zel
