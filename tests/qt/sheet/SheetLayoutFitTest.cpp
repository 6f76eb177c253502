// With the real sheet fonts, each beam's half page holds its body table, drawing and load table,
// also for the longest bodies (six notes, SI output, twenty loads).
#include <gtest/gtest.h>

#include <variant>

#include "calc/CalculateBeam.h"
#include "data/ZelFile.h"
#include "output/SheetComposer.h"
#include "output/SheetDocument.h"
#include "qt/sheet/SheetFonts.h"
#include "support/QtTestSupport.h"

namespace zel {
namespace {

struct Extent {
    std::int32_t top = 0, bottom = 0, right = 0;
};

std::vector<Extent> TableExtents(const SheetPage& page) {
    std::vector<Extent> out;
    for (const SheetItem& item : page.items) {
        if (const auto* t = std::get_if<SheetTable>(&item))
            out.push_back({t->y, t->y + t->Height(), t->x + t->Width()});
    }
    return out;
}

TEST(SheetLayoutFit, TwoLongBeamsShareAPageWithoutOverlapping) {
    test::EnsureGuiApplication();
    Project project = MakeEmptyProject();
    ASSERT_TRUE(
        LoadZelFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel", project).Ok());
    // The longest body: every note (rule 0, short term, conventional input with SI output)
    // and the longest captions; twenty loads for the tallest load table.
    project.settings.unitCode = 1;
    for (int slot : {1, 2}) {
        BeamRecord& b = project.Beam(slot);
        b.minRebarRule = 0;
        b.shortTerm = 1;
        b.skipBeam = 0;
        b.loadCount = 20;
        for (int k = 0; k < 20; ++k) {
            b.loadType[k] = static_cast<std::int16_t>(k % 6 + 1);
            b.loadValue[k] = 12.5f;
            b.loadHeight[k] = 10.0f;
            b.loadLengths[k] = {10.0f, 1.0f, 1.0f, 1.0f};
        }
    }
    project.settings.beamCount = 2;

    qt::QtSheetFontMetrics metrics;
    const ComposedSheet sheet = ComposeSheet(project, metrics);
    ASSERT_EQ(sheet.pageCount, 1);
    const SheetDocument& doc = sheet.document;
    const SheetLayout& layout = sheet.layout;

    const std::vector<Extent> tables = TableExtents(doc.Pages()[0]);
    ASSERT_EQ(tables.size(), 4u);  // body and load table of each beam
    const std::int32_t half =
        doc.MarginTop() + static_cast<std::int32_t>(layout.PrintableHeightCm / 2.0f * 567.0f);
    const std::int32_t bottom = doc.PageHeight() - doc.MarginBottom();
    EXPECT_LT(tables[0].bottom, half) << "body of the first beam runs into the second";
    EXPECT_LT(tables[1].bottom, half) << "load table of the first beam runs into the second";
    EXPECT_GE(tables[2].top, half);
    EXPECT_LE(tables[2].bottom, bottom);
    EXPECT_LE(tables[3].bottom, bottom);
    // Body table and load table side by side without overlapping.
    const auto& loadTable =
        std::get<SheetTable>(doc.Pages()[0].items[doc.Pages()[0].items.size() - 1]);
    EXPECT_LE(tables[0].right, loadTable.x);
    RecordProperty("body_height_twips", tables[0].bottom - tables[0].top);
}

}  // namespace
}  // namespace zel
