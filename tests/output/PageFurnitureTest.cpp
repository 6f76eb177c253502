// Header and footer, the beam and load drawing and the load table, to the twip.
#include <gtest/gtest.h>

#include <limits>
#include <variant>

#include "lib/Twips.h"
#include "output/PageFurniture.h"
#include "output/SheetDocument.h"

namespace zel {
namespace {

using Point = std::pair<std::int32_t, std::int32_t>;

class PageFurnitureTest : public ::testing::Test {
  protected:
    PageFurnitureTest() : doc(metrics) {
        doc.SetMarginLeft("2.5cm");
        doc.SetMarginTop("2.0cm");
        doc.SetMarginRight("2.0cm");
        doc.SetMarginBottom("2.5cm");
        doc.StartDoc();
        doc.SetFontSize(10);
        beam.spanLength = 5.5f;  // 1 cm per metre on the 5.5 cm beam line
    }
    void AddLoad(std::int16_t type, float value, float height, std::array<float, 4> lengths) {
        const int k = beam.loadCount++;
        beam.loadType[k] = type;
        beam.loadValue[k] = value;
        beam.loadHeight[k] = height;
        beam.loadLengths[k] = lengths;
    }
    std::vector<SheetPolygon> Polygons() const {
        std::vector<SheetPolygon> out;
        for (const auto& item : doc.Pages().back().items)
            if (const auto* p = std::get_if<SheetPolygon>(&item)) out.push_back(*p);
        return out;
    }
    std::vector<SheetLine> Lines() const {
        std::vector<SheetLine> out;
        for (const auto& item : doc.Pages().back().items)
            if (const auto* l = std::get_if<SheetLine>(&item)) out.push_back(*l);
        return out;
    }
    std::int32_t X(float cm) const { return CmToTwips(cm) + 1418; }
    std::int32_t Y(float cm) const { return CmToTwips(cm) + 1134; }

    FixedFontMetrics metrics;
    SheetDocument doc;
    BeamRecord beam;
    ProjectSettings settings;
};

TEST_F(PageFurnitureTest, HeaderOnPageOneAndPageNumbersFromTheStartNumber) {
    PrintSettings print;
    print.HeadingText = "梁断面算定結果";
    print.PageNumberMode = 2;
    print.StartPageNumber = 5;
    doc.SetPageStartHandler([&](PageCanvas& c, int page) { SetPageHeaderFooter(c, print, page); });
    doc.StartDoc();
    doc.NewPage();
    doc.NewPage();
    ASSERT_EQ(doc.PageCount(), 3);
    EXPECT_EQ(doc.Pages()[0].header, "梁断面算定結果");
    EXPECT_EQ(doc.Pages()[1].header, "");
    EXPECT_EQ(doc.Pages()[0].footer, "|- 5 -");
    EXPECT_EQ(doc.Pages()[2].footer, "|- 7 -");
    EXPECT_EQ(doc.Pages()[2].headerFont.points, 12);

    print.HeadingText.clear();
    print.PageNumberMode = 1;
    doc.StartDoc();
    EXPECT_EQ(doc.Pages()[0].header, "");
    EXPECT_EQ(doc.Pages()[0].footer, "");
}

TEST_F(PageFurnitureTest, SimpleBeamWithoutLoadsHasPinsAndNoTable) {
    SheetLayout layout;
    DrawBeamDiagram(doc, layout, beam, settings, 8.0f, 0.0f);
    EXPECT_FLOAT_EQ(layout.CharWidthCm, 100.0f / 567.0f);
    const float x0 = 8.0f + 9.0f * layout.CharWidthCm;
    const float y0 = 1.5f + layout.LineHeightCm;
    const auto polys = Polygons();
    ASSERT_EQ(polys.size(), 3u);  // beam and two pins, nothing else
    EXPECT_EQ(polys[0].points, (std::vector<Point>{{X(x0), Y(y0)},
                                                   {X(x0), Y(y0 + 0.18f)},
                                                   {X(x0 + 5.5f), Y(y0 + 0.18f)},
                                                   {X(x0 + 5.5f), Y(y0)}}));
    EXPECT_EQ(polys[0].brush.style, kBrushTransparent);
    EXPECT_EQ(polys[1].points[1], (Point{X(x0 - 0.11f), Y(y0 + 0.40f)}));
    EXPECT_EQ(polys[2].points[0], (Point{X(x0 + 5.5f), Y(y0 + 0.18f)}));
    EXPECT_EQ(polys[2].brush, (SheetBrush{kBrushSolid, kColorBlack}));
    EXPECT_TRUE(Lines().empty());
}

TEST_F(PageFurnitureTest, CantileverHasAHatchedWall) {
    SheetLayout layout;
    beam.supportType = 1;
    DrawBeamDiagram(doc, layout, beam, settings, 8.0f, 0.0f);
    const float x0 = 8.0f + 9.0f * layout.CharWidthCm;
    const float y0 = 1.5f + layout.LineHeightCm;
    const auto polys = Polygons();
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[1].points.front(), (Point{X(x0 - 0.4f), Y(y0 - 1.4f)}));
    EXPECT_EQ(polys[1].brush, (SheetBrush{kBrushDownwardDiagonal, kColorBlack}));
    EXPECT_EQ(polys[1].pen.color, kColorWhite);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen, (SheetPen{kPenSolid, 10, kColorBlack}));
    EXPECT_EQ(lines[0].y2, Y(y0 + 0.5f));
    // The wall polygon left its white pen colour; the black line that follows restores only
    // its own pen, so the canvas keeps white.
    EXPECT_EQ(doc.PenColor(), kColorWhite);
}

