#include "calc/CalculateBeam.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "calc/Allowables.h"
#include "calc/BarTable.h"
#include "calc/DesignStresses.h"
#include "calc/SectionDesign.h"
#include "calc/Single.h"
#include "calc/UnitFactor.h"

namespace zel {

namespace {

bool Finite(std::initializer_list<float> values) {
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

bool AllFinite(const CalcResult& r) {
    const LoadEffects& e = r.loadEffects;
    const DesignStresses& d = r.designStresses;
    if (!Finite({r.a1,      r.aw,     r.psi1,  r.mainOuterMm, r.stirrupOuterMm,
                 r.ft,      r.fa,     r.fs,    r.wft,         e.CL,
                 e.CR,      e.Mo,     e.QL,    e.QR,          d.Mleft,
                 d.Mcentre, d.Mright, d.Qleft, d.Qcentre,     d.Qright})) {
        return false;
    }
    for (const SectionResult& s : r.sections) {
        if (!Finite({s.dt, s.j, s.atRequired, s.pt, s.psiRequired, s.pw})) return false;
    }
    return true;
}

// Reasons found before any design is attempted; empty when the beam can be calculated.
std::string InputProblem(const BeamRecord& beam, const CalcResult& r, float F) {
    if (!std::isfinite(beam.spanLength) || !(beam.spanLength > 0.0f)) {
        return "スパンが0以下か数値ではありません";
    }
    if (r.ft <= 0.0f) return "主筋の鋼種が不明です";
    if (r.wft <= 0.0f) return "スターラップの鋼種が不明です";
    if (!std::isfinite(F) || !(F > 0.0f) || !(r.fs > 0.0f) || !(r.fa > 0.0f)) {
        return "コンクリートの設計基準強度Fcが0以下か数値ではありません";
    }
    if (!(r.a1 > 0.0f)) return "主筋径「" + beam.mainBarSize + "」は鉄筋表にありません";
    if (!(r.aw > 0.0f)) return "スターラップ径「" + beam.stirrupSize + "」は鉄筋表にありません";
    for (int s = 0; s < 3; ++s) {
        const int src = SourceSection(beam.sectionCount, s);
        const float B = beam.sectionWidth[src], D = beam.sectionDepth[src],
                    c = beam.sectionCover[src];
        if (!Finite({B, D, c})) return "断面寸法が数値ではありません";
        if (!(B > 0.0f)) return "梁幅Bが0以下です";
    }
    return {};
}

// A result that says only why the beam failed, with every placement flag set.
CalcResult FailedResult(int slot, std::string error) {
    CalcResult failed;
    failed.slot = slot;
    failed.error = std::move(error);
    for (SectionResult& s : failed.sections) {
        s.placementFailed = 1;
        s.why.failure.kind = FailureKind::NotCalculated;
    }
    failed.anyPlacementFailed = 1;
    return failed;
}

void StorePlacement(Project& project, int slot, const CalcResult& result) {
    PlacementFlags& flags = project.placement[static_cast<std::size_t>(slot - 1)];
    for (int s = 0; s < 3; ++s) flags.placementFailed[s] = result.sections[s].placementFailed;
    flags.reserved = {};
    flags.anyPlacementFailed = result.anyPlacementFailed;
}

}  // namespace

int SourceSection(int sectionCount, int designSection) {
    if (sectionCount <= 1) return 0;
    if (sectionCount == 2) return designSection == 1 ? 1 : 0;
    return designSection;
}

std::array<std::string, 3> SectionLabels(int sectionCount) {
    if (sectionCount <= 1) return {"全断面", "", ""};
    if (sectionCount == 2) return {"端部", "中央", ""};
    return {"左端", "中央", "右端"};
}

CalcResult CalculateBeam(Project& project, int slot) {
    if (slot < 1 || slot > kMaxBeams) return FailedResult(slot, "梁の番号が範囲外です");
    BeamRecord& beam = project.Beam(slot);
    // Half of such a record is reset: its numbers would look plausible and be wrong.
    if (beam.cutByFileEnd) {
        CalcResult failed = FailedResult(slot, kCutByFileEndError);
        StorePlacement(project, slot, failed);
        return failed;
    }
    const CalcUnits units = CalcUnitsFor(project.settings.inputIsSI());
    const bool shortTerm = beam.shortTerm != 0;

    CalcResult r;
    r.slot = slot;
    r.dm = BarDiameterNumber(beam.mainBarSize, beam.mainBarGrade, BarList::MainBars);
    const float F = ConcreteF(beam.concreteFc, units);
    r.ft = SteelAllowable(beam.mainBarGrade, r.dm, shortTerm, units);
    const ConcreteAllowables concrete =
        ConcreteAllowable(F, IsDeformedGrade(beam.mainBarGrade), shortTerm, units);
    r.fs = concrete.fs;
    r.fa = concrete.fa;
    r.ds = BarDiameterNumber(beam.stirrupSize, beam.stirrupGrade, BarList::Stirrups);
    r.wft = SteelAllowable(beam.stirrupGrade, r.ds, shortTerm, units);
    if (Finite({r.ft, r.fa, r.fs, r.wft})) {
        beam.allowableStresses = AllowableStresses{r.ft, r.fa, r.fs, r.wft};
    }

    const BarData main = LookupBar(beam.mainBarSize);
    const BarData stirrup = LookupBar(beam.stirrupSize);
    r.a1 = main.area;
    r.psi1 = main.perimeter;
    r.mainOuterMm = Single(main.outer * 10.0);
    r.aw = stirrup.area;
    r.stirrupOuterMm = Single(stirrup.outer * 10.0);

    if (std::string problem = InputProblem(beam, r, F); !problem.empty()) {
        CalcResult failed = FailedResult(slot, std::move(problem));
        StorePlacement(project, slot, failed);
        return failed;
    }

    const BeamLoadResult loads = ComputeDesignStresses(beam, units);
    r.loadEffects = loads.loadEffects;
    r.designStresses = loads.designStresses;

    const DesignStresses& d = r.designStresses;
    const std::array<float, 3> moments{d.Mleft, d.Mcentre, d.Mright};
    const std::array<float, 3> shears{d.Qleft, d.Qcentre, d.Qright};
    std::string error;
    for (int s = 0; s < 3 && error.empty(); ++s) {
        const int src = SourceSection(beam.sectionCount, s);
        SectionInput in;
        in.B = beam.sectionWidth[src];
        in.D = beam.sectionDepth[src];
        in.cover = beam.sectionCover[src];
        in.M = std::fabs(moments[s]);
        in.Q = std::fabs(shears[s]);
        in.ft = r.ft;
        in.fs = r.fs;
        in.fa = r.fa;
        in.wft = r.wft;
        in.a1 = r.a1;
        in.psi1 = r.psi1;
        in.mainOuterMm = r.mainOuterMm;
        in.dm = r.dm;
        in.aw = r.aw;
        in.stirrupOuterMm = r.stirrupOuterMm;
        in.ds = r.ds;
        in.minRebarRule = beam.minRebarRule;
        in.maxStirrupLegs = beam.maxStirrupLegs;
        in.maxStirrupPitch = beam.maxStirrupPitch;
        in.assemblyMethod = beam.assemblyMethod;
        SectionResult& section = r.sections[s];
        error = DesignSection(in, section);
        if (!error.empty()) {
            static constexpr const char* kSectionNames[3] = {"左端", "中央", "右端"};
            error = std::string(kSectionNames[s]) + ": " + error;
            break;
        }
        AssignFaces(s + 1, moments[s], beam.compressionBarRatio,
                    EffectiveLegs(in.B, beam.maxStirrupLegs), section);
    }
    if (error.empty() && !AllFinite(r))
        error = "計算結果が数値になりません（荷重と寸法を確認してください）";
    if (!error.empty()) {
        CalcResult failed = FailedResult(slot, std::move(error));
        StorePlacement(project, slot, failed);
        return failed;
    }

    r.anyPlacementFailed = 0;
    for (int k = 0; k < 3; ++k) {
        SectionResult& s = r.sections[k];
        JudgePlacement(s, beam.maxBarLayers,
                       beam.sectionWidth[SourceSection(beam.sectionCount, k)]);
        if (s.placementFailed != 0) r.anyPlacementFailed = 1;
    }
    StorePlacement(project, slot, r);
    return r;
}

void FillResultRecord(Project& project, int slot, const CalcResult& result) {
    if (slot < 1 || slot > kMaxBeams) return;
    const BeamRecord& beam = project.Beam(slot);
    ResultRecord& record = project.Result(slot);
    record.sectionCount = beam.sectionCount;
    record.memberName = beam.memberName;
    record.sectionLabels = SectionLabels(beam.sectionCount);
    record.sectionWidth = beam.sectionWidth;
    record.sectionDepth = beam.sectionDepth;
    record.sectionCover = beam.sectionCover;
    for (int s = 0; s < 3; ++s) {
        const SectionResult& section = result.sections[s];
        const std::array<int, 2> faces{section.topBars, section.bottomBars};  // top, bottom
        for (int face = 0; face < 2; ++face) {
            const int count = faces[face];
            const int perLayer = section.barsPerLayer;
            const int first = perLayer >= count ? count : std::max(perLayer, 0);
            const int second = count - first;
            record.barNames[ResultRecord::BarIndex(s, 0, face)] = beam.mainBarSize;
            record.barNames[ResultRecord::BarIndex(s, 1, face)] =
                second > 0 ? beam.mainBarSize : std::string();
            record.barCounts[ResultRecord::BarIndex(s, 0, face)] = first;
            record.barCounts[ResultRecord::BarIndex(s, 1, face)] = second;
        }
        record.stirrupLegs[s] = section.stirrupLegs;
        record.stirrupNames[s] = beam.stirrupSize;
        record.stirrupPitch[s] = section.stirrupPitch;
    }
}

std::vector<CalcResult> CalculateAll(Project& project) {
    std::vector<CalcResult> results;
    const int count = project.BeamCount();
    results.reserve(static_cast<std::size_t>(count));
    for (int slot = 1; slot <= count; ++slot) {
        if (project.Beam(slot).skipBeam != 0) continue;
        results.push_back(CalculateBeam(project, slot));
        FillResultRecord(project, slot, results.back());
    }
    project.resultSummary.resultCount = static_cast<std::int16_t>(count);
    return results;
}

}  // namespace zel
