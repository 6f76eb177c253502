// The sheet exporter on a hand-built sheet document: rendering, printing, PDF and PNG.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "output/SheetPrimitives.h"
#include "qt/sheet/SheetExporter.h"
#include "qt/sheet/SheetFonts.h"
#include "support/QtTestSupport.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

class SheetExporterTest : public ::testing::Test {
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

TEST_F(SheetExporterTest, SheetFontsAreTheIpaFacesWithFixedPitchMetrics) {
    EXPECT_TRUE(qt::EnsureSheetFontsLoaded());
    EXPECT_EQ(qt::SheetFontFamily("ＭＳ 明朝"), "IPAMincho");
    EXPECT_EQ(qt::SheetFontFamily("ＭＳ ゴシック"), "IPAGothic");
    EXPECT_EQ(qt::SheetFontFamily("ＭＳ Ｐゴシック"), "IPAPGothic");
    EXPECT_EQ(qt::SheetFontFamily(""), "IPAMincho");
    EXPECT_EQ(QFontInfo(qt::SheetQFont({"ＭＳ ゴシック", 10, false})).family(), "IPAGothic");

    qt::QtSheetFontMetrics metrics;
    const SheetFont mincho{"ＭＳ 明朝", 10, false};
    // Half-width glyphs are half an em (100 twips at 10 pt), full-width ones a whole em.
    EXPECT_NEAR(metrics.TextWidth(mincho, "A"), 100, 1);
    EXPECT_NEAR(metrics.TextWidth(mincho, "部材名"), 600, 2);
    EXPECT_NEAR(metrics.TextWidth(mincho, "ｽﾀｰﾗｯﾌﾟ"), 700, 2);
    EXPECT_EQ(metrics.LineHeight(mincho), 200);
    EXPECT_EQ(metrics.LineHeight({"ＭＳ ゴシック", 7, false}), 140);
    EXPECT_EQ(metrics.TextWidth(mincho, ""), 0);
}

TEST_F(SheetExporterTest, PdfHasTheTextsPagesAndEmbeddedJapaneseFonts) {
    qt::QtSheetFontMetrics metrics;
    SheetDocument doc(metrics);
    Compose(doc);
    const fs::path pdf = dir / "sheet.pdf";
    const qt::SheetExportResult written =
        qt::WriteSheetPdf(doc, pdf.string(), {}, {"梁断面算定結果", "zel"});
    ASSERT_TRUE(written.Ok()) << written.message;
    EXPECT_EQ(written.pages, 2);
    EXPECT_EQ(written.files, std::vector<std::string>{pdf.string()});

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

TEST_F(SheetExporterTest, PageRangeAndFailuresAreReported) {
    qt::QtSheetFontMetrics metrics;
    SheetDocument doc(metrics);
    Compose(doc);
    const fs::path pdf = dir / "page2.pdf";
    ASSERT_TRUE(qt::WriteSheetPdf(doc, pdf.string(), {2, 99}).Ok());
    EXPECT_EQ(test::PdfPageCount(pdf.string()), 1);
    EXPECT_EQ(test::CommandOutput("pdftotext '" + pdf.string() + "' -").find("大梁G1"),
              std::string::npos);

    EXPECT_EQ(qt::WriteSheetPdf(doc, pdf.string(), {3, 2}).failure,
              qt::SheetExportResult::Failure::NoPages);
    const qt::SheetExportResult missing =
        qt::WriteSheetPdf(doc, (dir / "missing" / "x.pdf").string());
    EXPECT_EQ(missing.failure, qt::SheetExportResult::Failure::CannotCreate);
    EXPECT_NE(missing.message.find("x.pdf を作成できません"), std::string::npos) << missing.message;
    EXPECT_TRUE(missing.files.empty());

    // A failed write leaves the earlier file as it was.
    const auto size = fs::file_size(pdf);
    EXPECT_FALSE(qt::WriteSheetPdf(doc, pdf.string(), {5, 9}).Ok());
    EXPECT_EQ(fs::file_size(pdf), size);
}

TEST_F(SheetExporterTest, PngPageShowsInkWhereTheSheetDrawsIt) {
    qt::QtSheetFontMetrics metrics;
    SheetDocument doc(metrics);
    Compose(doc);
    const fs::path png = dir / "p1.png";
    ASSERT_TRUE(qt::WriteSheetPng(doc, 1, png.string(), 150).Ok());
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
    EXPECT_EQ(qt::WriteSheetPng(doc, 3, (dir / "p3.png").string(), 150).failure,
              qt::SheetExportResult::Failure::NoPages);

    // A range of pages goes into a folder that is made on the way.
    const qt::SheetExportResult pages =
        qt::WriteSheetPngs(doc, (dir / "a" / "b").string(), {2, 9}, 30);
    ASSERT_TRUE(pages.Ok()) << pages.message;
    EXPECT_EQ(pages.files, std::vector<std::string>{(dir / "a" / "b" / "page-002.png").string()});
    EXPECT_TRUE(fs::exists(dir / "a" / "b" / "page-002.png"));
    // A file where the folder should be is reported, not written through.
    std::ofstream(dir / "file").put('x');
    EXPECT_EQ(qt::WriteSheetPngs(doc, (dir / "file").string(), {}, 30).failure,
              qt::SheetExportResult::Failure::CannotCreate);
}

// Printing uses the whole paper: what is drawn 2.5 cm from the paper's left edge is printed
// there, not 2.5 cm from the printer's margin.
TEST_F(SheetExporterTest, PrintingDrawsFromThePaperCorner) {
    qt::QtSheetFontMetrics metrics;
    SheetDocument doc(metrics);
    Compose(doc);
    const fs::path pdf = dir / "printed.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    const qt::SheetExportResult printed = qt::PrintSheet(doc, printer, {2, 2});
    ASSERT_TRUE(printed.Ok()) << printed.message;
    EXPECT_EQ(printed.pages, 1);
    EXPECT_TRUE(printer.fullPage());
    EXPECT_EQ(test::PdfPageCount(pdf.string()), 1);
    // "ゴシック体" sits in the table at the left margin (1418 twips = 70.9 pt), the second page.
    const std::string boxes = test::CommandOutput("pdftotext -bbox '" + pdf.string() + "' -");
    const auto word = boxes.find("ゴシック体");
    ASSERT_NE(word, std::string::npos) << boxes;
    const auto at = boxes.rfind("xMin=\"", word);
    ASSERT_NE(at, std::string::npos);
    const double xMin = std::atof(boxes.c_str() + at + 6);
    EXPECT_GT(xMin, 70.0);
    EXPECT_LT(xMin, 80.0);  // with the printer's 20 mm margin added it would be beyond 120 pt

    EXPECT_EQ(qt::PrintSheet(doc, printer, {3, 4}).failure,
              qt::SheetExportResult::Failure::NoPages);
}

// A damaged file's texts: a long word too wide for its cell and a long text whose row grows past
// the page bottom. Neither is drawn outside its cell or below the printable area.
TEST_F(SheetExporterTest, TextsAreCutAtTheirCellAndThePrintableArea) {
    qt::QtSheetFontMetrics metrics;
    SheetDocument doc(metrics);
    doc.SetMarginLeft("2cm");
    doc.SetMarginTop("2cm");
    doc.SetMarginRight("2cm");
    doc.SetMarginBottom("2cm");
    doc.SetFontName("ＭＳ 明朝");
    doc.SetFontSize(10);
    doc.StartDoc();
    const std::int32_t bottom = doc.PageHeight() - doc.MarginBottom();
    doc.SetCurrentY(bottom - 1500);
    doc.StartTable();
    std::string many;
    for (int i = 0; i < 400; ++i) many += "長い部材名 ";
    // Row 1, column 1 (1134..2134 twips): a word six times its width; row 2, column 3: a text
    // of 400 lines.
    doc.AddTable("+<1000|+<1000|+<2000;", "",
                 {{"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCDEFGHIJ", "", ""}, {"", "", many}});
    doc.EndTable();
    doc.EndDoc();

    const fs::path pdf = dir / "cut.pdf";
    ASSERT_TRUE(qt::WriteSheetPdf(doc, pdf.string(), {1, 1}, {}).Ok());
    const std::string boxes = test::CommandOutput("pdftotext -bbox '" + pdf.string() + "' -");
    int words = 0;
    for (std::size_t at = boxes.find("<word"); at != std::string::npos;
         at = boxes.find("<word", at + 1)) {
        ++words;
        const double yMax = std::atof(boxes.c_str() + boxes.find("yMax=\"", at) + 6);
        EXPECT_LE(yMax, bottom / 20.0 + 1.0) << boxes.substr(at, 120);
    }
    EXPECT_GT(words, 5);  // the first lines of the long text are there

    QImage image(doc.PageWidth() * 96 / 1440, doc.PageHeight() * 96 / 1440, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    qt::ScalePainterToTwips(painter, 96, 96);
    qt::RenderSheetPage(painter, doc, 1);
    painter.end();
    const auto inkIn = [&](int left, int top, int right, int lower) {
        int ink = 0;
        for (int y = top * 96 / 1440; y < lower * 96 / 1440; ++y)
            for (int x = left * 96 / 1440; x < right * 96 / 1440; ++x)
                if (qGray(image.pixel(x, y)) < 160) ++ink;
        return ink;
    };
    const int rowTop = bottom - 1500;
    EXPECT_GT(inkIn(1134 + 60, rowTop + 40, 2134 - 60, rowTop + 300), 0);    // the word's start
    EXPECT_EQ(inkIn(2134 + 30, rowTop + 40, 3134 - 30, rowTop + 300), 0);    // not in the next cell
    EXPECT_GT(inkIn(3134 + 60, rowTop + 40, 5134 - 60, bottom - 60), 0);     // the long text
    EXPECT_EQ(inkIn(0, bottom + 30, doc.PageWidth(), doc.PageHeight()), 0);  // nothing below
}

// The preview paints on its own painter: a page drawn in twips scaled to a small picture.
TEST_F(SheetExporterTest, RenderingOnAnyPainterScaledToTwips) {
    qt::QtSheetFontMetrics metrics;
    SheetDocument doc(metrics);
    Compose(doc);
    const auto inkOf = [&](int page) {
        QImage image(11906 * 48 / 1440, 16838 * 48 / 1440, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        qt::ScalePainterToTwips(painter, 48, 48);
        qt::RenderSheetPage(painter, doc, page);
        painter.end();
        int ink = 0, inTopHalf = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 160) {
                    ++ink;
                    if (y < image.height() / 2) ++inTopHalf;
                }
        return std::pair{ink, inTopHalf};
    };
    const auto [ink, inTopHalf] = inkOf(1);
    EXPECT_GT(ink, 100);
    EXPECT_GT(inTopHalf, ink * 9 / 10);  // header, table and hatch sit near the top; footer below
    EXPECT_EQ(inkOf(0).first, 0);        // no such page: nothing drawn
    EXPECT_EQ(inkOf(3).first, 0);
}

}  // namespace
}  // namespace zel
