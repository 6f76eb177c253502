#include "calc/SectionDesign.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/BarLimits.h"
#include "calc/Single.h"
#include "lib/Rounding.h"

namespace zel {

namespace {

// The layer loop ends long before this with at most 100 bars and one bar per layer.
constexpr int kMaxLayers = kMaxBars + 1;
constexpr int kMaxWidthSteps = 999;

}  // namespace

int EffectiveLegs(float B, int maxStirrupLegs) {
    return B < 18.0f ? 1 : maxStirrupLegs;
}

int BarsPerLayer(float B, float cover, float mainOuterMm, float stirrupOuterMm, int dm, int ds,
                 int assemblyMethod) {
    if (assemblyMethod == 4) return 1;
    if (assemblyMethod < 0 || assemblyMethod > 3) return 0;
    const double outer = mainOuterMm, so = stirrupOuterMm, c = cover;
    const float S =
        Single(std::max(RoundHalfEven(outer + 31.25 + 0.5) / 10.0, (1.5 * dm + outer) / 10.0));
    const float Ss = Single((1.5 * ds + so) / 10.0);
    const float Hk = Single((1.79 * so + 8.69 * ds + 0.5 * outer + 10.0) / 10.0);
    const float I = Single(
        std::max((2.12 * ds + 2.41 * so + 1.21 * outer) / 10.0, static_cast<double>(S) + Ss));
    const float Mp = Single((1.71 * so + 6.81 * ds + 0.5 + outer / 2.0) / 10.0);

    // Width needed for n bars, from the width for n - 1.
    const auto width = [&](int n, float previous) -> float {
        switch (assemblyMethod) {
            case 0:
                if (n == 1) return S;
                if (n == 2) return Single(Mp + 1.0 + Ss + 2.0 * c);
                if (n == 3) return Single(2.0 * I + 1.0 + 2.0 * c);
                if (n == 4) return Single(2.0 * I + S + 2.0 * c);
                break;
            case 1:
                if (n == 1) return S;
                if (n == 2) return Single(static_cast<double>(Hk) + Ss + 2.0 * c);
                if (n == 3) return Single(2.0 * Hk + 2.0 * c);
                break;
            case 2:
                if (n == 1) return S;
                if (n == 2) return Single(static_cast<double>(I) + Ss + 2.0 * c + 1.0);
                if (n == 3) return Single(static_cast<double>(S) + Ss + I + 2.0 * c);
                break;
            case 3:
                if (n == 2) return Single(static_cast<double>(Hk) + Ss + 2.0 * c);
                break;
        }
        return Single(static_cast<double>(previous) + S);
    };

    float W = 0.0f;
    for (int n = assemblyMethod == 3 ? 2 : 1; n <= kMaxWidthSteps; ++n) {
        W = width(n, W);
        if (W > B) return n - 1;
    }
    return 0;
}

float LayerPitch(float mainOuterMm, int dm) {
    const double outer = mainOuterMm;
    return Single(std::max((outer + 31.25 + 0.5) / 10.0, (1.5 * dm + outer) / 10.0));
}

double FirstLayerDepth(float cover, float mainOuterMm, float stirrupOuterMm) {
    return cover + (static_cast<double>(mainOuterMm) / 2.0 + stirrupOuterMm) / 10.0;
}

double LayerDepth(float cover, float mainOuterMm, float stirrupOuterMm, int dm, int layer) {
    return FirstLayerDepth(cover, mainOuterMm, stirrupOuterMm) +
           static_cast<double>(LayerPitch(mainOuterMm, dm)) * layer;
}

int TensionBarCount(float at, float a1) {
    const double estimate = RoundHalfEven(static_cast<double>(at) / a1 - 0.5) + 1.0;
    if (!(estimate < 100000.0)) return 100000;  // also NaN
    int n = static_cast<int>(std::max(estimate, -100000.0));
    if (std::fabs(static_cast<double>(a1) * (n - 1) - at) < 1e-6) n = n - 1;
    return n;
}

std::string DesignSection(const SectionInput& in, SectionResult& out) {
    out = SectionResult{};
    const int legs = EffectiveLegs(in.B, in.maxStirrupLegs);
    const float p = LayerPitch(in.mainOuterMm, in.dm);
    const double firstLayer = FirstLayerDepth(in.cover, in.mainOuterMm, in.stirrupOuterMm);
    out.barsPerLayer = BarsPerLayer(in.B, in.cover, in.mainOuterMm, in.stirrupOuterMm, in.dm, in.ds,
                                    in.assemblyMethod);
    if (in.B >= 18.0f && out.barsPerLayer == 1) out.barsPerLayer = 2;
    out.layers = 0;

    int n = 0;
    // Each layer tried designs afresh; the last one tried decides, as it decides n.
    TensionRule tensionRule = TensionRule::None;
    while (out.layers < kMaxLayers) {
        const int k = out.layers;
        out.layers = k + 1;
        const float dt = Single(firstLayer + static_cast<double>(p) * k / 2.0);
        const double d = static_cast<double>(in.D) - dt;
        if (!(d > 0.0)) {
            // The first layer has no depth: the section itself is impossible. A further layer
            // without depth means the bars do not fit the section: a design failure.
            if (k == 0) return "梁せいDが主筋位置dt以下です";
            out.layers = k;
            out.placementFailed = 1;
            out.why.failure.kind = FailureKind::DepthUsedUp;
            out.why.failure.layer = k + 1;
            break;
        }
        out.dt = dt;
        out.j = Single(7.0 / 8.0 * d);
        float at = Single(static_cast<double>(in.M) * 100.0 / (static_cast<double>(in.ft) * out.j));
        const float ptPercent = Single(at / (d * in.B) * 100.0);
        tensionRule = TensionRule::Moment;
        if (in.minRebarRule == 0 && ptPercent < 0.4) {
            const float minimum = Single(d * in.B * 0.4 / 100.0);
            if (minimum > at) tensionRule = TensionRule::MinimumRatio;
            at = minimum;
        } else if (in.minRebarRule == 1) {
            const float raised = Single(at * 4.0 / 3.0);
            if (raised > at) tensionRule = TensionRule::FourThirds;
            at = raised;
        }
        out.atRequired = at;
        n = TensionBarCount(at, in.a1);
        if (n <= 1 && legs >= 2) {
            n = legs;
            tensionRule = TensionRule::StirrupLegs;
        }
        if (n >= kMaxBars) {
            // Bond is not looked at once the cap is reached.
            n = kMaxBars;
            tensionRule = TensionRule::Cap;
            break;
        }
        // Bond: add bars until their perimeter carries the shear (never beyond the cap).
        out.psiRequired = Single(static_cast<double>(in.Q) / (static_cast<double>(in.fa) * out.j));
        const int beforeBond = n;
        for (;;) {
            out.pt = Single(static_cast<double>(n) * in.a1 / (d * in.B));
            if (!(static_cast<double>(n) * in.psi1 < out.psiRequired) || n >= kMaxBars) break;
            ++n;
        }
        if (n > beforeBond) {
            const bool bondShort = static_cast<double>(n) * in.psi1 < out.psiRequired;
            tensionRule = bondShort ? TensionRule::Cap : TensionRule::Bond;
        }
        // Without a bar per layer no number of layers helps; the placement check fails it.
        if (out.barsPerLayer <= 0) break;
        if (n - static_cast<long long>(k) * out.barsPerLayer <= out.barsPerLayer) break;
    }
    out.tensionBars = n;
    out.why.tension = tensionRule;
    out.ratios.tension = UtilisationRatio(out.atRequired, static_cast<double>(n) * in.a1);
    out.ratios.bond = UtilisationRatio(out.psiRequired, static_cast<double>(n) * in.psi1);

    float pw = 0.002f;
    out.why.stirrups = StirrupRule::MinimumRatio;
    const float tau = Single(static_cast<double>(in.Q) / (static_cast<double>(in.B) * out.j));
    if (tau > in.fs) {
        pw = Single((static_cast<double>(tau) - in.fs) / (0.5 * in.wft) + 0.002);
        out.why.stirrups = StirrupRule::Shear;
        if (pw > 0.012) {
            pw = 0.012f;
            out.why.stirrups = StirrupRule::ShearCap;
        }
    }
    out.ratios.shear = UtilisationRatio(tau, in.fs);

    const float h = Single(std::min(static_cast<double>(in.maxStirrupPitch), in.D * 10.0 / 2.0));
    int x = 0;
    out.stirrupLegs = 0;
    out.why.pitch = PitchRule::Legs;
    for (int m = legs < 2 ? 1 : 2; m <= legs; ++m) {
        x = RoundToInt(m * static_cast<double>(in.aw) / (static_cast<double>(in.B) * pw) * 10.0);
        x = x / 25 * 25;
        out.stirrupLegs = m;
        if (x > h) {
            x = RoundToInt(h);
            out.why.pitch = PitchRule::Limit;
            break;
        }
    }
    out.stirrupPitch = x;
    out.pw =
        x <= 0
            ? 0.0f
            : Single((1000.0 / x) * out.stirrupLegs * in.aw / (static_cast<double>(in.B) * 100.0));
    return {};
}

bool TensionAtBottom(int section, float signedM) {
    return section == 3 ? signedM < 0.0f : signedM > 0.0f;
}

void AssignFaces(int section, float signedM, float r, int legs, SectionResult& result) {
    const bool tensionAtBottom = TensionAtBottom(section, signedM);
    const int n = result.tensionBars;
    int other = n;
    if (n > 1) other = RoundToInt((n + 0.5) * static_cast<double>(r));
    if (other == 1 && legs >= 2) other = 2;
    const std::int16_t tension = RoundToInt16(n);
    const std::int16_t compression = RoundToInt16(other);
    result.bottomBars = tensionAtBottom ? tension : compression;
    result.topBars = tensionAtBottom ? compression : tension;
    if (result.stirrupPitch >= 10000) result.stirrupPitch = 9999;
}

std::int16_t PlacementFailed(const SectionResult& result, int maxBarLayers) {
    if (result.placementFailed != 0 || result.barsPerLayer <= 0) return 1;
    // A hundred bars that still fall short of the area or the bond perimeter are not a design,
    // however well they fit the layers.
    if (result.why.tension == TensionRule::Cap &&
        (result.ratios.tension > 1.0 + 1e-6 || result.ratios.bond > 1.0 + 1e-6))
        return 1;
    const long long capacity = static_cast<long long>(maxBarLayers) * result.barsPerLayer;
    return (result.topBars > capacity || result.bottomBars > capacity) ? 1 : 0;
}

void JudgePlacement(SectionResult& result, int maxBarLayers, float B) {
    result.placementFailed = PlacementFailed(result, maxBarLayers);
    SectionFailure& failure = result.why.failure;
    const bool depthUsedUp = failure.kind == FailureKind::DepthUsedUp;
    // Where the depth ran out, only the layers that still had depth could take bars.
    const int layers = depthUsedUp ? std::min(maxBarLayers, result.layers) : maxBarLayers;
    const double capacity = static_cast<double>(layers) * result.barsPerLayer;
    const int larger = std::max<int>(result.topBars, result.bottomBars);
    // Without a bar per layer nothing fits, not even a section that needs no bars.
    result.ratios.placement = result.barsPerLayer <= 0 ? std::numeric_limits<double>::infinity()
                                                       : UtilisationRatio(larger, capacity);
    if (result.placementFailed == 0 || depthUsedUp) return;
    if (result.barsPerLayer <= 0) {
        failure.kind = FailureKind::NoBarFits;
        failure.B = B;
    } else if (result.why.tension == TensionRule::Cap) {
        failure.kind = FailureKind::BarCap;
    } else {
        failure.kind = FailureKind::FaceOverflow;
        failure.bottomFace = result.bottomBars >= result.topBars;
        failure.bars = larger;
        failure.barsPerLayer = result.barsPerLayer;
        failure.layers = maxBarLayers;
    }
}

}  // namespace zel
