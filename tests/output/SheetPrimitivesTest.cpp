// The sheet primitives on a SheetDocument with fixed metrics, checked to the twip.
#include <gtest/gtest.h>

#include <variant>

#include "output/SheetDocument.h"
#include "output/SheetPrimitives.h"

namespace zel {
namespace {

class SheetPrimitivesTest : public ::testing::Test {
  protected:
    SheetPrimitivesTest() : doc(metrics) {
        doc.SetMarginLeft("2.5cm");
        doc.SetMarginTop("2.0cm");
        doc.SetMarginRight("2.0cm");
        doc.SetMarginBottom("2.5cm");
        doc.StartDoc();
    }
    const SheetItem& LastItem() const { return doc.Pages().back().items.back(); }

    FixedFontMetrics metrics;
    SheetDocument doc;
};

TEST_F(SheetPrimitivesTest, MarginsAreReadAsMeasuresInTwips) {
    EXPECT_EQ(doc.MarginLeft(), 1418);  // 1417.5 to the even neighbour
    EXPECT_EQ(doc.MarginTop(), 1134);
    EXPECT_EQ(doc.MarginRight(), 1134);
    EXPECT_EQ(doc.MarginBottom(), 1418);
    EXPECT_EQ(MeasureToTwips("0.6mm"), 34);
    EXPECT_EQ(MeasureToTwips(" 1in "), 1440);
    EXPECT_EQ(MeasureToTwips("12pt"), 240);
    EXPECT_EQ(MeasureToTwips("300"), 300);
    EXPECT_EQ(MeasureToTwips("abc"), -1);
    EXPECT_EQ(MeasureToTwips("2.0furlong"), -1);
    doc.SetMarginLeft("nonsense");  // unreadable text keeps the margin
    EXPECT_EQ(doc.MarginLeft(), 1418);
}

TEST_F(SheetPrimitivesTest, LineIsPlacedInsideTheMarginsAndLeavesThePenAsFound) {
    doc.SetPenStyle(kPenDot);
    doc.SetPenWidth(7);
    doc.SetPenColor(kColorRed);
    doc.SetBrushStyle(kBrushCross);
    DrawSheetLine(doc, 1.0f, 0.5f, 2.5f, 0.0f, kPenSolid, 10, kColorBlue);
    const auto& line = std::get<SheetLine>(LastItem());
    EXPECT_EQ(line.x1, 567 + 1418);
    EXPECT_EQ(line.y1, 284 + 1134);
    EXPECT_EQ(line.x2, 1418 + 1418);
    EXPECT_EQ(line.y2, 1134);
    EXPECT_EQ(line.pen, (SheetPen{kPenSolid, 10, kColorBlue}));
    EXPECT_EQ(doc.PenStyle(), kPenDot);
    EXPECT_EQ(doc.PenWidth(), 7);
    EXPECT_EQ(doc.PenColor(), kColorRed);
    EXPECT_EQ(doc.BrushStyle(), kBrushCross);
}

TEST_F(SheetPrimitivesTest, PolygonTextHasOneBlankAfterEveryNumber) {
    const std::vector<SheetPoint> pts = {{0.0f, 0.0f}, {1.0f, 0.5f}, {2.5f, 1.0f}, {9.0f, 9.0f}};
    EXPECT_EQ(SheetPolygonText(doc, pts, 3), "1418 1134 1985 1418 2836 1701 ");
    EXPECT_EQ(SheetPolygonText(doc, pts, 0), "");
    EXPECT_EQ(SheetPolygonText(doc, pts, 99).size(), SheetPolygonText(doc, pts, 4).size());

    DrawSheetPolygon(doc, pts, 3, kPenSolid, 10, kColorBlack, kColorBlack, kFillSolid);
    const auto& poly = std::get<SheetPolygon>(LastItem());
    ASSERT_EQ(poly.points.size(), 3u);
    EXPECT_EQ(poly.points[2], (std::pair<std::int32_t, std::int32_t>{2836, 1701}));

    DrawSheetPolygon(doc, pts, 0, kPenSolid, 10, kColorBlack, kColorBlack, kFillSolid);
    EXPECT_TRUE(std::get<SheetPolygon>(LastItem()).points.empty());
}

TEST_F(SheetPrimitivesTest, PointsFarOffThePageStopAtTheLimitInsteadOfOverflowing) {
    // Damaged beam values put diagram points at the limit of the twip type (found by fuzzing).
    DrawSheetLine(doc, 1e30f, -1e30f, 0.0f, 0.0f, kPenSolid, 10, kColorBlack);
    const auto& line = std::get<SheetLine>(LastItem());
    EXPECT_EQ(line.x1, INT32_MAX);
    EXPECT_EQ(line.y1, INT32_MIN + 1134);
    const std::vector<SheetPoint> pts = {{1e30f, 1e30f}};
    EXPECT_EQ(SheetPolygonText(doc, pts, 1), "2147483647 2147483647 ");
}

TEST_F(SheetPrimitivesTest, PolygonPenAndBrushRules) {
    const std::vector<SheetPoint> pts = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}};
    doc.SetPenStyle(kPenDash);
    doc.SetPenWidth(3);
    doc.SetPenColor(kColorBlack);
    doc.SetBrushStyle(kBrushSolid);
    doc.SetBrushColor(kColorBlue);

