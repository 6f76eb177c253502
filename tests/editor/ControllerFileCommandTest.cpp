// The file commands: New, Open, the history, Save, Save As and Exit.
#include <filesystem>

#include "ControllerFixture.h"
#include "data/AtomicFile.h"
#include "data/DefaultsFile.h"
#include "data/SettingsFile.h"
#include "data/ZelFile.h"
#include "lib/Paths.h"

namespace zel::test {
namespace {

class FileCommandTest : public ControllerTest {
  protected:
    // Saves the current project under `name` in the data folder through "名前を付けて保存".
    void SaveAsData(const std::string& name) {
        user.saveAnswers.push_back(DataFile(name));
        ASSERT_TRUE(ctl.SaveAs());
    }
    SettingsFile ReadSettings() {
        SettingsFile s;
        ReadSettingsFile(ctl.SettingsPath(), s);
        return s;
    }
};

TEST_F(FileCommandTest, NewAsksOnlyWhenChangedAndResetsTheProject) {
    Start();
    AddBeams(2);
    user.Clear();
    const Project before = ctl.CurrentProject();

    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.NewProject());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "現在、入力中のデータは、変更されています。\r\r(新規データ)\r\r"
              "このまま、新規データを作成しますか？");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_TRUE(ctl.FileModified());

    ctl.MutableProject().settings.sheetTitle = "changed";
    user.Answer(kAnswerYes);
    EXPECT_TRUE(ctl.NewProject());
    EXPECT_EQ(ctl.BeamCount(), 0);
    EXPECT_EQ(ctl.CurrentProject().Beam(1).memberName, "");  // no beam travels into the new data
    EXPECT_EQ(ctl.CurrentProject().settings.sheetTitle, "梁断面算定結果");
    EXPECT_TRUE(ui.lastView.beamList.empty());
    EXPECT_EQ(ui.lastView.positionLabel, "");
    EXPECT_FALSE(ui.lastView.beamCommandsEnabled);
    EXPECT_FALSE(ctl.FileModified());
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_EQ(area().Text(Field::MemberName), "");
    EXPECT_EQ(area().View().focusRequest, std::optional<Field>(Field::MemberName));

    user.Clear();
    EXPECT_TRUE(ctl.NewProject());
    EXPECT_TRUE(user.asked.empty());
}

TEST_F(FileCommandTest, SaveAsWritesTheFileHistorySettingsAndCaption) {
    Start();
    AddBeams(2);
    user.Clear();

    user.saveAnswers.push_back(std::nullopt);  // cancel
    EXPECT_FALSE(ctl.SaveAs());
    ASSERT_EQ(user.saveRequests.size(), 1u);
    FileDialogRequest expected{"『 KAVO-Zel ﾃﾞｰﾀ保存 』", ProgramFolder(), "新規データ", "Zel",
                               "KAVO-Zel ﾃﾞｰﾀﾌｧｲﾙ(*.Zel)|*.Zel|すべてのﾌｧｲﾙ(*.*)|*.*"};
    EXPECT_EQ(user.saveRequests[0], expected);
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_FALSE(std::filesystem::exists(ctl.SettingsPath()));

    SaveAsData("first.Zel");
    EXPECT_TRUE(user.asked.empty());
    EXPECT_TRUE(std::filesystem::exists(DataFile("first.Zel")));
    EXPECT_EQ(ctl.CurrentFile(), DataFile("first.Zel"));
    EXPECT_EQ(ui.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   first.Zel");
    EXPECT_FALSE(ctl.FileModified());
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_EQ(user.waitDepth, 0);
    EXPECT_GE(user.WaitCursorUses(), 1);
    const SettingsFile s = ReadSettings();
    ASSERT_FALSE(s.history.empty());
    EXPECT_EQ(s.history[0], DataFile("first.Zel"));
    EXPECT_EQ(s.currentFile, DataFile("first.Zel"));
    EXPECT_EQ(s.dataFolder, FolderOf(DataFile("first.Zel")));
    EXPECT_EQ(ui.lastView.history, s.history);
    EXPECT_TRUE(ui.lastView.historySeparatorVisible);

    // The file holds the project as saved, results included.
    Project reread;
    ASSERT_TRUE(LoadZelFile(DataFile("first.Zel"), reread).Ok());
    EXPECT_EQ(reread.BeamCount(), 2);
    EXPECT_EQ(reread.Beam(2).memberName, "B2");
    EXPECT_EQ(reread.resultSummary.resultCount, 2);
    EXPECT_EQ(reread.Result(1).memberName, "B1");

    // The next dialog starts in the data folder with the file's name.
    user.saveAnswers.push_back(DataFile("first.Zel"));
    user.Answer(kAnswerNo);
    const std::string bytes = ReadFileBytes(DataFile("first.Zel"));
    Type(Field::Span, "7");
    EXPECT_FALSE(ctl.SaveAs());
    EXPECT_EQ(user.saveRequests.back().folder, FolderOf(DataFile("first.Zel")));
    EXPECT_EQ(user.saveRequests.back().fileName, "first.Zel");
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              DataFile("first.Zel") + "\r\rはすでに存在します。\r\r上書きしてもよろしいですか？");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_EQ(ReadFileBytes(DataFile("first.Zel")), bytes);
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_TRUE(ctl.MemberModified());
}

