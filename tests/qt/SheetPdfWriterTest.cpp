// The Qt renderer and PDF/PNG writing of a hand-built sheet document.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "SheetQtSupport.h"
#include "output/SheetPrimitives.h"
#include "qt/SheetFonts.h"
#include "qt/SheetPdfWriter.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

class SheetPdfWriterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    void SetUp() override {
        dir =
            fs::temp_directory_path() /
            ("zel_sheet_pdf_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override {
        if (!std::getenv("ZEL_KEEP_TEST_FILES")) fs::remove_all(dir);
    }

    // Two pages: a table, a line, a hatched polygon, header and footer.
    void Compose(SheetDocument& doc) {
        doc.SetMarginLeft("2.5cm");
        doc.SetMarginTop("2.0cm");
        doc.SetMarginRight("2.0cm");
        doc.SetMarginBottom("2.5cm");
        doc.SetFontName("ＭＳ 明朝");
        doc.SetFontSize(10);
        doc.SetPageStartHandler([](PageCanvas& c, int page) {
            c.SetHeaderFont("ＭＳ 明朝", 12);
            c.SetHeader(page == 1 ? "梁断面算定結果" : "");
            c.SetFooter("|- " + std::to_string(page + 4) + " -");
        });
        doc.StartDoc();
        doc.SetCurrentY(doc.MarginTop());
        doc.StartTable();
        doc.SetTableFramePen("0.6mm");
        doc.AddTable("+<1340|+^1220;", "", {{" 部 材 名", "大梁G1"}, {" 判    定", "設計不可"}});
        doc.EndTable();
        DrawSheetLine(doc, 9.0f, 1.0f, 14.0f, 1.0f, kPenSolid, 10, kColorBlack);
        DrawSheetPolygon(doc, {{9.0f, 0.0f}, {9.4f, 0.0f}, {9.4f, 2.0f}, {9.0f, 2.0f}}, 4,
                         kPenSolid, 10, kColorWhite, kColorBlack, kFillDownwardDiagonal);
        BeginSheetPage(doc);
        doc.SetFontName("ＭＳ ゴシック");
        doc.StartTable();
        doc.AddTable("+^1000;", "", {{"ゴシック体"}});
        doc.EndTable();
        doc.EndDoc();
    }

    fs::path dir;
};

TEST_F(SheetPdfWriterTest, SheetFontsAreTheIpaFacesWithFixedPitchMetrics) {
    EXPECT_TRUE(EnsureSheetFontsLoaded());
    EXPECT_EQ(SheetFontFamily("ＭＳ 明朝"), "IPAMincho");
    EXPECT_EQ(SheetFontFamily("ＭＳ ゴシック"), "IPAGothic");
    EXPECT_EQ(SheetFontFamily("ＭＳ Ｐゴシック"), "IPAPGothic");
    EXPECT_EQ(SheetFontFamily(""), "IPAMincho");
    EXPECT_EQ(QFontInfo(SheetQFont({"ＭＳ ゴシック", 10, false})).family(), "IPAGothic");

    QtSheetFontMetrics metrics;
    const SheetFont mincho{"ＭＳ 明朝", 10, false};
    // Half-width glyphs are half an em (100 twips at 10 pt), full-width ones a whole em.
    EXPECT_NEAR(metrics.TextWidth(mincho, "A"), 100, 1);
    EXPECT_NEAR(metrics.TextWidth(mincho, "部材名"), 600, 2);
    EXPECT_NEAR(metrics.TextWidth(mincho, "ｽﾀｰﾗｯﾌﾟ"), 700, 2);
    EXPECT_EQ(metrics.LineHeight(mincho), 200);
    EXPECT_EQ(metrics.LineHeight({"ＭＳ ゴシック", 7, false}), 140);
    EXPECT_EQ(metrics.TextWidth(mincho, ""), 0);
}

