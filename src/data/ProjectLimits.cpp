#include "data/ProjectLimits.h"

#include <cmath>
#include <limits>

#include "data/Project.h"
#include "data/ProjectJson.h"
#include "lib/Numbers.h"

namespace zel {

namespace {

constexpr int kMaxShort = std::numeric_limits<std::int16_t>::max();

// Keeps the first value out of range; later checks then do nothing.
class RangeCheck {
  public:
    void Codes(const std::string& where, int value, int low, int high) {
        if (Found() || (value >= low && value <= high)) return;
        fault_ = where + ": " + std::to_string(value) + " is out of range " + std::to_string(low) +
                 "…" + std::to_string(high);
    }
    void Length(const std::string& where, float value, bool positive, double max = 1e6) {
        if (Found()) return;
        if (std::isfinite(value) && value >= 0.0f && !(positive && value == 0.0f) && value <= max)
            return;
        fault_ = where + ": " + JsonNumberText(value) +
                 (positive ? " must be a number above 0" : " must be a number from 0") + " up to " +
                 FormatGeneral(max);
    }
    void Finite(const std::string& where, float value) {
        if (!Found() && !std::isfinite(value))
            fault_ = where + ": " + JsonNumberText(value) + " is not a number";
    }
    bool Found() const { return !fault_.empty(); }
    const std::string& Fault() const { return fault_; }

  private:
    std::string fault_;
};

std::string Index(int i) {
    // Appended: GCC 12's -Wrestrict misreads the inlined "[" + text in a release build.
    std::string index = "[";
    index += std::to_string(i);
    index += ']';
    return index;
}

void CheckBeam(RangeCheck& c, const BeamRecord& b, const std::string& at) {
    c.Codes(at + ".sectionCount", b.sectionCount, 1, kSectionSlots);
    c.Length(at + ".spanLength", b.spanLength, true, kMaxSpan);
    for (int s = 0; s < b.sectionCount && s < kSectionSlots; ++s) {
        const auto i = static_cast<std::size_t>(s);
        c.Length(at + ".sectionWidth" + Index(s), b.sectionWidth[i], true);
        c.Length(at + ".sectionDepth" + Index(s), b.sectionDepth[i], false);
        c.Length(at + ".sectionCover" + Index(s), b.sectionCover[i], false);
    }
    c.Codes(at + ".minRebarRule", b.minRebarRule, 0, kMinRebarRuleCount - 1);
    c.Codes(at + ".mainBarGrade", b.mainBarGrade, 0, kGradeCount - 1);
    c.Codes(at + ".stirrupGrade", b.stirrupGrade, 0, kGradeCount - 1);
    c.Codes(at + ".assemblyMethod", b.assemblyMethod, 0, kAssemblyMethodCount - 1);
    c.Codes(at + ".maxStirrupPitch", b.maxStirrupPitch, 1, kMaxShort);
    c.Length(at + ".compressionBarRatio", b.compressionBarRatio, false);
    c.Codes(at + ".maxBarLayers", b.maxBarLayers, 1, kMaxShort);
    c.Codes(at + ".maxStirrupLegs", b.maxStirrupLegs, 1, kMaxShort);
    c.Codes(at + ".spanType", b.spanType, 0, kSpanTypeCount - 1);
    c.Length(at + ".concreteFc", b.concreteFc, false);
    c.Codes(at + ".skipBeam", b.skipBeam, 0, 1);
    c.Codes(at + ".shortTerm", b.shortTerm, 0, 1);
    c.Codes(at + ".ignoreSelfWeight", b.ignoreSelfWeight, 0, 1);
    c.Codes(at + ".supportType", b.supportType, 0, 1);
    c.Codes(at + ".momentPositionMode", b.momentPositionMode, 0, 1);
    c.Length(at + ".momentPosition", b.momentPosition, false, b.spanLength);
    c.Codes(at + ".loadCount", b.loadCount, 0, kMaxLoads);
    for (int k = 0; k < b.loadCount && k < kMaxLoads; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const std::string n = Index(k);
        c.Codes(at + ".loadType" + n, b.loadType[i], 1, kLoadTypeCount);
        c.Finite(at + ".loadValue" + n, b.loadValue[i]);
        for (int l = 0; l < 4; ++l) {
            c.Length(at + ".loadLengths" + n + Index(l),
                     b.loadLengths[i][static_cast<std::size_t>(l)], false, kMaxSpan);
        }
        c.Length(at + ".loadHeight" + n, b.loadHeight[i], false);
    }
}

}  // namespace

std::string CheckProjectLimits(const Project& p) {
    RangeCheck c;
    c.Codes("settings.beamCount", p.settings.beamCount, 0, kMaxBeams);
    c.Codes("settings.unitCode", p.settings.unitCode, 0, 3);
    c.Codes("resultSummary.resultCount", p.resultSummary.resultCount, 0, kMaxBeams);
    c.Codes("font.fontChoice", p.font.fontChoice, 0, 1);
    for (int slot = 1; slot <= p.BeamCount(); ++slot)
        CheckBeam(c, p.Beam(slot), "beams" + Index(slot - 1));
    // Slots above the count are still written; their load count must still fit its array.
    for (int slot = p.BeamCount() + 1; slot <= kMaxBeams; ++slot)
        c.Codes("beams" + Index(slot - 1) + ".loadCount", p.Beam(slot).loadCount, 0, kMaxLoads);
    for (int slot = 1; slot <= kResultSlots; ++slot) {
        c.Codes("results" + Index(slot - 1) + ".sectionCount", p.Result(slot).sectionCount, 0,
                kSectionSlots);
    }
    return c.Fault();
}

}  // namespace zel
