#pragma once
// The spreadsheet commands of the main window's ﾌｧｲﾙ menu: the result schedule out, beams from
// CSV in. Questions and file dialogs go to the Prompter; the project changes only through
// MainController (its checks and its one append step).
#include "editor/MainController.h"
#include "editor/Prompter.h"

namespace zel {

inline constexpr const char* kScheduleDialogTitle = "『 結果一覧表の出力 』";
inline constexpr const char* kScheduleFileFilter =
    "Excel ﾌﾞｯｸ(*.xlsx)|*.xlsx|CSV ﾌｧｲﾙ(*.csv)|*.csv";
inline constexpr const char* kCsvOpenDialogTitle = "『 CSVから梁を追加 』";
inline constexpr const char* kCsvFileFilter = "CSV ﾌｧｲﾙ(*.csv)|*.csv|すべてのﾌｧｲﾙ(*.*)|*.*";

// "結果一覧表の出力(&T)...": checks and commits the input like 計算書, asks for the file and
// writes the schedule (.csv as CSV, anything else as a workbook). True when it was written;
// a failure is reported with its reason.
bool ExportResultSchedule(MainController& main, Prompter& user);

// "CSVから梁を追加(&I)...": asks for the file and appends its beams as one step. A bad cell,
// other input units or too many beams is reported and changes nothing.
bool AddBeamsFromCsv(MainController& main, Prompter& user);

}  // namespace zel
