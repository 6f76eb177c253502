// Two beams a page, skipped beams, the beam page table, the result list and the PDF name.
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <variant>

#include "calc/CalculateBeam.h"
#include "data/AtomicFile.h"
#include "data/ZelFile.h"
#include "lib/ShiftJis.h"
#include "lib/Twips.h"
#include "output/PdfNaming.h"
#include "output/ResultListLines.h"
#include "output/SheetComposer.h"
#include "output/SheetDocument.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

BeamRecord Beam(const std::string& name) {
    BeamRecord b = test::TypicalBeam(name.c_str());
    b.mainBarGrade = kSD295;
    b.mainBarSize = "D19";
    b.mainGradeValue = 3.0f;
    b.stirrupGradeValue = 3.0f;
    b.loadValue[0] = 0.75f;
    return b;
}

Project ProjectOf(int beams) {
    Project p = MakeEmptyProject();
    p.settings.beamCount = static_cast<std::int16_t>(beams);
    p.settings.pageNumberMode = 2;
    p.settings.firstPageNumber = 1;
    for (int i = 0; i < beams; ++i) p.beams[i] = Beam("G" + std::to_string(i + 1));
    return p;
}

struct Composed {
    explicit Composed(Project& p) : sheet(ComposeSheet(p, metrics)) {}
    // Top of every body table (the 35-row tables) on a page.
    std::vector<std::int32_t> BodyTops(int page) const {
        std::vector<std::int32_t> tops;
        for (const auto& item : doc.Pages()[page].items)
            if (const auto* t = std::get_if<SheetTable>(&item); t && t->rows.size() == 36)
                tops.push_back(t->y);
        return tops;
    }
    FixedFontMetrics metrics;
    ComposedSheet sheet;
    const SheetDocument& doc = sheet.document;
    const SheetLayout& layout = sheet.layout;
    const BeamPageTable& pages = sheet.pages;
    const int& pageCount = sheet.pageCount;
};

TEST(SheetComposer, TwoBeamsAPageAndSkippedBeamsLeaveNoGap) {
    Project p = ProjectOf(3);
    Composed three(p);
    EXPECT_EQ(three.pageCount, 2);
    const std::int32_t top = three.doc.MarginTop();
    const std::int32_t half = top + CmToTwips(three.layout.PrintableHeightCm / 2.0f);
    EXPECT_EQ(three.BodyTops(0), (std::vector<std::int32_t>{top, half}));
    EXPECT_EQ(three.BodyTops(1), (std::vector<std::int32_t>{top}));  // lower half of page 2 empty
    EXPECT_EQ(three.pages[0], 1);
    EXPECT_EQ(three.pages[1], 1);
    EXPECT_EQ(three.pages[2], 2);
    EXPECT_EQ(three.doc.Pages()[1].footer, "|- 2 -");

    Project skipped = ProjectOf(4);
    skipped.Beam(2).skipBeam = 1;
    Composed withSkip(skipped);
    EXPECT_EQ(withSkip.pageCount, 2);
    EXPECT_EQ(withSkip.pages[1], 0);  // not printed
    EXPECT_EQ(withSkip.pages[2], 1);  // beam 3 moves up into the lower half of page 1
    EXPECT_EQ(withSkip.pages[3], 2);
    EXPECT_EQ(withSkip.BodyTops(0).size(), 2u);

    Project none = ProjectOf(2);
    none.Beam(1).skipBeam = 1;
    none.Beam(2).skipBeam = 1;
    Composed empty(none);
    EXPECT_EQ(empty.pageCount, 1);
    EXPECT_TRUE(empty.BodyTops(0).empty());
}

TEST(SheetComposer, PageSetupAndPrintSettingsComeFromTheProject) {
    Project p = ProjectOf(1);
    p.settings.sheetTitle = "見出し";
    p.settings.firstPageNumber = 5;
    p.font.fontName = "";
    const PrintSettings print = PrintSettingsOf(p);
    EXPECT_EQ(print.HeadingText, "見出し");
    EXPECT_EQ(print.StartPageNumber, 5);
    EXPECT_EQ(print.PrintFontName, "");
    EXPECT_EQ(Composed(p).doc.FontName(), "ＭＳ 明朝");
    EXPECT_EQ(Composed(p).doc.Pages()[0].headerFont.name, "ＭＳ 明朝");
    p.font.fontName = "ＭＳ ゴシック";
    EXPECT_EQ(PrintSettingsOf(p).PrintFontName, "ＭＳ ゴシック");

    Composed c(p);
    EXPECT_EQ(c.doc.MarginLeft(), 1418);
    EXPECT_EQ(c.doc.MarginBottom(), 1418);
    EXPECT_EQ(c.doc.PaperSize(), kPaperA4);
    EXPECT_EQ(c.doc.FontName(), "ＭＳ ゴシック");
    EXPECT_EQ(c.doc.Pages()[0].header, "見出し");
    EXPECT_EQ(c.doc.Pages()[0].footer, "|- 5 -");
}