    // Fill code 0: outline only; the brush colour is not touched, not even while drawing.
    DrawSheetPolygon(doc, pts, 3, kPenSolid, 10, kColorRed, kColorLightGrey, kFillNone);
    const auto& outline = std::get<SheetPolygon>(LastItem());
    EXPECT_EQ(outline.brush.style, kBrushTransparent);
    EXPECT_EQ(outline.brush.color, kColorBlue);
    EXPECT_EQ(outline.pen, (SheetPen{kPenSolid, 10, kColorRed}));

    // Fill code n: brush style n - 1 in the given colour, for the polygon only.
    DrawSheetPolygon(doc, pts, 3, kPenSolid, 10, kColorWhite, kColorBlack, kFillDownwardDiagonal);
    const auto& hatched = std::get<SheetPolygon>(LastItem());
    EXPECT_EQ(hatched.brush, (SheetBrush{kBrushDownwardDiagonal, kColorBlack}));
    DrawSheetPolygon(doc, pts, 3, kPenSolid, 10, kColorWhite, kColorBlack, kFillVerticalLines);
    EXPECT_EQ(std::get<SheetPolygon>(LastItem()).brush.style, kBrushVertical);

    // Everything is restored except the pen colour, which stays white from the last polygon.
    EXPECT_EQ(doc.PenStyle(), kPenDash);
    EXPECT_EQ(doc.PenWidth(), 3);
    EXPECT_EQ(doc.BrushStyle(), kBrushSolid);
    EXPECT_EQ(doc.BrushColor(), kColorBlue);
    EXPECT_EQ(doc.PenColor(), kColorWhite);
}

TEST_F(SheetPrimitivesTest, PaperSetupGivesTheA4PrintableAreaAndKeepsTheZoom) {
    SheetLayout layout;
    doc.SetZoom(87.0);
    ApplyPaperSetup(doc, layout, 4, 0);
    EXPECT_EQ(doc.PaperSize(), kPaperA4);
    EXPECT_EQ(doc.Orientation(), 0);
    EXPECT_TRUE(doc.PhysicalPage());
    EXPECT_EQ(doc.FontSize(), 10);
    EXPECT_EQ(doc.PageWidth(), 11906);
    EXPECT_EQ(doc.PageHeight(), 16838);
    EXPECT_FLOAT_EQ(layout.PrintableWidthCm, 11906.0f / 567.0f - 2552.0f / 567.0f);
    EXPECT_FLOAT_EQ(layout.PrintableHeightCm, 16838.0f / 567.0f - 2552.0f / 567.0f);
    EXPECT_DOUBLE_EQ(doc.Zoom(), 87.0);  // same paper and orientation: W1 = W0

    // From A4 to A3 the printable width grows and the zoom shrinks by the same ratio.
    const float w0 = layout.PrintableWidthCm;
    ApplyPaperSetup(doc, layout, 3, 0);
    EXPECT_EQ(doc.PaperSize(), kPaperA3);
    EXPECT_NEAR(doc.Zoom(), 87.0 / (layout.PrintableWidthCm / w0), 1e-3);
}

TEST_F(SheetPrimitivesTest, PaperCodesMapToCanvasSizes) {
    EXPECT_EQ(PaperSizeForCode(0), kPaperUser);
    EXPECT_EQ(PaperSizeForCode(13), kPaperUser);
    EXPECT_EQ(PaperSizeForCode(2), kPaperA2);
    EXPECT_EQ(PaperSizeForCode(4), kPaperA4);
    EXPECT_EQ(PaperSizeForCode(14), kPaperB4);
    EXPECT_EQ(PaperSizeForCode(15), kPaperB5);
    EXPECT_EQ(PaperSizeForCode(6), kPaperNone);
    EXPECT_EQ(PaperSizeForCode(-1), kPaperNone);
}

TEST_F(SheetPrimitivesTest, LandscapeCountsHalfThePageWidth) {
    SheetLayout layout;
    doc.SetOrientation(1);
    ApplyPaperSetup(doc, layout, 4, 1);
    EXPECT_EQ(doc.PageWidth(), 16838);
    EXPECT_FLOAT_EQ(layout.PrintableWidthCm, 16838.0f / 2.0f / 567.0f - 2552.0f / 567.0f);
}

TEST_F(SheetPrimitivesTest, TextCellIsMeasuredInTheCurrentFont) {
    SheetLayout layout;
    doc.SetFontSize(10);
    MeasureTextCell(doc, layout);
    EXPECT_EQ(doc.TextWid(), 100);
    EXPECT_EQ(doc.TextHei(), 200);
    EXPECT_FLOAT_EQ(layout.CharWidthCm, 100.0f / 567.0f);
    EXPECT_FLOAT_EQ(layout.LineHeightCm, 1.3f * 200.0f / 567.0f);
    doc.SetFontSize(12);
    MeasureTextCell(doc, layout);
    EXPECT_FLOAT_EQ(layout.CharWidthCm, 120.0f / 567.0f);
}

TEST_F(SheetPrimitivesTest, NewPageCallsThePageHandlerWithItsNumber) {
    std::vector<int> started;
    doc.SetPageStartHandler([&](PageCanvas& c, int page) {
        started.push_back(page);
        c.SetHeader(page == 1 ? "title" : "");
    });
    doc.StartDoc();
    BeginSheetPage(doc);
    BeginSheetPage(doc);
    EXPECT_EQ(doc.PageCount(), 3);
    EXPECT_EQ(started, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(doc.Pages()[0].header, "title");
    EXPECT_EQ(doc.Pages()[2].header, "");
}

}  // namespace
}  // namespace zel