TEST_F(FileCommandTest, FileDialogsStartInTheLastDataFolderOnlyWhileItIsThere) {
    struct Case {
        std::string last;      // the data folder of the settings file
        std::string expected;  // where Open and Save As start
    };
    const std::string data = FolderOf(DataFile("x.Zel"));
    const Case cases[] = {{data, data}, {"", ProgramFolder()},
                          {"/nonexistent-zel-folder", ProgramFolder()},
                          {DataFile("x.Zel"), ProgramFolder()}};  // a file, not a folder
    for (const Case& c : cases) {
        SCOPED_TRACE(c.last);
        SettingsFile settings;
        settings.dataFolder = c.last;
        ASSERT_EQ(WriteSettingsFile(ProgramFolder() + "/KAVOZel.INI", settings), "");
        Start();
        AddBeams(1);
        user.Clear();
        user.openRequests.clear();
        user.saveRequests.clear();
        EXPECT_FALSE(ctl.SaveAs());  // cancelled, as the next dialog is
        user.Answer(kAnswerYes);     // open without saving
        EXPECT_FALSE(ctl.Open());
        ASSERT_EQ(user.openRequests.size(), 1u);
        ASSERT_EQ(user.saveRequests.size(), 1u);
        EXPECT_EQ(user.openRequests[0].folder, c.expected);
        EXPECT_EQ(user.saveRequests[0].folder, c.expected);
    }
}

TEST_F(FileCommandTest, SaveAsksAndOverwritesTheCurrentFile) {
    Start();
    AddBeams(1);
    SaveAsData("s.Zel");
    user.Clear();
    Type(Field::Span, "7");
    const std::string bytes = ReadFileBytes(DataFile("s.Zel"));

    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.Save());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "入力データを上書き保存します｡\r\r( " + DataFile("s.Zel") + " )\r\rよろしいですか？");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_EQ(ReadFileBytes(DataFile("s.Zel")), bytes);
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_TRUE(ctl.MemberModified());
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(1).spanLength, 6.0f);

    user.Answer(kAnswerYes);
    EXPECT_TRUE(ctl.Save());
    EXPECT_FALSE(ctl.FileModified());
    EXPECT_FALSE(ctl.MemberModified());
    Project reread;
    ASSERT_TRUE(LoadZelFile(DataFile("s.Zel"), reread).Ok());
    EXPECT_FLOAT_EQ(reread.Beam(1).spanLength, 7.0f);
    EXPECT_TRUE(user.saveRequests.size() == 1u);  // no dialog for an overwrite
}

TEST_F(FileCommandTest, SaveOfNewDataIsSaveAsAndNothingToSaveBeeps) {
    Start();
    EXPECT_FALSE(ctl.Save());
    EXPECT_EQ(user.beeps, 1);
    EXPECT_TRUE(user.saveRequests.empty());
    AddBeams(1);
    user.saveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(ctl.Save());
    EXPECT_EQ(user.saveRequests.size(), 1u);
    EXPECT_TRUE(ctl.FileModified());
}

TEST_F(FileCommandTest, FailedSaveIsReportedAndKeepsTheProjectChanged) {
    Start();
    AddBeams(1);
    user.Clear();
    const std::string target = DataFile("missing-folder/x.Zel");
    user.saveAnswers.push_back(target);
    EXPECT_FALSE(ctl.SaveAs());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(
        user.asked[0].text.rfind("データを保存できませんでした。\r\r( " + target + " )\r\r", 0),
        0u);
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_EQ(ctl.CurrentFile(), "新規データ");
    EXPECT_EQ(ui.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   新規データ");
    EXPECT_FALSE(std::filesystem::exists(ctl.SettingsPath()));
    EXPECT_EQ(user.waitDepth, 0);

    // Exit still asks the changed-data question.
    user.Clear();
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.RequestExit());
    EXPECT_EQ(user.asked[0].text,
              "データは変更されています。\r\r(新規データ)\r\rこのまま保存せず、終了しますか？");
}

