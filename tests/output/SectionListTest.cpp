// The beam section list: bars placed where the calculation puts them, cells that say why they
// are not drawn, and blocks that stay whole on their page.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "data/ZelFile.h"
#include "output/SectionList.h"
#include "output/SheetComposer.h"

namespace zel {
namespace {

// A 400 × 700 section, cover 40 mm, D22 main bars (outer 25 mm) and D10 stirrups (outer
// 11 mm): the first layer's centres lie 40 + 11 + 12.5 = 63.5 mm from each face, the layers
// max(25 + 31.25 + 0.5, 1.5 · 22 + 25) = 58 mm apart.
struct SectionCase {
    BeamRecord beam;
    CalcResult result;
    PlacementFlags flags;

    SectionCase() {
        beam.memberName = "G1";
        beam.sectionCount = 1;
        beam.sectionWidth = {40.0f, 40.0f, 40.0f};
        beam.sectionDepth = {70.0f, 70.0f, 70.0f};
        beam.sectionCover = {4.0f, 4.0f, 4.0f};
        beam.mainBarSize = "D22";
        beam.stirrupSize = "D10";
        beam.maxBarLayers = 2;
        result.dm = 22;
        result.ds = 10;
        result.mainOuterMm = 25.0f;
        result.stirrupOuterMm = 11.0f;
        // One section: its column takes the larger count of each face over the three sections.
        const std::array<std::pair<int, int>, 3> faces{{{5, 2}, {2, 4}, {3, 3}}};
        for (std::size_t s = 0; s < 3; ++s) {
            result.sections[s].topBars = static_cast<std::int16_t>(faces[s].first);
            result.sections[s].bottomBars = static_cast<std::int16_t>(faces[s].second);
            result.sections[s].barsPerLayer = 4;
            result.sections[s].stirrupLegs = 2;
            result.sections[s].stirrupPitch = 200;
        }
    }
    SectionCell Cell(double maxSize = 1e6) const {
        return BuildSectionCell(beam, result, flags, 0, maxSize, maxSize);
    }
};

TEST(SectionCell, BarsLieInTheCalculationsLayersEvenlyBetweenTheStirrupLegs) {
    const SectionCell cell = SectionCase().Cell();
    ASSERT_EQ(cell.reason, "");
    EXPECT_EQ(cell.heading, "全断面");
    EXPECT_EQ(cell.sizeText, "400×700");
    EXPECT_EQ(cell.topText, "5-D22(2段)");
    EXPECT_EQ(cell.bottomText, "4-D22");
    EXPECT_EQ(cell.stirrupText, "2-D10@200");
    EXPECT_EQ(cell.judgementText, "");
    EXPECT_DOUBLE_EQ(cell.stirrupInset, 45.5);
    EXPECT_DOUBLE_EQ(cell.barInset, 63.5);
    struct Expected {
        double x, y;
        bool top;
    };
    const double gap = (400.0 - 2 * 63.5) / 3.0;
    const std::vector<Expected> expected = {
        {63.5, 63.5, true},    {63.5 + gap, 63.5, true},   {63.5 + 2 * gap, 63.5, true},
        {336.5, 63.5, true},   {200.0, 121.5, true},  // the second layer's one bar
        {63.5, 636.5, false},  {63.5 + gap, 636.5, false}, {63.5 + 2 * gap, 636.5, false},
        {336.5, 636.5, false},
    };
    ASSERT_EQ(cell.bars.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(cell.bars[i].x, expected[i].x, 1e-4) << i;
        EXPECT_NEAR(cell.bars[i].y, expected[i].y, 1e-4) << i;
        EXPECT_EQ(cell.bars[i].top, expected[i].top) << i;
        EXPECT_EQ(cell.bars[i].radius, 11.0) << i;
    }
}

TEST(SectionCell, ASectionThatCannotBeDrawnSaysWhyAndDrawsNoBar) {
    struct Case {
        const char* what;
        std::function<void(SectionCase&)> change;
        const char* reason;  // part of the reason
        double maxSize = 1e6;
    };
    const std::vector<Case> cases = {
        {"beyond the allowed layers", [](SectionCase& c) { c.result.sections[0].topBars = 9; },
         "許容段数"},
        {"a hundred bars", [](SectionCase& c) { c.result.sections[0].bottomBars = 100; },
         "多すぎる"},
        {"no bar fits a layer",
         [](SectionCase& c) {
             for (auto& s : c.result.sections) s.barsPerLayer = 0;
         },
         "1本も入らない"},
        {"more bars in a layer than its breadth holds",
         [](SectionCase& c) {
             for (auto& s : c.result.sections) s.barsPerLayer = 14;
             c.result.sections[0].topBars = 14;  // 273 / 13 = 21 mm apart, 22 mm thick
         },
         "重なる"},
        {"layers meeting in a shallow section",
         [](SectionCase& c) {
             c.beam.sectionDepth = {16.0f, 16.0f, 16.0f};
             c.result.sections[0].topBars = 8;
         },
         "描けません"},
        {"not calculated", [](SectionCase& c) { c.result.error = "梁幅Bが0以下です"; },
         "計算できません: 梁幅Bが0以下です"},
        {"no stirrup legs",
         [](SectionCase& c) {
             for (auto& s : c.result.sections) s.stirrupLegs = 0;
         },
         "ｽﾀｰﾗｯﾌﾟ"},
        {"a cover beyond half the breadth",
         [](SectionCase& c) {
             c.beam.sectionCover = {19.0f, 19.0f, 19.0f};
             for (auto& s : c.result.sections) s.topBars = s.bottomBars = 0;
         },
         "かぶり厚さ"},
        {"a NaN depth", [](SectionCase& c) { c.beam.sectionDepth[0] = std::nanf(""); }, "断面寸法"},
        {"larger than the cell", [](SectionCase&) {}, "枠に納まりません", 500.0},
    };
    for (const Case& c : cases) {
        SectionCase section;
        c.change(section);
        const SectionCell cell = section.Cell(c.maxSize);
        EXPECT_NE(cell.reason.find(c.reason), std::string::npos) << c.what << ": " << cell.reason;
        EXPECT_TRUE(cell.bars.empty()) << c.what;
        EXPECT_EQ(cell.heading, "全断面") << c.what;
    }
    SectionCase failed;
    failed.result.error = "x";
    EXPECT_EQ(failed.Cell().topText, "");  // a beam not calculated has no true bar count
    EXPECT_EQ(failed.Cell().judgementText, "設計不可");
}

// Boxes of the closed frames of a page, in mm of the object: [left, top, right, bottom].
std::vector<std::array<double, 4>> ClosedFrames(const DrawingPage& page) {
    std::vector<std::array<double, 4>> boxes;
    for (const DrawingPolyline& line : page.polylines) {
        if (line.layer != DrawingLayer::Frame || !line.closed) continue;
        std::array<double, 4> box{1e300, 1e300, -1e300, -1e300};
        for (const DrawingPoint& p : line.points)
            box = {std::min(box[0], p.x), std::min(box[1], p.y), std::max(box[2], p.x),
                   std::max(box[3], p.y)};
        boxes.push_back(box);
    }
    return boxes;
}

bool Inside(const std::array<double, 4>& outer, double x, double y) {
    return outer[0] - 1e-6 <= x && x <= outer[2] + 1e-6 && outer[1] - 1e-6 <= y &&
           y <= outer[3] + 1e-6;
}

TEST(SectionList, FiftyBeamsFillWholePagesWithWholeBlocksAndATitleBlock) {
    Project floor = MakeEmptyProject();
    ASSERT_TRUE(
        LoadZelFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel", floor).Ok());
    Project project = floor;
    for (int i = 0; i < kMaxBeams; ++i) {
        project.beams[static_cast<std::size_t>(i)] = floor.Beam(1 + i % floor.BeamCount());
        project.beams[static_cast<std::size_t>(i)].memberName = "B" + std::to_string(i + 1);
    }
    project.settings.beamCount = kMaxBeams;
    const int printed = static_cast<int>(PrintedBeamSlots(project).size());

    std::map<int, int> pagesAtScale;
    for (const int scale : {20, 30}) {
        const Drawing drawing = ComposeSectionList(project, {scale, "floor.Zel", "2024/05/31"});
        pagesAtScale[scale] = static_cast<int>(drawing.pages.size());
        int names = 0;
        for (std::size_t p = 0; p < drawing.pages.size(); ++p) {
            const DrawingPage& page = drawing.pages[p];
            auto frames = ClosedFrames(page);
            // The page frame is the largest; the title block lies along its foot.
            std::sort(frames.begin(), frames.end(), [](const auto& a, const auto& b) {
                return (a[2] - a[0]) * (a[3] - a[1]) > (b[2] - b[0]) * (b[3] - b[1]);
            });
            ASSERT_FALSE(frames.empty());
            const auto pageFrame = frames.front();
            EXPECT_NEAR(pageFrame[2] - pageFrame[0], 400.0 * scale, 1e-6);
            const double titleTop = pageFrame[3] - 16.0 * scale;
            for (std::size_t i = 1; i < frames.size(); ++i) {
                const auto& block = frames[i];
                EXPECT_TRUE(Inside(pageFrame, block[0], block[1]) && block[2] <= pageFrame[2] &&
                            block[3] <= titleTop)
                    << "page " << p + 1 << " block " << i;
                for (std::size_t j = i + 1; j < frames.size(); ++j) {
                    const auto& other = frames[j];
                    EXPECT_TRUE(block[2] <= other[0] || other[2] <= block[0] ||
                                block[3] <= other[1] || other[3] <= block[1])
                        << "blocks " << i << " and " << j << " of page " << p + 1 << " overlap";
                }
            }
            bool title = false, pageNumber = false, scaleText = false;
            for (const DrawingText& t : page.texts) {
                const bool inBlock =
                    std::any_of(frames.begin() + 1, frames.end(),
                                [&](const auto& b) { return Inside(b, t.at.x, t.at.y); });
                if (inBlock && t.height == 3.5 * scale) ++names;
                title |= t.text == "梁断面リスト";
                pageNumber |=
                    t.text == std::to_string(p + 1) + " / " + std::to_string(drawing.pages.size());
                scaleText |= t.text == "1:" + std::to_string(scale);
                EXPECT_TRUE(Inside(pageFrame, t.at.x, t.at.y)) << t.text;
            }
            EXPECT_TRUE(title && pageNumber && scaleText) << "page " << p + 1;
            // Every bar lies in a block.
            for (const DrawingCircle& c : page.circles) {
                EXPECT_TRUE(std::any_of(frames.begin() + 1, frames.end(), [&](const auto& b) {
                    return Inside(b, c.centre.x, c.centre.y);
                }));
            }
        }
        EXPECT_EQ(names, printed) << "1:" << scale;
    }
    EXPECT_GT(pagesAtScale[20], 1);
    EXPECT_LE(pagesAtScale[30], pagesAtScale[20]);
}

}  // namespace
}  // namespace zel
