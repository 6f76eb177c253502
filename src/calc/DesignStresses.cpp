#include "calc/DesignStresses.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "calc/CantileverLoad.h"
#include "calc/Single.h"
#include "calc/SingleSpanLoad.h"

namespace zel {

namespace {

// Two Singles added in double and rounded once give exactly their Single sum, so plain
// float addition is the double evaluation.
void Accumulate(float& sum, float value) {
    sum += value;
}

// The reserved beam value handed to the span routine, kept within Single range.
float BeamValue(const BeamRecord& beam) {
    const double value = beam.ReservedDouble();
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return 0.0f;
    return Single(value);
}

void AddSpanLoad(LoadEffects& sums, const BeamRecord& beam, float beamValue, int type,
                 const LoadDescription& load, float w, float H) {
    std::int32_t mode = 0;
    std::int32_t loadType = type;
    float span = beam.spanLength;
    float x1 = load.x1, length = load.loadedLength, a = load.risingLength, b = load.constantLength;
    float magnitude = w, height = H, heightCopy = H, value = beamValue, xM = beam.momentPosition;
    float cl = 0, cr = 0, mo = 0, ql = 0, qr = 0, out18 = 0, out19 = 0;
    VF_CMQGIR(mode, span, x1, length, a, b, magnitude, height, heightCopy, loadType, value, xM, cl,
              cr, mo, ql, qr, out18, out19);
    Accumulate(sums.CL, cl);
    Accumulate(sums.CR, cr);
    Accumulate(sums.Mo, mo);
    Accumulate(sums.QL, ql);
    Accumulate(sums.QR, qr);
}

void AddCantileverLoad(LoadEffects& sums, const BeamRecord& beam, int type,
                       const LoadDescription& load, float w, float H) {
    const CantileverEffect effect =
        CantileverLoadEffect(type, beam.spanLength, load.x1, load.loadedLength, load.risingLength,
                             load.constantLength, w, H);
    Accumulate(sums.CL, -effect.M);
    Accumulate(sums.CR, effect.M);
    Accumulate(sums.Mo, effect.M);
    Accumulate(sums.QL, effect.Q);
}

}  // namespace

SpanCoefficients SpanCoefficientsFor(int spanType, const std::array<float, 3>& userCoefficients) {
    switch (spanType) {
        case 0:
            return {0.6f, 0.35f, 0.6f};
        case 1:
            return {0.6f, 0.65f, 1.3f};
        case 2:
            return {0.6f, 0.65f, 1.2f};
        case 3:
            return {1.0f, 0.75f, 1.0f};
        case 4:
            return {userCoefficients[0], userCoefficients[1], userCoefficients[2]};
        case 5:
            return {1.3f, 0.65f, 0.6f};
        case 6:
            return {1.2f, 0.65f, 0.6f};
        default:
            return {};
    }
}

LoadDescription DescribeLoad(int loadType, const std::array<float, 4>& lengths, bool cantilever) {
    LoadDescription load;
    load.x1 = lengths[0];
    load.loadedLength = Single(static_cast<double>(lengths[1]) + lengths[2] + lengths[3]);
    switch (loadType) {
        case 1:
            if (cantilever) load.loadedLength = 0.0f;
            break;
        case 2:
            load.risingLength = lengths[1];
            break;
        case 4:
            load.constantLength = cantilever ? load.loadedLength : lengths[1];
            break;
        case 5:
            load.risingLength = lengths[1];
            load.constantLength = lengths[2];
            break;
        case 6:
            load.risingLength = Single(lengths[1] / 2.0);
            break;
        default:
            break;
    }
    return load;
}

BeamLoadResult ComputeDesignStresses(const BeamRecord& beam, const CalcUnits& units) {
    BeamLoadResult result;
    LoadEffects& sums = result.loadEffects;
    const bool cantilever = beam.supportType == 1;
    const int loadCount = std::clamp<int>(beam.loadCount, 0, kMaxLoads);
    const float beamValue = cantilever ? 0.0f : BeamValue(beam);

    for (int i = 0; i < loadCount; ++i) {
        const int type = beam.loadType[i];
        const LoadDescription load = DescribeLoad(type, beam.loadLengths[i], cantilever);
        const float w = Single(static_cast<double>(beam.loadValue[i]) / units.unitFactor);
        if (cantilever) {
            AddCantileverLoad(sums, beam, type, load, w, beam.loadHeight[i]);
        } else {
            AddSpanLoad(sums, beam, beamValue, type, load, w, beam.loadHeight[i]);
        }
    }
    if (beam.ignoreSelfWeight == 0) {
        LoadDescription self;
        self.loadedLength = beam.spanLength;
        self.constantLength = beam.spanLength;
        const float ws = Single(beam.selfWeight);
        if (cantilever) {
            AddCantileverLoad(sums, beam, kLoadUniform, self, ws, 1.0f);
        } else {
            AddSpanLoad(sums, beam, beamValue, kLoadUniform, self, ws, 1.0f);
        }
    }

    const SpanCoefficients k = cantilever
                                   ? SpanCoefficients{1.0f, 1.0f, 1.0f}
                                   : SpanCoefficientsFor(beam.spanType, beam.userCoefficients);
    DesignStresses& d = result.designStresses;
    d.Mleft = Single(static_cast<double>(sums.CL) * k.alpha);
    d.Mright = Single(static_cast<double>(sums.CR) * k.gamma);
    d.Mcentre = Single(sums.Mo - static_cast<double>(k.beta) *
                                     (static_cast<double>(sums.CR) - sums.CL) / 2.0);
    const double L = beam.spanLength;
    // No division by a zero span: the shears come out NaN and the beam is reported as failed.
    const double correction = L != 0.0 ? (static_cast<double>(d.Mright) + d.Mleft) / L
                                       : std::numeric_limits<double>::quiet_NaN();
    d.Qleft = Single(std::fabs(sums.QL - correction));
    d.Qright = Single(std::fabs(sums.QR - correction));
    d.Qcentre = 0.0f;
    return result;
}

}  // namespace zel