TEST_F(PageFurnitureTest, LoadHeightsAreClampedAndHeadsPointTheRightWay) {
    AddLoad(kLoadConcentrated, 0.05f, 0.0f, {1.0f, 0, 0, 0});  // 0.05 cm -> 0.144
    AddLoad(kLoadUniform, 3.0f, 2.0f, {0.0f, 5.5f, 0, 0});     // 6 cm -> 1.5
    AddLoad(kLoadConcentrated, -0.5f, 0.0f, {2.0f, 0, 0, 0});  // head at the top, dotted
    AddLoad(kLoadConcentrated, 0.0f, 0.0f, {3.0f, 0, 0, 0});   // zero: head at the top too
    AddLoad(kLoadTriangle, 0.2f, 1.0f, {1.0f, 2.0f, 0, 0});    // after a negative: solid again
    AddLoad(9, 1.0f, 1.0f, {0, 1, 0, 0});                      // unknown type: nothing
    DrawLoadDiagram(doc, beam, 10.0f, 3.0f, 5.5f, 1.5f);
    const auto lines = Lines();
    const auto polys = Polygons();
    ASSERT_EQ(lines.size(), 3u);
    ASSERT_EQ(polys.size(), 5u);
    EXPECT_EQ(lines[0].y2, Y(3.0f - 0.144f));
    EXPECT_EQ(lines[0].x1, X(11.0f));
    EXPECT_EQ(polys[0].points[0], (Point{X(11.0f), Y(3.0f)}));  // head on the beam, pointing down
    EXPECT_EQ(polys[0].points[1], (Point{X(11.0f - 0.04f), Y(3.0f - 0.12f)}));
    EXPECT_EQ(polys[1].points[1], (Point{X(10.0f), Y(1.5f)}));  // 1.5 cm high
    EXPECT_EQ(polys[1].brush, (SheetBrush{kBrushVertical, kColorBlack}));
    EXPECT_EQ(lines[1].pen, (SheetPen{kPenDot, 0, kColorBlack}));
    EXPECT_EQ(polys[2].points[0], (Point{X(12.0f), Y(3.0f - 0.5f)}));  // head at the top
    EXPECT_EQ(polys[2].points[1], (Point{X(12.0f - 0.04f), Y(3.0f - 0.5f + 0.12f)}));
    EXPECT_EQ(polys[3].points[0], (Point{X(13.0f), Y(3.0f - 0.144f)}));
    EXPECT_EQ(polys[4].pen, (SheetPen{kPenSolid, 10, kColorBlack}));
    EXPECT_EQ(polys[4].points[1], (Point{X(12.0f), Y(3.0f - 0.2f)}));  // apex at L1 + L2/2

    // A span of zero cannot be scaled: no loads instead of a division by zero.
    SheetDocument other(metrics);
    other.StartDoc();
    beam.spanLength = 0.0f;
    DrawLoadDiagram(other, beam, 10.0f, 3.0f, 5.5f, 1.5f);
    EXPECT_TRUE(other.Pages()[0].items.empty());
}

