#include "editor/BeamClipboard.h"

#include <cmath>

#include "data/BeamTexts.h"
#include "data/Project.h"
#include "data/ProjectJson.h"
#include "data/ProjectLimits.h"
#include "lib/Numbers.h"
#include "lib/Units.h"

namespace zel {

namespace {

constexpr const char* kCrCr = "\r\r";
constexpr const char* kNotABeam = "クリップボードの内容は、梁データではありません。";
// The load field takes 7 characters: a converted load must still be typed there.
constexpr double kLargestShownLoad = 9999999.0;

}  // namespace

BeamClip MakeBeamClip(const BeamRecord& beam, int unitCode) {
    return BeamClip{BeamToJson(beam, unitCode), BeamClipText(beam, unitCode >= 2)};
}

std::string BeamClipText(const BeamRecord& beam, bool inputIsSI) {
    std::string sections;
    const int count =
        beam.sectionCount >= 1 && beam.sectionCount <= kSectionSlots ? beam.sectionCount : 1;
    for (int c = 0; c < count; ++c) {
        if (c > 0) sections += " / ";
        sections += FormatGeneral(beam.sectionWidth[c]) + "×" + FormatGeneral(beam.sectionDepth[c]);
    }
    const float fc = inputIsSI ? static_cast<float>(beam.concreteFc / 10.0) : beam.concreteFc;
    return beam.memberName + "\t" + "L=" + FormatGeneral(beam.spanLength) + "m\t" +
           "B×D=" + sections + "\t" + "主筋 " + GradeName(beam.mainBarGrade) + " " +
           beam.mainBarSize + "\t" + "ｽﾀｰﾗｯﾌﾟ " + GradeName(beam.stirrupGrade) + " " +
           beam.stirrupSize + "\t" + "Fc=" + FormatGeneral(fc) +
           (inputIsSI ? "(N/mm2)" : "(kg/cm2)") + "\t" + "荷重 " +
           FormatNumber(beam.loadCount, "#0");
}

PastedBeam ReadBeamClip(std::string_view json, bool targetInputIsSI) {
    PastedBeam out;
    Project clip = MakeEmptyProject();
    const std::string error = ProjectFromJson(json, clip);
    if (!error.empty() || clip.BeamCount() != 1 || clip.settings.beamCount != 1) {
        out.message = kNotABeam;
        return out;
    }
    if (const std::string fault = CheckProjectLimits(clip); !fault.empty()) {
        out.message = std::string("クリップボードの梁データに誤りがあります。") + kCrCr + fault;
        return out;
    }
    BeamRecord beam = clip.Beam(1);
    if (clip.settings.inputIsSI() != targetInputIsSI) {
        const double factor = targetInputIsSI ? kStandardGravity : 1.0 / kStandardGravity;
        for (int k = 0; k < beam.loadCount && k < kMaxLoads; ++k) {
            const double converted = static_cast<double>(beam.loadValue[k]) * factor;
            if (!std::isfinite(converted) || std::fabs(converted * 1000.0) > kLargestShownLoad) {
                out.message = "[ " + beam.memberName + " ] を貼り付けられません。" + kCrCr +
                              "荷重データ No." + FormatNumber(k + 1, "#0") + " の荷重を" +
                              (targetInputIsSI ? "ＳＩ単位" : "従来単位") +
                              "に換算すると、入力できる桁数を超えます。";
                return out;
            }
            beam.loadValue[k] = static_cast<float>(converted);
        }
    }
    out.beam = beam;
    return out;
}

}  // namespace zel
