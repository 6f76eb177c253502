// Hostile and random beams: the calculation always ends, never produces undefined behaviour,
// and either reports an error or gives finite, self-consistent results.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "calc/BarTable.h"
#include "calc/CalculateBeam.h"
#include "lib/Rounding.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

using test::ProjectOf;
using test::TypicalBeam;

// A float drawn from ordinary values, zeros, negatives, huge values and non-numbers.
float HostileFloat(std::mt19937& rng) {
    static const float special[] = {0.0f,
                                    -0.0f,
                                    -1.0f,
                                    1e-30f,
                                    1e30f,
                                    -1e30f,
                                    std::numeric_limits<float>::max(),
                                    std::numeric_limits<float>::lowest(),
                                    std::numeric_limits<float>::denorm_min(),
                                    std::numeric_limits<float>::infinity(),
                                    -std::numeric_limits<float>::infinity(),
                                    std::numeric_limits<float>::quiet_NaN()};
    std::uniform_int_distribution<int> pick(0, 3);
    if (pick(rng) == 0) {
        std::uniform_int_distribution<std::size_t> which(0, std::size(special) - 1);
        return special[which(rng)];
    }
    std::uniform_real_distribution<float> ordinary(-50.0f, 200.0f);
    return ordinary(rng);
}

std::int16_t HostileInt(std::mt19937& rng) {
    std::uniform_int_distribution<int> value(-32768, 32767);
    std::uniform_int_distribution<int> small(-2, 8);
    return static_cast<std::int16_t>(
        std::uniform_int_distribution<int>(0, 2)(rng) == 0 ? value(rng) : small(rng));
}

void ExpectConsistent(const CalcResult& r, const BeamRecord& beam) {
    if (!r.Calculated()) {
        EXPECT_STREQ(r.Judgement(), "設計不可");
        EXPECT_EQ(r.anyPlacementFailed, 1);
        return;
    }
    int failed = 0;
    for (const SectionResult& s : r.sections) {
        EXPECT_TRUE(std::isfinite(s.pw) && std::isfinite(s.j) && std::isfinite(s.dt));
        EXPECT_LE(s.tensionBars, 100);
        EXPECT_LE(s.stirrupPitch, 9999);
        EXPECT_GE(s.layers, 0);
        failed += s.placementFailed;
        if (s.placementFailed == 0 && beam.maxBarLayers > 0) {
            EXPECT_LE(s.topBars, beam.maxBarLayers * s.barsPerLayer);
            EXPECT_LE(s.bottomBars, beam.maxBarLayers * s.barsPerLayer);
        }
    }
    EXPECT_EQ(r.anyPlacementFailed, failed > 0 ? 1 : 0);
}

TEST(Robustness, HostileBeamsEndWithAResultOrAnError) {
    std::mt19937 rng(20261208);
    const auto mainNames = BarSizesFor(BarList::MainBars, 0);
    for (int round = 0; round < 3000; ++round) {
        BeamRecord beam = TypicalBeam("hostile");
        // Disturb a few fields of an otherwise sound beam, or everything at once.
        const bool all = round % 10 == 0;
        std::uniform_int_distribution<int> coin(0, 5);
        auto maybe = [&](auto& field, auto value) {
            if (all || coin(rng) == 0) field = value;
        };
        for (int s = 0; s < 3; ++s) {
            maybe(beam.sectionWidth[s], HostileFloat(rng));
            maybe(beam.sectionDepth[s], HostileFloat(rng));
            maybe(beam.sectionCover[s], HostileFloat(rng));
            maybe(beam.userCoefficients[s], HostileFloat(rng));
        }
        maybe(beam.spanLength, HostileFloat(rng));
        maybe(beam.concreteFc, HostileFloat(rng));
        maybe(beam.compressionBarRatio, HostileFloat(rng));
        maybe(beam.momentPosition, HostileFloat(rng));
        maybe(beam.selfWeight, static_cast<double>(HostileFloat(rng)));
        maybe(beam.minRebarRule, HostileInt(rng));
        maybe(beam.sectionCount, HostileInt(rng));
        maybe(beam.mainBarGrade, HostileInt(rng));
        maybe(beam.stirrupGrade, HostileInt(rng));
        maybe(beam.assemblyMethod, HostileInt(rng));
        maybe(beam.maxStirrupPitch, HostileInt(rng));
        maybe(beam.maxBarLayers, HostileInt(rng));
        maybe(beam.maxStirrupLegs, HostileInt(rng));
        maybe(beam.spanType, HostileInt(rng));
        maybe(beam.supportType, HostileInt(rng));
        maybe(beam.shortTerm, HostileInt(rng));
        maybe(beam.ignoreSelfWeight, HostileInt(rng));
        maybe(beam.loadCount, HostileInt(rng));
        maybe(beam.mainBarSize, mainNames[round % mainNames.size()]);
        if (round % 97 == 0) beam.mainBarSize = "D" + std::string(300, '9');
        for (int i = 0; i < kMaxLoads; ++i) {
            maybe(beam.loadType[i], HostileInt(rng));
            maybe(beam.loadValue[i], HostileFloat(rng));
            maybe(beam.loadHeight[i], HostileFloat(rng));
            for (float& length : beam.loadLengths[i]) maybe(length, HostileFloat(rng));
        }
        Project project = ProjectOf({beam});
        const CalcResult r = CalculateBeam(project, 1);
        ExpectConsistent(r, project.Beam(1));
        EXPECT_EQ(project.placement[0].anyPlacementFailed, r.anyPlacementFailed);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "round " << round;
            return;
        }
    }
}

