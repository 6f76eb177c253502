// The 35 rows of the sheet body: captions, units, combined columns, end values and notes.
#include <gtest/gtest.h>

#include <limits>
#include <variant>

#include "output/SheetBody.h"
#include "output/SheetDocument.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

BeamRecord SimpleBeam(int sections) {
    BeamRecord b = test::TypicalBeam("G1");
    b.sectionCount = static_cast<std::int16_t>(sections);
    b.sectionWidth = {30, 35, 40};
    b.sectionDepth = {60, 55, 65};
    b.selfWeight = 0.396;
    return b;
}

CalcResult Result() {
    CalcResult r;
    r.ft = 2.0f;
    r.fs = 0.007f;
    r.fa = 0.014f;
    r.wft = 2.0f;
    r.a1 = 3.87f;
    r.psi1 = 7.0f;
    r.loadEffects = {-4.0f, 5.0f, 3.5f, 6.0f, -6.0f};
    r.designStresses = {-2.4f, 1.5f, 3.0f, 6.0f, 0.0f, 4.0f};
    for (int s = 0; s < 3; ++s) {
        SectionResult& x = r.sections[s];
        x.dt = 6.0f;
        x.j = 47.25f;
        x.atRequired = 2.5f + s;
        x.tensionBars = 3;
        x.pt = 0.0085f;
        x.psiRequired = 9.07f;
        x.barsPerLayer = 5;
        x.pw = 0.0021f;
        x.stirrupLegs = 2;
        x.stirrupPitch = 200 - 25 * s;
        x.topBars = 3;
        x.bottomBars = 2;
    }
    return r;
}

ProjectSettings Units(bool inputSI, bool outputSI) {
    ProjectSettings s;
    s.SetUnits(inputSI, outputSI);
    return s;
}

TEST(SheetBody, CaptionsAndValuesFollowTheOutputUnits) {
    const BeamRecord beam = SimpleBeam(3);
    const CalcResult r = Result();
    const PlacementFlags flags;
    const auto t = SheetBodyRows(beam, r, flags, Units(false, false));
    ASSERT_EQ(t.size(), 35u);
    EXPECT_EQ(t[0].caption, " 部 材 名");
    EXPECT_EQ(t[0].cells[0], "G1");
    EXPECT_EQ(t[1].cells, (std::array<std::string, 3>{"左端", "中央", "右端"}));
    EXPECT_EQ(t[2].cells[1], "35x55");
    EXPECT_EQ(t[3].cells[0], "5.000");
    EXPECT_EQ(t[4].cells[2], "59.000");  // 65 - 6
    EXPECT_EQ(t[5].cells[0], "47.250");
    EXPECT_EQ(t[6].caption, " スパン長 L (m)");
    EXPECT_EQ(t[6].cells[0], "6.000");
    EXPECT_EQ(t[7].caption, " 梁自重 Ws (t/m)");
    EXPECT_EQ(t[7].cells[0], "0.396");
    EXPECT_TRUE(t[8].caption.empty());
    EXPECT_EQ(t[10].caption, " 曲げ Mo(tm)");
    EXPECT_EQ(t[10].cells[1], "3.500");
    EXPECT_EQ(t[14].caption, "   Ｍ (t･m)");
    EXPECT_EQ(t[15].caption, "   Ｑ (t)");
    EXPECT_EQ(t[16].cells[0], "ft=2000 fs=7.0 fa=14.0 wft=2000(kg/cm2)");
    EXPECT_EQ(t[29].caption, " 引張鉄筋比pt(%)");
    EXPECT_EQ(t[29].cells[0], "0.850");
    EXPECT_EQ(t[30].cells[0], "0.210");
    EXPECT_EQ(t[19].cells[2], "4.500");
    EXPECT_EQ(t[20].cells[0], "9.07");
    EXPECT_EQ(t[22].cells[0], " 主筋:SD345  ｽﾀｰﾗｯﾌﾟ:SD295  複筋比=0.50");
    EXPECT_EQ(t[23].cells[0], "3-D22");
    EXPECT_EQ(t[25].cells[2], "2-D10@150");
    EXPECT_EQ(t[27].cells[0], "11.61");  // 3 × 3.87
    EXPECT_EQ(t[28].cells[0], "21.00");
    EXPECT_EQ(t[32].caption, " 判    定");
    EXPECT_EQ(t[32].cells[0], "OK");
    // |M| 100 / (ft j): 3.0 × 100 / (2.0 × 47.25)
    EXPECT_EQ(t[17].cells[2], "3.175");

    const auto si = SheetBodyRows(beam, r, flags, Units(false, true));
    EXPECT_EQ(si[10].caption, " 曲げ Mo(kNm)");
    EXPECT_EQ(si[10].cells[1], "34.323");
    EXPECT_EQ(si[7].caption, " 梁自重 Ws (kN/m)");
    EXPECT_EQ(si[9].caption, " 固定端C(kNm)");
    EXPECT_EQ(si[11].caption, " せん断Q(kN)");
    EXPECT_EQ(si[14].caption, "   Ｍ (kN･m)");
    EXPECT_EQ(si[16].cells[0].substr(0, 9), "ft=19613 ");
    EXPECT_NE(si[16].cells[0].find("(N/cm2)"), std::string::npos);
    // The area needs no unit conversion.
    EXPECT_EQ(si[17].cells[2], "3.175");
}

