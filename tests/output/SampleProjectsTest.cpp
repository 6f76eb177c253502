// The committed sample .Zel files are their JSON sources, written by the data layer. Run with
// ZEL_WRITE_SAMPLES=1 to (re)write them after editing a JSON source.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "SampleProjects.h"
#include "data/ZelFile.h"
#include "output/ResultListLines.h"
#include "output/SheetComposer.h"
#include "output/SheetDocument.h"

namespace zel {
namespace {

void ExpectSampleMatchesSource(const std::string& base) {
    Project fromJson = test::ProjectFromJson(test::SampleSourcePath(base + ".json"));
    const std::string zel = test::SamplePath(base + ".Zel");
    if (std::getenv("ZEL_WRITE_SAMPLES")) {
        const ZelSaveResult saved = SaveZelFile(zel, fromJson);
        ASSERT_TRUE(saved.ok) << saved.error;
    }
    Project loaded = MakeEmptyProject();
    ASSERT_TRUE(LoadZelFile(zel, loaded).Ok()) << zel;
    CalculateAll(loaded);  // both as the current calculation sees them
    EXPECT_EQ(loaded.settings, fromJson.settings) << base;
    EXPECT_EQ(loaded.font, fromJson.font) << base;
    for (int slot = 1; slot <= fromJson.BeamCount(); ++slot) {
        EXPECT_EQ(loaded.Beam(slot), fromJson.Beam(slot)) << base << " beam " << slot;
    }
}

TEST(SampleProjects, ZelFilesAreWrittenFromTheirJsonSources) {
    ExpectSampleMatchesSource("floor");
    ExpectSampleMatchesSource("floor_si");
}

TEST(SampleProjects, FloorCoversTheCasesTheSheetMustShow) {
    Project p = test::ProjectFromJson(test::SampleSourcePath("floor.json"));
    ASSERT_GE(p.BeamCount(), 10);
    ASSERT_LE(p.BeamCount(), 15);
    bool loadTypes[7] = {};
    bool spanTypes[7] = {};
    bool sections[4] = {};
    int cantilevers = 0, skipped = 0, impossible = 0;
    for (int slot = 1; slot <= p.BeamCount(); ++slot) {
        const BeamRecord& b = p.Beam(slot);
        for (int k = 0; k < b.loadCount; ++k) loadTypes[b.loadType[k]] = true;
        if (b.supportType == 1)
            ++cantilevers;
        else
            spanTypes[b.spanType] = true;
        sections[b.sectionCount] = true;
        if (b.skipBeam) {
            ++skipped;
            continue;
        }
        if (CalculateBeam(p, slot).DesignImpossible()) ++impossible;
    }
    for (int t = 1; t <= 6; ++t) EXPECT_TRUE(loadTypes[t]) << "load type " << t;
    for (int t = 0; t <= 6; ++t) EXPECT_TRUE(spanTypes[t]) << "span type " << t;
    EXPECT_TRUE(sections[1] && sections[2] && sections[3]);
    EXPECT_GE(cantilevers, 2);
    EXPECT_EQ(skipped, 1);
    EXPECT_EQ(impossible, 1);

    // 12 printed beams: six pages, and the beam after the skipped one moves up into its place.
    FixedFontMetrics metrics;
    const ComposedSheet sheet = ComposeSheet(p, metrics);
    EXPECT_EQ(sheet.pageCount, 6);
    const std::vector<ResultListEntry> list = BuildResultList(p, sheet.pages);
    ASSERT_EQ(list.size(), 12u);
    EXPECT_EQ(list.back().line.substr(list.back().line.size() - 3), "  6");

    Project si = test::ProjectFromJson(test::SampleSourcePath("floor_si.json"));
    EXPECT_EQ(si.settings.unitCode, 3);
}

}  // namespace
}  // namespace zel