// A damaged load (lengths not finite, or far beyond the span) is refused by the calculation;
// its drawing must stay on the page, or the PDF fills with endless hatch lines.
TEST(SheetComposer, DamagedLoadGeometryStaysInsideThePage) {
    for (const float length : {std::numeric_limits<float>::infinity(), -5e17f, 5e17f,
                               std::numeric_limits<float>::quiet_NaN()}) {
        Project p = ProjectOf(2);
        p.Beam(2).loadLengths[0][1] = length;
        p.Beam(2).loadCount = 2;
        p.Beam(2).loadType[1] = kLoadTrapezoid;
        p.Beam(2).loadValue[1] = 1.0f;
        p.Beam(2).loadLengths[1] = {1.0f, length, 1e30f, 2.0f};
        Composed c(p);
        ASSERT_EQ(c.pageCount, 1);
        const auto& page = c.doc.Pages()[0];
        const std::int32_t w = c.doc.PageWidth(), h = c.doc.PageHeight();
        auto onPage = [&](std::int32_t x, std::int32_t y) {
            return x >= 0 && x <= w && y >= 0 && y <= h;
        };
        for (const SheetItem& item : page.items) {
            if (const auto* line = std::get_if<SheetLine>(&item)) {
                EXPECT_TRUE(onPage(line->x1, line->y1) && onPage(line->x2, line->y2)) << length;
            } else if (const auto* polygon = std::get_if<SheetPolygon>(&item)) {
                for (const auto& [x, y] : polygon->points) EXPECT_TRUE(onPage(x, y)) << length;
            }
        }
    }
}

// Random damage to the sample floor's beams, loaded and composed: every page keeps its
// drawing on the paper and a bounded number of items, however wild the numbers.
TEST(SheetComposer, RandomlyDamagedFilesGiveSmallSheetsOnThePaper) {
    std::string image;
    ASSERT_TRUE(ReadWholeFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel", image,
                              1 << 20));
    std::mt19937 rng(1214);
    for (int round = 0; round < 60; ++round) {
        std::string bytes = image;
        // Beam records start after the header and settings, a good 35 kB of them.
        for (int flip = 0; flip < 40; ++flip) {
            const std::size_t at = 60 + rng() % 36000;
            bytes[at] = static_cast<char>(rng() % 4 == 0 ? 0x7F : rng());
        }
        if (round % 3 == 0) bytes.resize(60 + rng() % 36000);
        Project p = MakeEmptyProject();
        if (!DecodeZel(bytes, p).Ok()) continue;
        Composed c(p);
        for (const SheetPage& page : c.doc.Pages()) {
            EXPECT_LT(page.items.size(), 400u) << "round " << round;
            for (const SheetItem& item : page.items) {
                if (const auto* polygon = std::get_if<SheetPolygon>(&item)) {
                    for (const auto& [x, y] : polygon->points) {
                        ASSERT_TRUE(x >= 0 && x <= c.doc.PageWidth() && y >= 0 &&
                                    y <= c.doc.PageHeight())
                            << "round " << round;
                    }
                }
            }
        }
    }
}

TEST(ResultList, LinesAreInFixedColumns) {
    EXPECT_EQ(ResultListLine("G1", false, 1),
              " G1" + std::string(16, ' ') + "ＯＫ　　" + "   " + "  1");
    EXPECT_EQ(ResultListLine("  G1  ", true, 12),
              " G1" + std::string(16, ' ') + "設計不可" + "   " + " 12");
    EXPECT_EQ(ResultListLine("ABCDEFGHIJKLMNOPQR", false, 3), " ABCDEFGHIJKLMNOPQRＯＫ　　     3");
    EXPECT_EQ(ResultListLine("ABCDEFGHIJKLMNOPQRS", false, 3), " ABCDEFGHIJKLMNOPQ ＯＫ　　     3");
    // Full-width names are measured in bytes of the fixed-pitch font: 2 each.
    EXPECT_EQ(ResultListLine("大梁", false, 2), " 大梁" + std::string(14, ' ') + "ＯＫ　　     2");
    // A wide full-width name is cut by columns, never in the middle of a character; the
    // character that does not fit leaves a blank, so the judgement keeps its column.
    const std::string cut = ResultListLine("あいうえおかきくけこ", false, 2);
    EXPECT_EQ(cut, " あいうえおかきく  ＯＫ　　     2");
    for (const char* name :
         {"2B2 (小梁・係数ＯＫ確認)", "ABCDEFGHIJKLMNOPQRS", "大梁ABCDEFGHIJKLMNOPQ"}) {
        const std::string line = ResultListLine(name, false, 1);
        EXPECT_EQ(DisplayWidth(line.substr(0, line.rfind("ＯＫ　　"))), 19) << line;
    }
}

TEST(ResultList, OneLinePerPrintedBeamWithItsPage) {
    Project p = ProjectOf(3);
    p.Beam(2).skipBeam = 1;
    Composed c(p);
    p.placement[2].anyPlacementFailed = 1;
    const auto list = BuildResultList(p, c.pages);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].slot, 1);
    EXPECT_EQ(list[1].slot, 3);
    EXPECT_NE(list[1].line.find("設計不可"), std::string::npos);
    EXPECT_EQ(JumpPage(p, c.pages, 2), 1);  // beam 3, lower half of page 1
    EXPECT_EQ(JumpPage(p, c.pages, 3), 0);
    EXPECT_EQ(PreselectedLine(0, 2), 1);
    EXPECT_EQ(PreselectedLine(2, 2), 2);
    EXPECT_EQ(PreselectedLine(5, 2), 1);
    EXPECT_EQ(PreselectedLine(1, 0), 0);
}

TEST(PdfNaming, ZelPlusTheBaseNameOfTheDataFile) {
    EXPECT_EQ(ProposedPdfName("/home/u/データ/梁A.Zel"), "Zel_梁A");
    EXPECT_EQ(ProposedPdfName("a.b.Zel"), "Zel_a.b");
    EXPECT_EQ(ProposedPdfName("新規データ"), "Zel_");
    EXPECT_EQ(ProposedPdfName(""), "Zel_");
    EXPECT_EQ(PdfBaseName("/x.y/plain"), "");
}

}  // namespace
}  // namespace zel