TEST(SheetBody, EndValuesAndCombinedColumns) {
    const CalcResult r = Result();
    const PlacementFlags flags;
    const auto three = SheetBodyRows(SimpleBeam(3), r, flags, Units(false, false));
    EXPECT_EQ(three[9].cells, (std::array<std::string, 3>{"-4.000", "", "5.000"}));
    EXPECT_EQ(three[11].cells, (std::array<std::string, 3>{"6.000", "", "-6.000"}));
    EXPECT_EQ(three[14].cells, (std::array<std::string, 3>{"-2.400", "1.500", "3.000"}));

    const auto two = SheetBodyRows(SimpleBeam(2), r, flags, Units(false, false));
    EXPECT_EQ(two[1].cells, (std::array<std::string, 3>{"端部", "中央", ""}));
    EXPECT_EQ(two[9].cells, (std::array<std::string, 3>{"5.000", "", ""}));
    // Equal magnitudes: the right end.
    EXPECT_EQ(two[11].cells, (std::array<std::string, 3>{"-6.000", "", ""}));
    EXPECT_EQ(two[10].cells, (std::array<std::string, 3>{"", "3.500", ""}));
    EXPECT_EQ(two[14].cells, (std::array<std::string, 3>{"3.000", "1.500", ""}));
    EXPECT_EQ(two[15].cells[0], "6.000");
    EXPECT_EQ(two[25].cells[0], "2-D10@150");  // smaller pitch of the two ends

    const auto one = SheetBodyRows(SimpleBeam(1), r, flags, Units(false, false));
    EXPECT_EQ(one[1].cells[0], "全断面");
    EXPECT_EQ(one[10].cells[0], "3.500");
    EXPECT_EQ(one[14].cells[0], "3.000");
    EXPECT_EQ(one[2].cells[1], "");
}

TEST(SheetBody, HugeValuesAreHeldAtTheLimit) {
    EXPECT_EQ(LimitedValueText(1e12, false), "100000000000.000");
    EXPECT_EQ(LimitedValueText(-2e11, false), "-100000000000.000");
    EXPECT_EQ(LimitedValueText(99999.5, false), "99999.500");
    EXPECT_EQ(LimitedValueText(1e9, true), "1000000000.000");
    EXPECT_EQ(LimitedValueText(-5e10, true), "-1000000000.000");
    EXPECT_EQ(LimitedValueText(std::numeric_limits<double>::infinity(), false), "100000000000.000");

    CalcResult r = Result();
    r.loadEffects.Mo = 2e10f;
    EXPECT_EQ(SheetBodyRows(SimpleBeam(3), r, {}, Units(false, true))[10].cells[1],
              "1000000000.000");
}