TEST_F(SheetPdfWriterTest, PdfHasTheTextsPagesAndEmbeddedJapaneseFonts) {
    QtSheetFontMetrics metrics;
    SheetDocument doc(metrics);
    Compose(doc);
    const fs::path pdf = dir / "sheet.pdf";
    std::string error;
    ASSERT_TRUE(
        WriteSheetPdf(doc, pdf.string(), 1, doc.PageCount(), {"梁断面算定結果", "zel"}, &error))
        << error;

    const std::string info = test::CommandOutput("pdfinfo '" + pdf.string() + "'");
    EXPECT_EQ(test::PdfPageCount(pdf.string()), 2);
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;

    const std::string text = test::CommandOutput("pdftotext -layout '" + pdf.string() + "' -");
    EXPECT_NE(text.find("部 材 名"), std::string::npos) << text;
    EXPECT_NE(text.find("大梁G1"), std::string::npos) << text;
    EXPECT_NE(text.find("設計不可"), std::string::npos) << text;
    EXPECT_NE(text.find("梁断面算定結果"), std::string::npos) << text;
    EXPECT_NE(text.find("- 5 -"), std::string::npos) << text;
    EXPECT_NE(text.find("- 6 -"), std::string::npos) << text;
    EXPECT_NE(text.find("ゴシック体"), std::string::npos) << text;

    const std::string fonts = test::CommandOutput("pdffonts '" + pdf.string() + "'");
    EXPECT_NE(fonts.find("IPAMincho"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("IPAGothic"), std::string::npos) << fonts;
    // Every font line says "yes" under emb.
    std::istringstream lines(fonts);
    std::string line;
    int fontLines = 0;
    while (std::getline(lines, line)) {
        if (line.find("IPA") == std::string::npos) continue;
        ++fontLines;
        EXPECT_NE(line.find(" yes "), std::string::npos) << line;
    }
    EXPECT_GE(fontLines, 2);
}

TEST_F(SheetPdfWriterTest, PageRangeAndFailuresAreReported) {
    QtSheetFontMetrics metrics;
    SheetDocument doc(metrics);
    Compose(doc);
    const fs::path pdf = dir / "page2.pdf";
    std::string error;
    ASSERT_TRUE(WriteSheetPdf(doc, pdf.string(), 2, 99, {}, &error)) << error;
    EXPECT_EQ(test::PdfPageCount(pdf.string()), 1);
    EXPECT_EQ(test::CommandOutput("pdftotext '" + pdf.string() + "' -").find("大梁G1"),
              std::string::npos);

    EXPECT_FALSE(WriteSheetPdf(doc, pdf.string(), 3, 2, {}, &error));
    EXPECT_FALSE(WriteSheetPdf(doc, (dir / "missing" / "x.pdf").string(), 1, 2, {}, &error));
    EXPECT_FALSE(error.empty());

    // A failed write leaves the earlier file as it was.
    const auto size = fs::file_size(pdf);
    EXPECT_FALSE(WriteSheetPdf(doc, pdf.string(), 5, 9, {}, &error));
    EXPECT_EQ(fs::file_size(pdf), size);
}

TEST_F(SheetPdfWriterTest, PngPageShowsInkWhereTheSheetDrawsIt) {
    QtSheetFontMetrics metrics;
    SheetDocument doc(metrics);
    Compose(doc);
    const fs::path png = dir / "p1.png";
    std::string error;
    ASSERT_TRUE(WriteSheetPng(doc, 1, png.string(), 150, &error)) << error;
    QImage image(QString::fromStdString(png.string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 11906 * 150 / 1440);
    EXPECT_EQ(image.height(), 16838 * 150 / 1440);
    // The line from 9 cm to 14 cm at 1 cm below the top margin, in pixels.
    const int y = (1134 + 567) * 150 / 1440;
    const int x = (1418 + 567 * 11) * 150 / 1440;
    EXPECT_LT(qGray(image.pixel(x, y)), 128);
    // The hatched wall (9.0 .. 9.4 cm, 0 .. 2 cm): diagonal lines, neither empty nor solid.
    int dark = 0, total = 0;
    for (int py = (1134 + 100) * 150 / 1440; py < (1134 + 1034) * 150 / 1440; ++py) {
        for (int px = (1418 + 5103 + 30) * 150 / 1440; px < (1418 + 5330 - 30) * 150 / 1440; ++px) {
            ++total;
            if (qGray(image.pixel(px, py)) < 250) ++dark;  // thin lines: any ink
        }
    }
    ASSERT_GT(total, 0);
    EXPECT_GT(dark, total / 10);
    EXPECT_LT(dark, total * 7 / 10);
    // Blank paper far from everything.
    EXPECT_EQ(qGray(image.pixel(image.width() / 2, image.height() * 3 / 4)), 255);
    EXPECT_FALSE(WriteSheetPng(doc, 3, (dir / "p3.png").string(), 150, &error));
}

}  // namespace
}  // namespace zel
