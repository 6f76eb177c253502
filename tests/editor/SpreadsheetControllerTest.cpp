// The spreadsheet commands of the ﾌｧｲﾙ menu, driven through the main-window controller.
#include <gtest/gtest.h>

#include <cstdio>

#include "ControllerFixture.h"
#include "data/BeamCsv.h"
#include "editor/ConfirmDialogRules.h"
#include "editor/SpreadsheetController.h"

namespace zel::test {
namespace {

struct ShellRunLite {
    int exitCode = -1;
    std::string out;
};

// Runs a line of Debian's Python (the readers nobody here wrote) with one argument.
ShellRunLite RunPython(const std::string& code, const std::string& argument) {
    ShellRunLite run;
    const std::string command = "/usr/bin/python3 -c \"" + code + "\" '" + argument + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    run.exitCode = pclose(pipe);
    return run;
}

class SpreadsheetTest : public ControllerTest {
  protected:
    // A CSV of `n` beams named C1..Cn in the units of the open project.
    std::string CsvOfBeams(int n) {
        Project p = MakeEmptyProject();
        p.settings.unitCode = ctl.CurrentProject().settings.unitCode;
        p.settings.beamCount = static_cast<std::int16_t>(n);
        for (int i = 1; i <= n; ++i) {
            p.Beam(i) = ctl.CurrentProject().Beam(1);
            p.Beam(i).memberName = "C" + std::to_string(i);
        }
        const std::string path = DataFile("beams" + std::to_string(n) + ".csv");
        WriteFileBytes(path, ProjectToBeamCsv(p));
        return path;
    }
};

TEST_F(SpreadsheetTest, ScheduleCommitsTheEditLikeTheSheetAndIsReadBackByOpenpyxl) {
    Start();
    AddBeams(2);
    Type(Field::Span, "7.5");  // an edit not yet committed
    user.confirmAnswers.push_back(kConfirmChange);
    const std::string xlsx = DataFile("一覧.xlsx");
    user.saveAnswers.push_back(xlsx);
    ASSERT_TRUE(ExportResultSchedule(ctl, user)) << user.LastText();
    EXPECT_EQ(user.confirmTexts.size(), 1u);
    EXPECT_EQ(ctl.CurrentProject().Beam(2).spanLength, 7.5f);
    ASSERT_EQ(user.saveRequests.size(), 1u);
    EXPECT_EQ(user.saveRequests[0].fileName, "新規データ_結果一覧表.xlsx");
    EXPECT_EQ(user.saveRequests[0].filter, kScheduleFileFilter);
    const ShellRunLite read = RunPython(
        "import openpyxl,sys; ws=openpyxl.load_workbook(sys.argv[1]).worksheets[0]; "
        "print(ws.max_row, ws['A3'].value, ws['B3'].value)",
        xlsx);
    EXPECT_EQ(read.out, "3 B2 全断面\n");

    // An existing file is replaced only after a Yes.
    const std::string before = ReadFileBytes(xlsx);
    user.saveAnswers.push_back(xlsx);
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ExportResultSchedule(ctl, user));
    EXPECT_NE(user.LastText().find("はすでに存在します。"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(xlsx), before);

    // A folder that is not there: the reason is told and nothing is left behind.
    user.saveAnswers.push_back(DataFile("no/such/一覧.csv"));
    EXPECT_FALSE(ExportResultSchedule(ctl, user));
    EXPECT_NE(user.LastText().find("結果一覧表を出力できませんでした。"), std::string::npos);
}

TEST_F(SpreadsheetTest, BeamsAreAppendedAsOneStepAndRefusedBeyondTheLimit) {
    Start();
    AddBeams(1);
    Project& p = ctl.MutableProject();
    for (int i = 2; i <= 48; ++i) p.Beam(i) = p.Beam(1);
    p.settings.beamCount = 48;

    const std::string three = CsvOfBeams(3), two = CsvOfBeams(2);
    user.openAnswers.push_back(three);
    EXPECT_FALSE(AddBeamsFromCsv(ctl, user));
    EXPECT_EQ(user.LastText(), "これ以上、梁を追加できません。(最大 50 本)");
    EXPECT_EQ(ctl.BeamCount(), 48);

    user.openAnswers.push_back(two);
    ASSERT_TRUE(AddBeamsFromCsv(ctl, user));
    EXPECT_EQ(ctl.BeamCount(), 50);
    EXPECT_EQ(ctl.CurrentProject().Beam(50).memberName, "C2");
    EXPECT_EQ(ui.lastView.beamList.size(), 50u);
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_EQ(user.openRequests.back().filter, kCsvFileFilter);
}

TEST_F(SpreadsheetTest, TheAppendIsOneStepThatUndoTakesBackAtOnce) {
    Start();
    AddBeams(1);
    const Project before = ctl.CurrentProject();
    user.openAnswers.push_back(CsvOfBeams(2));
    ASSERT_TRUE(AddBeamsFromCsv(ctl, user));
    const Project after = ctl.CurrentProject();
    EXPECT_EQ(ctl.UndoName(), "CSVから梁を追加 (2本)");
    ASSERT_TRUE(ctl.Undo());
    EXPECT_EQ(ctl.CurrentProject(), before);
    ASSERT_TRUE(ctl.Redo());
    EXPECT_EQ(ctl.CurrentProject(), after);
}

TEST_F(SpreadsheetTest, ABadCellOrOtherUnitsAreToldAndChangeNothing) {
    Start();
    AddBeams(1);
    const std::string csv = CsvOfBeams(2);
    std::string text = ReadFileBytes(csv);
    const std::string bad = DataFile("bad.csv");
    WriteFileBytes(bad, text.replace(text.find("\r\nC2,") + 5, 1, "x"));
    const std::string other = DataFile("other.csv");
    const bool si = !area().InputIsSI();
    Project siProject = MakeEmptyProject();
    siProject.settings.SetUnits(si, si);
    siProject.settings.beamCount = 1;
    siProject.Beam(1) = ctl.CurrentProject().Beam(1);
    WriteFileBytes(other, ProjectToBeamCsv(siProject));
    for (const auto& [file, reason] :
         {std::pair{bad, std::string("4行目 B1: 数値ではありません")},
          {other, std::string("CSVの入力単位 (") + (si ? "SI" : "従来") +
                      "単位) が、このデータの入力単位と違います。"}}) {
        user.openAnswers.push_back(file);
        EXPECT_FALSE(AddBeamsFromCsv(ctl, user));
        EXPECT_NE(user.LastText().find(reason), std::string::npos) << user.LastText();
        EXPECT_EQ(ctl.BeamCount(), 1);
    }
}

}  // namespace
}  // namespace zel::test