TEST_F(FileCommandTest, FailedOverwriteKeepsTheChangeAndTheHistory) {
    Start();
    AddBeams(1);
    std::filesystem::create_directories(DataFile("sub"));
    SaveAsData("sub/x.Zel");
    const SettingsFile settingsBefore = ReadSettings();
    std::filesystem::remove_all(DataFile("sub"));  // the folder disappears under the program
    Type(Field::Span, "7");
    user.Clear();
    user.Answer(kAnswerYes);
    EXPECT_FALSE(ctl.Save());
    ASSERT_EQ(user.asked.size(), 2u);
    EXPECT_EQ(user.asked[1].text.rfind(
                  "データを保存できませんでした。\r\r( " + DataFile("sub/x.Zel") + " )\r\r", 0),
              0u);
    EXPECT_EQ(user.asked[1].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_EQ(ctl.CurrentFile(), DataFile("sub/x.Zel"));
    EXPECT_EQ(ReadSettings().history, settingsBefore.history);
    EXPECT_EQ(user.waitDepth, 0);

    // Exit asks about the unsaved data, naming the file.
    user.Clear();
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.RequestExit());
    EXPECT_EQ(user.asked.at(0).text, "データは変更されています。\r\r(" + DataFile("sub/x.Zel") +
                                         ")\r\rこのまま保存せず、終了しますか？");
}

TEST_F(FileCommandTest, OpenChecksTheSignatureLoadsAndRecordsTheFile) {
    Start();
    AddBeams(3);
    SaveAsData("three.Zel");
    user.Answer(kAnswerYes);
    ASSERT_TRUE(ctl.NewProject());
    WriteFileBytes(DataFile("foreign.Zel"), std::string("\x03\x00"
                                                        "205"
                                                        "\x08\x00"
                                                        "OTHER-Pg",
                                                        15));
    TypeBeam("pending");
    user.Clear();

    // The question first; No keeps everything.
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.Open());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "データは変更されています。\r\r(新規データ)\r\rこのまま保存せず、読込みますか？");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_TRUE(user.openRequests.empty());

    // A foreign file is refused with the project unchanged.
    user.Clear();
    user.Answer(kAnswerYes);
    user.openAnswers.push_back(DataFile("foreign.Zel"));
    const Project before = ctl.CurrentProject();
    const auto historyBefore = ctl.Settings().history;
    EXPECT_FALSE(ctl.Open());
    ASSERT_EQ(user.asked.size(), 2u);
    EXPECT_EQ(user.asked[1].text,
              "このファイルは、[ KAVO-Zel /ＲＣ梁断面算定 ] のデータではありません。\r\r"
              "File Name: foreign.Zel");
    EXPECT_EQ(user.asked[1].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_EQ(ctl.Settings().history, historyBefore);
    EXPECT_EQ(ctl.CurrentFile(), "新規データ");
    EXPECT_EQ(area().Text(Field::MemberName), "pending");

    // Cancel in the dialog stops silently.
    user.Clear();
    user.Answer(kAnswerYes);
    EXPECT_FALSE(ctl.Open());
    EXPECT_EQ(user.asked.size(), 1u);

    // A real file: loaded, first in the history and in the settings file, caption set.
    user.Clear();
    user.Answer(kAnswerYes);
    user.openAnswers.push_back(DataFile("three.Zel"));
    ASSERT_TRUE(ctl.Open());
    const FileDialogRequest& request = user.openRequests.back();
    EXPECT_EQ(request.title, "『 KAVO-Zel ﾃﾞｰﾀ読込み 』");
    EXPECT_EQ(request.folder, FolderOf(DataFile("three.Zel")));
    EXPECT_EQ(request.fileName, "新規データ");
    EXPECT_EQ(request.defaultExtension, "Zel");
    EXPECT_EQ(request.filter, "KAVO-Zel ﾃﾞｰﾀﾌｧｲﾙ(*.Zel)|*.Zel|すべてのﾌｧｲﾙ(*.*)|*.*");
    EXPECT_EQ(ui.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   three.Zel");
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"B1", "B2", "B3"}));
    EXPECT_EQ(ui.lastView.positionLabel, "1/3");
    EXPECT_EQ(ui.lastView.selectedLine, 0);
    EXPECT_TRUE(ui.lastView.beamCommandsEnabled);
    EXPECT_EQ(area().Text(Field::MemberName), "B1");
    EXPECT_FALSE(ctl.FileModified());
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_EQ(user.waitDepth, 0);
    EXPECT_EQ(ReadSettings().history.at(0), DataFile("three.Zel"));
    EXPECT_EQ(user.asked.size(), 1u);  // no unit warning while loading
}

TEST_F(FileCommandTest, OpenTakesTheFilesUnits) {
    Start();
    AddBeams(1);
    area().SelectInputUnits(0);  // conventional input: a warning, then the switch
    area().SelectOutputUnits(0);
    SaveAsData("conv.Zel");
    user.Answer(kAnswerYes);
    ctl.NewProject();
    EXPECT_TRUE(area().InputIsSI());
    user.Clear();
    user.openAnswers.push_back(DataFile("conv.Zel"));
    ASSERT_TRUE(ctl.Open());
    EXPECT_TRUE(user.asked.empty());
    EXPECT_FALSE(area().InputIsSI());
    EXPECT_FALSE(area().OutputIsSI());
    EXPECT_EQ(ctl.CurrentProject().settings.unitCode, 0);
}

