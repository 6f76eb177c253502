// The sentences that say why a section is "設計不可", and the why-lines of the check view.
#include <gtest/gtest.h>

#include <limits>

#include "../calc/CalcTestBeams.h"
#include "calc/CalculateBeam.h"
#include "output/CheckViewTexts.h"
#include "output/SectionWhyTexts.h"

namespace zel {
namespace {

TEST(SectionWhyTexts, FailureSentencesCarryTheSectionsNumbers) {
    const struct {
        SectionFailure failure;
        const char* sentence;
    } cases[] = {
        {{FailureKind::None}, ""},
        {{FailureKind::FaceOverflow, true, 9, 4, 2}, "下端筋 9本 > 4本×2段"},
        {{FailureKind::FaceOverflow, false, 11, 3, 1}, "上端筋 11本 > 3本×1段"},
        {{FailureKind::NoBarFits, false, 0, 0, 0, 0, 12.5f}, "1段に主筋が1本も入らない (B=12.5cm)"},
        {{FailureKind::DepthUsedUp, false, 0, 0, 0, 3}, "有効せいが無くなる (3段目)"},
        {{FailureKind::BarCap}, "主筋が100本を超える"},
        {{FailureKind::NotCalculated}, "梁幅Bが0以下です"},
    };
    for (const auto& c : cases) {
        CalcResult result;
        result.error = "梁幅Bが0以下です";
        result.sections[1].why.failure = c.failure;
        EXPECT_EQ(FailureSentence(result, 1), c.sentence);
    }
    EXPECT_EQ(RatioText(0.875), "0.88");
    EXPECT_EQ(RatioText(std::numeric_limits<double>::infinity()), "∞");
}

TEST(SectionWhyTexts, CheckViewShowsTheWorstFailureOfAColumnAndALinePerSection) {
    BeamRecord beam = testing_beams::TypicalBeam();
    beam.sectionCount = 2;
    beam.maxBarLayers = 1;
    beam.loadValue[0] = 4.0f;
    Project project = testing_beams::ProjectOf({beam});
    const CalcResult result = CalculateBeam(project, 1);
    ASSERT_TRUE(result.Calculated());
    const CheckViewTexts texts = BuildCheckViewTexts(project.Beam(1), result, project.placement[0]);
    ASSERT_EQ(texts.columns.size(), 2u);
    ASSERT_EQ(texts.whyLines.size(), 3u);
    ASSERT_EQ(texts.failures.size(), 2u);
    for (std::size_t c = 0; c < 2; ++c) {
        EXPECT_EQ(texts.columns[c].failed, !texts.failures[c].empty());
        const std::vector<int> sections = ColumnSections(project.Beam(1), static_cast<int>(c));
        if (texts.columns[c].failed) {
            EXPECT_EQ(texts.failures[c], WorstFailureSentence(result, sections));
        }
    }
    ASSERT_TRUE(texts.columns[1].failed);  // the centre carries the most bars
    EXPECT_EQ(texts.failures[1], FailureSentence(result, 1));
    EXPECT_NE(texts.whyLines[1].find("中央  主筋:"), std::string::npos);
    EXPECT_NE(texts.whyLines[1].find("設計不可: " + texts.failures[1]), std::string::npos)
        << texts.whyLines[1];
}

}  // namespace
}  // namespace zel
