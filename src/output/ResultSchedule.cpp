#include "output/ResultSchedule.h"

#include "calc/CalculateBeam.h"
#include "data/BeamTexts.h"
#include "output/CheckViewTexts.h"
#include "output/SheetBody.h"

namespace zel {

namespace {

// The body rows (SheetBodyRows) each schedule column is read from; -1 where it is not a row.
constexpr int kBodyRow[kScheduleFieldCount] = {0,  1,  2,  -1, -1, -1, 14, 15,
                                               19, 23, 24, 25, 29, 30, 32, -1};

}  // namespace

std::vector<ScheduleColumn> ScheduleColumns(const ProjectSettings& settings) {
    const std::string F = settings.outputIsSI() ? "kN" : "t";
    using K = ScheduleKind;
    return {{"部材名", K::kText},
            {"位置", K::kText},
            {"B×D (cm)", K::kText},
            {std::string("Fc (") + (settings.inputIsSI() ? "N/mm2" : "kg/cm2") + ")", K::kGeneral},
            {"主筋", K::kText},
            {"ｽﾀｰﾗｯﾌﾟ材", K::kText},
            {"M (" + F + "･m)", K::kFixed3},
            {"Q (" + F + ")", K::kFixed3},
            {"必要at (cm2)", K::kFixed3},
            {"上端筋", K::kText},
            {"下端筋", K::kText},
            {"ｽﾀｰﾗｯﾌﾟ", K::kText},
            {"引張鉄筋比 pt (%)", K::kFixed3},
            {"あばら筋比 pw (%)", K::kFixed3},
            {"判定", K::kText},
            {"備考", K::kText}};
}

ResultSchedule BuildResultSchedule(Project& project) {
    ResultSchedule schedule;
    schedule.title = project.settings.sheetTitle;
    schedule.columns = ScheduleColumns(project.settings);
    for (int slot = 1; slot <= project.BeamCount(); ++slot) {
        const BeamRecord& beam = project.Beam(slot);
        ScheduleRow row;
        row.slot = slot;
        row.cells.assign(kScheduleFieldCount, "");
        row.cells[kScheduleName] = beam.memberName;
        if (beam.skipBeam != 0) {
            row.cells[kScheduleNote] = kScheduleSkippedNote;
            schedule.rows.push_back(std::move(row));
            continue;
        }
        const CalcResult result = CalculateBeam(project, slot);
        const PlacementFlags& flags = project.placement[static_cast<std::size_t>(slot - 1)];
        const std::vector<SheetBodyRow> body = SheetBodyRows(beam, result, flags, project.settings);
        row.cells[kScheduleFc] = SheetFcText(beam, project.settings);
        row.cells[kScheduleMainGrade] = GradeName(beam.mainBarGrade);
        row.cells[kScheduleStirrupGrade] = GradeName(beam.stirrupGrade);
        if (!result.Calculated()) {
            // The sheet prints zeros for it; the schedule says only why.
            row.cells[kScheduleSize] = body[2].cells[0];
            row.cells[kScheduleNote] = "計算できません: " + result.error;
            row.cells[kScheduleJudgement] = result.Judgement();
            row.failed = true;
            schedule.rows.push_back(std::move(row));
            continue;
        }
        for (int column = 0; column < ColumnCount(beam); ++column) {
            ScheduleRow r = row;
            for (int f = 0; f < kScheduleFieldCount; ++f) {
                if (kBodyRow[f] < 0 || f == kScheduleName) continue;
                r.cells[static_cast<std::size_t>(f)] = body[static_cast<std::size_t>(kBodyRow[f])]
                                                           .cells[static_cast<std::size_t>(column)];
            }
            r.failed = r.cells[kScheduleJudgement].find(kJudgementImpossible) != std::string::npos;
            schedule.rows.push_back(std::move(r));
        }
    }
    return schedule;
}

}  // namespace zel