TEST_F(FileCommandTest, OpenOfADamagedFileShowsTheSameWarningAsZel) {
    Start();
    AddBeams(2);
    SaveAsData("whole.Zel");
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(DataFile("whole.Zel"), bytes, 1 << 20));
    WriteFileBytes(DataFile("cut.Zel"), bytes.substr(0, 1000));
    user.Clear();
    user.openAnswers.push_back(DataFile("cut.Zel"));
    ASSERT_TRUE(ctl.Open());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "データファイルが壊れています。\r\r"
              "file ends at byte 1000, inside beam 2; beams 2… are incomplete");
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_TRUE(ctl.CurrentProject().Beam(2).cutByFileEnd);
}

TEST_F(FileCommandTest, HistoryOpensMovesUpRefusesForeignAndForgetsMissingFiles) {
    Start();
    AddBeams(1);
    SaveAsData("a.Zel");
    SaveAsData("b.Zel");
    SaveAsData("c.Zel");
    EXPECT_EQ(ctl.Settings().history,
              (std::vector<std::string>{DataFile("c.Zel"), DataFile("b.Zel"), DataFile("a.Zel")}));

    ASSERT_TRUE(ctl.OpenHistory(2));
    EXPECT_EQ(ctl.CurrentFile(), DataFile("a.Zel"));
    EXPECT_EQ(ui.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   a.Zel");
    EXPECT_EQ(ReadSettings().history,
              (std::vector<std::string>{DataFile("a.Zel"), DataFile("c.Zel"), DataFile("b.Zel")}));
    EXPECT_TRUE(user.openRequests.empty());

    // A file that is gone: a message naming it, the entry removed.
    std::filesystem::remove(DataFile("c.Zel"));
    user.Clear();
    const Project before = ctl.CurrentProject();
    EXPECT_FALSE(ctl.OpenHistory(1));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, DataFile("c.Zel") + " が見つかりません。");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_EQ(user.asked[0].title, "確認メッセージ");
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_EQ(ctl.CurrentFile(), DataFile("a.Zel"));
    const std::vector<std::string> left{DataFile("a.Zel"), DataFile("b.Zel")};
    EXPECT_EQ(ctl.Settings().history, left);
    EXPECT_EQ(ReadSettings().history, left);
    EXPECT_EQ(ui.lastView.history, left);

    // A file that is no longer a data file: refused like Open, nothing changes.
    WriteFileBytes(DataFile("b.Zel"), "garbage that is not a data file");
    user.Clear();
    EXPECT_FALSE(ctl.OpenHistory(1));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "このファイルは、[ KAVO-Zel /ＲＣ梁断面算定 ] のデータではありません。\r\r"
              "File Name: b.Zel");
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_EQ(ctl.Settings().history, left);

    EXPECT_FALSE(ctl.OpenHistory(5));
}

TEST_F(FileCommandTest, ExitAsksInTheWideTitleAndWritesTheDefaults) {
    Start();
    std::filesystem::remove(ctl.DefaultsPath());
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.RequestExit());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "『 KAVO-Zel /ＲＣ梁断面算定 』 を終了します");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_EQ(user.asked[0].title, "確認メッセージ");
    EXPECT_FALSE(std::filesystem::exists(ctl.DefaultsPath()));

    AddBeams(1);
    user.Clear();
    user.Answer(kAnswerYes);
    EXPECT_TRUE(ctl.RequestExit());
    EXPECT_EQ(user.asked[0].text,
              "データは変更されています。\r\r(新規データ)\r\rこのまま保存せず、終了しますか？");
    EXPECT_EQ(user.asked[0].title, "確認メッセージ");
    DefaultsRecord written;
    EXPECT_EQ(ReadDefaultsFile(ctl.DefaultsPath(), written), DefaultsReadStatus::Read);
    EXPECT_EQ(written, ctl.Defaults());
    EXPECT_FALSE(std::filesystem::exists(ctl.SettingsPath()));  // closing does not write it
}

TEST_F(FileCommandTest, MoveBeforeNewAsksSoTheReorderingIsNotLost) {
    Start();
    AddBeams(2);
    SaveAsData("m.Zel");
    EXPECT_FALSE(ctl.FileModified());
    ASSERT_TRUE(ctl.MoveUp());
    user.Clear();
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.NewProject());
    EXPECT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(ctl.CurrentProject().Beam(1).memberName, "B2");
}

}  // namespace
}  // namespace zel::test
