// The rule a section records as deciding must be the one its own numbers show: checked over
// random projects in both unit systems.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "RandomProjects.h"
#include "calc/CalculateBeam.h"
#include "calc/Single.h"
#include "lib/Rounding.h"

namespace zel {
namespace {

bool Near(double a, double b) {
    return std::fabs(a - b) <= 1e-5 * std::max(std::fabs(a), std::fabs(b)) + 1e-7;
}

// Checks one designed section against its own numbers; returns the failures seen.
void CheckSection(const BeamRecord& b, const CalcResult& r, int k) {
    const SectionResult& s = r.sections[static_cast<std::size_t>(k)];
    const int src = SourceSection(b.sectionCount, k);
    const float B = b.sectionWidth[src], D = b.sectionDepth[src];
    const DesignStresses& ds = r.designStresses;
    const float M = std::fabs(k == 0 ? ds.Mleft : k == 1 ? ds.Mcentre : ds.Mright);
    const float Q = std::fabs(k == 0 ? ds.Qleft : k == 1 ? ds.Qcentre : ds.Qright);
    const double d = static_cast<double>(D) - s.dt;
    const float fromMoment =
        Single(static_cast<double>(M) * 100.0 / (r.ft * static_cast<double>(s.j)));
    const int n = s.tensionBars;
    const int legs = EffectiveLegs(B, b.maxStirrupLegs);
    const int areaCount = TensionBarCount(s.atRequired, r.a1);
    const int beforeBond = areaCount <= 1 && legs >= 2 ? legs : areaCount;
    const bool nothingLater = n == areaCount && n < 100;
    const bool bondShortAtCap = n >= 100 && n * static_cast<double>(r.psi1) < s.psiRequired;
    const TensionRule rule = s.why.tension;

    EXPECT_EQ(rule == TensionRule::MinimumRatio, b.minRebarRule == 0 &&
                                                     Near(s.atRequired, 0.004 * B * d) &&
                                                     fromMoment < s.atRequired && nothingLater);
    EXPECT_EQ(rule == TensionRule::FourThirds, b.minRebarRule == 1 &&
                                                   Near(s.atRequired, fromMoment * 4.0 / 3.0) &&
                                                   fromMoment < s.atRequired && nothingLater);
    EXPECT_EQ(rule == TensionRule::Moment, s.atRequired == fromMoment && nothingLater);
    EXPECT_EQ(rule == TensionRule::StirrupLegs,
              areaCount <= 1 && legs >= 2 && n == legs && legs < 100);
    EXPECT_EQ(rule == TensionRule::Bond, (n - 1) * static_cast<double>(r.psi1) < s.psiRequired &&
                                             beforeBond < n && !bondShortAtCap);
    EXPECT_EQ(rule == TensionRule::Cap, n == 100 && (beforeBond >= 100 || bondShortAtCap));

    const float tau = Single(static_cast<double>(Q) / (static_cast<double>(B) * s.j));
    const double pwFromTau = (static_cast<double>(tau) - r.fs) / (0.5 * r.wft) + 0.002;
    EXPECT_EQ(s.why.stirrups == StirrupRule::MinimumRatio, tau <= r.fs);
    EXPECT_EQ(s.why.stirrups == StirrupRule::ShearCap, tau > r.fs && Single(pwFromTau) > 0.012);
    EXPECT_EQ(s.ratios.shear <= 1.0, tau <= r.fs);
    if (s.why.pitch == PitchRule::Limit) {
        EXPECT_EQ(s.stirrupPitch,
                  std::min(9999, RoundToInt(std::min<double>(b.maxStirrupPitch, D * 5.0))));
    } else {
        EXPECT_EQ(s.stirrupLegs, legs < 1 ? 0 : legs);
    }

    const SectionFailure& f = s.why.failure;
    EXPECT_EQ(f.kind != FailureKind::None, s.placementFailed != 0);
    EXPECT_EQ(s.ratios.placement > 1.0, s.placementFailed != 0);
    const int larger = std::max<int>(s.topBars, s.bottomBars);
    switch (f.kind) {
        case FailureKind::FaceOverflow:
            EXPECT_EQ(f.bars, f.bottomFace ? s.bottomBars : s.topBars);
            EXPECT_EQ(f.bars, larger);
            EXPECT_GT(f.bars, f.barsPerLayer * f.layers);
            EXPECT_EQ(f.barsPerLayer, s.barsPerLayer);
            EXPECT_EQ(f.layers, b.maxBarLayers);
            break;
        case FailureKind::NoBarFits:
            EXPECT_LE(s.barsPerLayer, 0);
            EXPECT_EQ(f.B, B);
            break;
        case FailureKind::DepthUsedUp:
            EXPECT_EQ(f.layer, s.layers + 1);
            EXPECT_GT(n, s.layers * s.barsPerLayer);
            break;
        case FailureKind::BarCap:
            EXPECT_EQ(n, 100);
            break;
        default:
            break;
    }
}

TEST(SectionWhyProperty, RecordedRulesAgreeWithTheSectionsOwnNumbers) {
    std::mt19937 rng(24);
    std::set<TensionRule> tension;
    std::set<StirrupRule> stirrups;
    std::set<PitchRule> pitch;
    std::set<int> failures;
    int sections = 0;
    for (int round = 0; round < 300; ++round) {
        const bool si = round % 2 == 1;
        Project project = testing_beams::RandomProject(rng, si, 12);
        for (const CalcResult& r : CalculateAll(project)) {
            const BeamRecord& b = project.Beam(r.slot);
            bool anyFailure = false;
            for (int k = 0; k < 3; ++k) {
                const SectionResult& s = r.sections[static_cast<std::size_t>(k)];
                anyFailure = anyFailure || s.why.failure.kind != FailureKind::None;
                failures.insert(static_cast<int>(s.why.failure.kind));
                if (!r.Calculated()) {
                    EXPECT_EQ(s.why.failure.kind, FailureKind::NotCalculated);
                    continue;
                }
                CheckSection(b, r, k);
                tension.insert(s.why.tension);
                stirrups.insert(s.why.stirrups);
                pitch.insert(s.why.pitch);
                ++sections;
            }
            EXPECT_EQ(anyFailure, r.DesignImpossible());
            if (::testing::Test::HasFailure()) {
                FAIL() << "round " << round << (si ? " (SI)" : "") << ", beam " << r.slot;
            }
        }
    }
    EXPECT_GT(sections, 9000);
    // Every rule and every kind of failure was met, or the property would prove little.
    EXPECT_EQ(tension.size(), 6u);
    EXPECT_EQ(stirrups.size(), 3u);
    EXPECT_EQ(pitch.size(), 2u);
    EXPECT_EQ(failures.size(), 6u)
        << ::testing::PrintToString(std::vector<int>(failures.begin(), failures.end()));
}

}  // namespace
}  // namespace zel