TEST(Robustness, RandomSoundBeamsAreDesignedConsistently) {
    std::mt19937 rng(4);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const char* stirrups[] = {"D10", "D10D13", "D13", "D16"};
    int designed = 0;
    for (int round = 0; round < 2000; ++round) {
        BeamRecord beam = TypicalBeam("random");
        const auto mains = BarSizesFor(BarList::MainBars, round % 4);
        beam.mainBarGrade = static_cast<std::int16_t>(round % 4);
        beam.mainBarSize = mains[round % mains.size()];
        beam.stirrupGrade = static_cast<std::int16_t>((round / 4) % 2);
        beam.stirrupSize = stirrups[round % 4];
        beam.sectionCount = static_cast<std::int16_t>(1 + round % 3);
        for (int s = 0; s < 3; ++s) {
            beam.sectionWidth[s] = 15.0f + 45.0f * unit(rng);
            beam.sectionDepth[s] = 35.0f + 65.0f * unit(rng);
            beam.sectionCover[s] = 3.0f + 3.0f * unit(rng);
        }
        beam.spanLength = 2.0f + 10.0f * unit(rng);
        beam.momentPosition = beam.spanLength * unit(rng);
        beam.supportType = static_cast<std::int16_t>(round % 7 == 0);
        beam.spanType = static_cast<std::int16_t>(round % 7);
        beam.minRebarRule = static_cast<std::int16_t>(round % 3);
        beam.assemblyMethod = static_cast<std::int16_t>(round % 5);
        beam.maxStirrupLegs = static_cast<std::int16_t>(1 + round % 4);
        beam.maxBarLayers = static_cast<std::int16_t>(1 + round % 3);
        beam.compressionBarRatio = unit(rng);
        beam.concreteFc = 150.0f + 210.0f * unit(rng);
        beam.shortTerm = static_cast<std::int16_t>(round % 2);
        beam.loadValue[0] = 3.0f * unit(rng);
        Project project = ProjectOf({beam}, round % 5 == 0);
        const CalcResult r = CalculateBeam(project, 1);
        ASSERT_TRUE(r.Calculated()) << round << ": " << r.error;
        ExpectConsistent(r, beam);
        for (int k = 0; k < 3; ++k) {
            const SectionResult& s = r.sections[k];
            // The pitch is a multiple of 25 mm or the limit h (maximum pitch or D/2).
            const float D = beam.sectionDepth[SourceSection(beam.sectionCount, k)];
            const int h = RoundToInt(std::min(200.0, D * 10.0 / 2.0));
            EXPECT_TRUE(s.stirrupPitch % 25 == 0 || s.stirrupPitch == h) << s.stirrupPitch;
            EXPECT_LE(s.stirrupPitch, h);
            if (s.tensionBars >= 100 || s.placementFailed != 0) continue;
            // The bars reach the required area and the required perimeter.
            EXPECT_GE(s.tensionBars * r.a1 + 1e-6, s.atRequired) << round;
            EXPECT_GE(s.tensionBars * r.psi1, s.psiRequired) << round;
        }
        ++designed;
    }
    EXPECT_EQ(designed, 2000);
}

}  // namespace
}  // namespace zel
