#include "editor/SpreadsheetController.h"

#include <memory>

#include "data/AtomicFile.h"
#include "data/BeamCsv.h"
#include "lib/Paths.h"
#include "lib/Text.h"
#include "output/ScheduleWriter.h"

namespace zel {

namespace {

constexpr std::size_t kMaxCsvBytes = 64u << 20;
constexpr const char* kCrCr = "\r\r";

}  // namespace

bool ExportResultSchedule(MainController& main, Prompter& user) {
    if (main.BeamCount() == 0) {
        user.Beep();
        return false;
    }
    if (!main.RunMemberCommand(MemberCommand::Schedule)) return false;
    FileDialogRequest request = main.DialogRequest(kScheduleDialogTitle);
    const std::string current(TrimSpaces(main.CurrentFile()));
    request.fileName = BaseNameOf(current.empty() ? kNewDataName : current) + "_結果一覧表.xlsx";
    request.defaultExtension = "xlsx";
    request.filter = kScheduleFileFilter;
    const std::optional<std::string> path = user.AskSaveFile(request);
    if (!path || !ConfirmOverwrite(user, *path)) return false;

    std::string failed;
    {
        WaitCursor wait(user);
        // Calculated on a copy: writing a schedule changes nothing in the project.
        auto project = std::make_unique<Project>(main.CurrentProject());
        const ResultSchedule schedule = BuildResultSchedule(*project);
        failed = LowerExtensionOf(*path) == "csv"
                     ? WriteScheduleCsv(schedule, *path, CsvEncoding::kUtf8Bom)
                     : WriteScheduleXlsx(schedule, *path);
    }
    if (!failed.empty()) {
        user.ShowMessage(std::string("結果一覧表を出力できませんでした。") + kCrCr + "( " + *path +
                             " )" + kCrCr + failed,
                         kButtonsOk, kMessageTitle);
        return false;
    }
    return true;
}

bool AddBeamsFromCsv(MainController& main, Prompter& user) {
    FileDialogRequest request = main.DialogRequest(kCsvOpenDialogTitle);
    request.fileName.clear();
    request.defaultExtension = "csv";
    request.filter = kCsvFileFilter;
    const std::optional<std::string> path = user.AskOpenFile(request);
    if (!path) return false;

    std::string bytes, error;
    auto read = std::make_unique<Project>(MakeEmptyProject());
    if (!ReadWholeFile(*path, bytes, kMaxCsvBytes, &error)) {
        error = "ファイルを読めません: " + error;
    } else {
        error = ProjectFromBeamCsv(bytes, *read);
    }
    // The values are stored as their units hold them: SI beams cannot join conventional ones.
    if (error.empty() && read->settings.inputIsSI() != main.Input().InputIsSI()) {
        error = std::string("CSVの入力単位 (") + (read->settings.inputIsSI() ? "SI" : "従来") +
                "単位) が、このデータの入力単位と違います。";
    }
    if (error.empty() && read->BeamCount() == 0) error = "CSVに梁がありません。";
    if (!error.empty()) {
        user.ShowMessage(std::string("CSVから梁を追加できませんでした。") + kCrCr + "( " + *path +
                             " )" + kCrCr + error,
                         kButtonsOk, kMessageTitle);
        return false;
    }
    std::vector<BeamRecord> beams(read->beams.begin(), read->beams.begin() + read->BeamCount());
    return main.AppendBeams(beams);
}

}  // namespace zel