TEST_F(PageFurnitureTest, LoadTableTextsAndUnits) {
    AddLoad(kLoadUniform, 1.0f, 9.9999f, {10.0f, 2.0f, 3.0f, 4.0f});
    AddLoad(kLoadConcentrated, -2.5f, 1.0f, {1.0f, 2.0f, 3.0f, 4.0f});
    AddLoad(kLoadTrapezoid, 0.8f, 3.0f, {0.0f, 1.0f, 2.0f, 1.0f});
    EXPECT_EQ(LoadTableRow(beam, 0, 1.0),
              (std::vector<std::string>{"1", "等分布", "1.000", "10.000", "10.00", "2.000", "-----",
                                        "-----"}));
    EXPECT_EQ(LoadTableRow(beam, 1, 1.0),
              (std::vector<std::string>{"2", "集 中", "-2.500", "-----", "1.000", "-----", "-----",
                                        "-----"}));
    EXPECT_EQ(LoadTableRow(beam, 2, 1.0),
              (std::vector<std::string>{"3", "台 形", "0.800", "3.000", "0.000", "1.000", "2.000",
                                        "1.000"}));
    EXPECT_EQ(LoadTableRow(beam, 0, 9.80665)[2], "9.807");

    settings.SetUnits(false, true);
    EXPECT_DOUBLE_EQ(LoadValueFactor(settings), 9.80665);
    settings.SetUnits(true, false);
    EXPECT_DOUBLE_EQ(LoadValueFactor(settings), 1.0 / 9.80665);
    settings.SetUnits(true, true);
    EXPECT_DOUBLE_EQ(LoadValueFactor(settings), 1.0);

    EXPECT_EQ(LoadTableHeader(false),
              "No|荷  重\rタイプ|荷  重\r(t)\r(t/m2)|Ｈ\r(m)|Ｌ1\r(m)|Ｌ2\r(m)|Ｌ3\r(m)|Ｌ4\r(m);");
    EXPECT_EQ(
        LoadTableHeader(true),
        "No|荷  重\rタイプ|荷  重\r(kN)\r(kN/m2)|Ｈ\r(m)|Ｌ1\r(m)|Ｌ2\r(m)|Ｌ3\r(m)|Ｌ4\r(m);");
    EXPECT_EQ(LengthText(10.0f), "10.00");
    EXPECT_EQ(LengthText(9.9999f), "10.000");
}

TEST_F(PageFurnitureTest, LoadTableSitsFlushRightBelowTheBeam) {
    SheetLayout layout;
    settings.SetUnits(false, true);
    AddLoad(kLoadUniform, 1.0f, 2.0f, {0.0f, 5.5f, 0, 0});
    DrawLoadTable(doc, layout, beam, settings, 10.0f, 3.0f);
    const auto& table = std::get<SheetTable>(doc.Pages()[0].items.back());
    EXPECT_EQ(table.y, 1134 + CmToTwips(3.8f));
    EXPECT_EQ(table.x + table.Width(), 11906 - 1134);
    EXPECT_EQ(table.Width(), 4300);
    EXPECT_EQ(table.font.points, 7);
    EXPECT_EQ(table.horizontalSpacing, 30);
    EXPECT_EQ(table.verticalSpacing, 15);
    EXPECT_EQ(table.rows[0][2].lines, (std::vector<std::string>{"荷  重", "(kN)", "(kN/m2)"}));
    EXPECT_EQ(table.rows[1][2].lines, (std::vector<std::string>{"9.807"}));
    EXPECT_EQ(table.rows[0][0].align, kAlignCentreMiddle);
    EXPECT_EQ(table.rows[1][2].align, kAlignCentreMiddle);
    EXPECT_EQ(table.rows[1][3].align, kAlignRightMiddle);
    EXPECT_EQ(table.rows[0][3].align, kAlignCentreMiddle);
    // Afterwards: left alignment, the sheet font size, not bold.
    EXPECT_EQ(doc.TableAlign(), kTableAlignLeft);
    EXPECT_EQ(doc.FontSize(), 10);
    EXPECT_FALSE(doc.FontBold());
}

}  // namespace
}  // namespace zel

namespace zel {
namespace {

TEST(PageFurnitureHostile, NonsenseLoadsAreSkippedOrHeldNotCrashed) {
    FixedFontMetrics metrics;
    SheetDocument doc(metrics);
    doc.StartDoc();
    BeamRecord beam;
    beam.spanLength = std::numeric_limits<float>::quiet_NaN();
    beam.loadCount = 999;  // read as 20
    for (int k = 0; k < kMaxLoads; ++k) {
        beam.loadType[k] = static_cast<std::int16_t>(k % 9 - 1);
        beam.loadValue[k] = k % 2 ? std::numeric_limits<float>::infinity() : -1e30f;
        beam.loadHeight[k] = std::numeric_limits<float>::quiet_NaN();
    }
    SheetLayout layout;
    ProjectSettings settings;
    DrawBeamDiagram(doc, layout, beam, settings, 8.0f, 0.0f);
    // Beam and pins, no loads (no scale), and a table of the twenty loads.
    std::size_t tables = 0;
    for (const auto& item : doc.Pages()[0].items)
        tables += std::holds_alternative<SheetTable>(item);
    EXPECT_EQ(tables, 1u);
    EXPECT_EQ(std::get<SheetTable>(doc.Pages()[0].items.back()).rows.size(), 21u);

    beam.spanLength = 6.0f;
    SheetDocument drawn(metrics);
    drawn.StartDoc();
    DrawLoadDiagram(drawn, beam, 10.0f, 3.0f, 5.5f, 1.5f);
    for (const auto& item : drawn.Pages()[0].items) {
        if (const auto* p = std::get_if<SheetPolygon>(&item)) {
            for (const auto& [x, y] : p->points)
                EXPECT_GE(y, drawn.MarginTop() + CmToTwips(3.0f - 1.5f))
                    << "higher than the 1.5 cm limit";
        }
    }
}

}  // namespace
}  // namespace zel