TEST(SheetBody, PositionRowAndNotes) {
    const CalcResult r = Result();
    BeamRecord cantilever = SimpleBeam(1);
    cantilever.supportType = 1;
    cantilever.momentPositionMode = 1;
    auto t = SheetBodyRows(cantilever, r, {}, Units(false, false));
    EXPECT_EQ(t[1].cells[0], "固定端");
    EXPECT_EQ(t[13].cells[0], "Ｍ算定位置: 中央");

    BeamRecord beam = SimpleBeam(3);
    beam.momentPositionMode = 1;
    beam.momentPosition = 2.25f;
    beam.spanType = 4;
    beam.minRebarRule = 1;
    beam.assemblyMethod = 4;
    beam.shortTerm = 1;
    t = SheetBodyRows(beam, r, {}, Units(false, true));
    EXPECT_EQ(t[13].cells[0], "Ｍ算定位置:左端から 2.250m");
    EXPECT_EQ(t[34].caption, "  備       考");
    EXPECT_EQ(
        t[34].cells[0],
        " 略算方法: ﾕｰｻﾞｰ設定\r   Fc=210(kg/cm2)\r 引張側最小鉄筋量: 存在応力から求めた値の 4/3倍\r"
        " ｽﾀｰﾗｯﾌﾟ組立施工: スポット溶接\r 短期荷重として算定\r １(N)=1/9.80665 ≒ 0.102(kg)");

    beam.minRebarRule = 2;
    beam.shortTerm = 0;
    beam.spanType = 1;
    beam.assemblyMethod = 0;
    beam.concreteFc = 240.0f;
    t = SheetBodyRows(beam, r, {}, Units(true, true));
    EXPECT_EQ(t[34].cells[0],
              " 略算方法: ２ｽﾊﾟﾝ(左)\r   Fc=24(N/mm2)\r ｽﾀｰﾗｯﾌﾟ組立施工: 交互ﾌｯｸ先曲げ");

    beam.minRebarRule = 0;
    t = SheetBodyRows(beam, r, {}, Units(false, false));
    EXPECT_NE(t[34].cells[0].find(" 引張側最小鉄筋量: 0.4% (0.004･Bd)"), std::string::npos);

    CalcResult failed;
    failed.error = "スパンが0以下か数値ではありません";
    failed.anyPlacementFailed = 1;
    PlacementFlags allFailed;
    allFailed.placementFailed = {1, 1, 1};
    t = SheetBodyRows(beam, failed, allFailed, Units(false, false));
    EXPECT_EQ(t[32].cells[0], "設計不可");
    EXPECT_NE(t[34].cells[0].find("計算できません: スパンが0以下"), std::string::npos);
    EXPECT_EQ(t[17].cells[0], "-----");  // no allowable stress: no area
}

TEST(SheetBody, TableIsDrawnAtTheHalfPageWithSpanningRows) {
    FixedFontMetrics metrics;
    SheetDocument doc(metrics);
    doc.SetMarginTop("2.0cm");
    doc.SetMarginLeft("2.5cm");
    doc.StartDoc();
    doc.SetFontSize(10);
    DrawSheetBody(doc, SimpleBeam(3), Result(), {}, Units(false, false), 12.5f);
    const auto& table = std::get<SheetTable>(doc.Pages()[0].items.back());
    EXPECT_EQ(table.y, 1134 + 7088);  // 12.5 cm = 7087.5 -> 7088
    EXPECT_EQ(table.x, 1418);
    EXPECT_EQ(table.columnWidths, (std::vector<std::int32_t>{1340, 1220, 1220, 1220}));
    EXPECT_EQ(table.framePen, 34);  // 0.6 mm
    EXPECT_EQ(table.rows.size(), 36u);
    EXPECT_EQ(table.rows[1][1].span, 3);   // member name
    EXPECT_EQ(table.rows[17][1].span, 3);  // allowable stresses
    EXPECT_EQ(table.rows[2][1].span, 1);
    EXPECT_EQ(table.rows[35][1].align, kAlignLeftMiddle);  // notes
    EXPECT_EQ(table.rows[35][1].lines.size(), 4u);
    EXPECT_EQ(table.font.points, kSheetBodyFontSize);
    EXPECT_EQ(doc.FontSize(), 10);  // the canvas font is given back
}

}  // namespace
}  // namespace zel

namespace zel {
namespace {

// A damaged file can hold anything; composing its sheet must neither crash nor hang.
TEST(SheetBody, HostileRecordsStillGiveASheet) {
    BeamRecord beam = SimpleBeam(3);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const std::int16_t sections : {std::int16_t{0}, std::int16_t{-4}, std::int16_t{9}}) {
        beam.sectionCount = sections;
        beam.mainBarGrade = 7;
        beam.stirrupGrade = -1;
        beam.spanType = 99;
        beam.assemblyMethod = -3;
        beam.minRebarRule = 5;
        beam.maxBarLayers = -2;
        beam.spanLength = nan;
        beam.selfWeight = std::numeric_limits<double>::infinity();
        CalcResult r = Result();
        r.sections[1].barsPerLayer = 0;
        r.sections[1].topBars = 30000;
        r.designStresses.Mcentre = nan;
        const auto rows = SheetBodyRows(beam, r, {}, Units(false, false));
        ASSERT_EQ(rows.size(), 35u);
        EXPECT_FALSE(rows[1].cells[0].empty());
        EXPECT_EQ(rows[22].cells[0], " 主筋:  ｽﾀｰﾗｯﾌﾟ:  複筋比=0.50");

        FixedFontMetrics metrics;
        SheetDocument doc(metrics);
        doc.StartDoc();
        DrawSheetBody(doc, beam, r, {}, Units(false, false), 0.0f);
        EXPECT_EQ(doc.PageCount(), 1);
    }
}

}  // namespace
}  // namespace zel
