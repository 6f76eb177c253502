#include "data/BeamRecord.h"

#include <algorithm>
#include <cstring>

namespace zel {

const char* LoadTypeName(int code) {
    static constexpr const char* kNames[] = {"集中荷重",   "右上がり三角荷重", "左上がり三角荷重",
                                             "等分布荷重", "台形荷重",         "三角荷重"};
    return code >= 1 && code <= 6 ? kNames[code - 1] : "?";
}

double BeamRecord::ReservedDouble() const {
    double value = 0.0;
    static_assert(sizeof(float) * 2 == sizeof(double));
    std::memcpy(&value, &reserved[10], sizeof value);
    return value;
}

double ComputeSelfWeight(const BeamRecord& beam) {
    const int count = std::clamp<int>(beam.sectionCount, 1, kSectionSlots);
    float bMin = beam.sectionWidth[0];
    float dMin = beam.sectionDepth[0];
    for (int s = 1; s < count; ++s) {
        bMin = std::min(bMin, beam.sectionWidth[s]);
        dMin = std::min(dMin, beam.sectionDepth[s]);
    }
    // Single × Single stays Single; the factor 2.4 brings it to double precision.
    const float area = bMin * dMin;
    return static_cast<double>(area) * 2.4 / 10000.0;
}

float ComputeMomentPosition(const BeamRecord& beam, float enteredDistance) {
    if (beam.supportType == 0 && beam.momentPositionMode == 1) return enteredDistance;
    return beam.spanLength / 2.0f;
}

}  // namespace zel
