// Start-up of the main window: settings, defaults, grade table and the reset input area.
#include <filesystem>

#include "ControllerFixture.h"
#include "data/DefaultsFile.h"
#include "data/SettingsFile.h"
#include "lib/Paths.h"

namespace zel::test {
namespace {

TEST_F(ControllerTest, StartUpWithoutSettingsOrDefaultsUsesBuiltInDefaults) {
    Start();
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(ui.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   新規データ");
    EXPECT_EQ(ui.lastView.positionLabel, "");
    EXPECT_TRUE(ui.lastView.beamList.empty());
    EXPECT_FALSE(ui.lastView.beamCommandsEnabled);
    EXPECT_TRUE(ui.lastView.history.empty());
    EXPECT_FALSE(ui.lastView.historySeparatorVisible);
    EXPECT_EQ(ctl.CurrentFile(), "新規データ");
    EXPECT_EQ(ctl.Position(), 1);
    EXPECT_EQ(ctl.BeamCount(), 0);
    EXPECT_FALSE(ctl.FileModified());
    EXPECT_FALSE(ctl.MemberModified());

    // The defaults file is created at once, with the built-in record (76 bytes).
    const std::string defPath = ctl.DefaultsPath();
    ASSERT_TRUE(std::filesystem::exists(defPath));
    EXPECT_EQ(std::filesystem::file_size(defPath), 76u);
    EXPECT_EQ(ctl.Defaults(), BuiltInDefaults());
    // The settings file is not written by a start.
    EXPECT_FALSE(std::filesystem::exists(ctl.SettingsPath()));

    // SI input and output, Fc 210 kg/cm2 shown as 21, the default bars and rules.
    EXPECT_TRUE(area().InputIsSI());
    EXPECT_TRUE(area().OutputIsSI());
    EXPECT_EQ(area().Text(Field::Fc), "21");
    EXPECT_EQ(area().Text(Field::CompressionRatio), "0.5");
    EXPECT_EQ(area().Text(Field::StirrupPitch), "250");
    EXPECT_EQ(area().Text(Field::BarLayers), "2");
    EXPECT_EQ(area().Text(Field::StirrupLegs), "2");
    EXPECT_EQ(area().MainBarSizeText(), "D16");
    EXPECT_EQ(area().StirrupSizeText(), "D10");
    EXPECT_EQ(ctl.CurrentProject().settings.unitCode, 3);
    EXPECT_EQ(ctl.CurrentProject().settings.sheetTitle, "梁断面算定結果");
    EXPECT_EQ(ctl.CurrentProject().settings.pageNumberMode, 2);
    EXPECT_EQ(ctl.CurrentProject().settings.firstPageNumber, 1);
    EXPECT_EQ(ctl.CurrentProject().font.fontName, "ＭＳ 明朝");
    EXPECT_FLOAT_EQ(ctl.Grades().ValueOf(1), 3.5f);
    EXPECT_FLOAT_EQ(ctl.Units().unitFactor, 9.80665f);
}

TEST_F(ControllerTest, StartUpReadsHistoryButDoesNotReopenTheLastFile) {
    SettingsFile s;
    s.dataFolder = DataFile("");
    s.currentFile = DataFile("last.Zel");
    s.history = {DataFile("last.Zel"), DataFile("older.Zel")};
    ASSERT_EQ(WriteSettingsFile(JoinPath(ProgramFolder(), "KAVOZel.INI"), s), "");
    Start();
    EXPECT_EQ(ctl.CurrentFile(), "新規データ");
    EXPECT_EQ(ui.lastView.history, s.history);
    EXPECT_TRUE(ui.lastView.historySeparatorVisible);
    EXPECT_EQ(ui.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   新規データ");
}

TEST_F(ControllerTest, StartUpAppliesStoredDefaults) {
    DefaultsRecord d = BuiltInDefaults();
    d.unitCode = 0;
    d.concreteFc = 240;
    d.mainBarSize = "D19";
    d.sheetTitle = "見出し";
    d.fontChoice = 1;
    ASSERT_EQ(WriteDefaultsFile(JoinPath(ProgramFolder(), "KavoZel.Def"), d), "");
    Start();
    EXPECT_EQ(ctl.Defaults(), d);
    EXPECT_FALSE(area().InputIsSI());
    EXPECT_EQ(area().Text(Field::Fc), "240");
    EXPECT_EQ(area().MainBarSizeText(), "D19");
    EXPECT_EQ(ctl.CurrentProject().settings.unitCode, 0);
    EXPECT_EQ(ctl.CurrentProject().settings.sheetTitle, "見出し");
    EXPECT_EQ(ctl.CurrentProject().font.fontName, "ＭＳ ゴシック");
    EXPECT_FALSE(ctl.FileModified());
}

TEST_F(ControllerTest, StartUpReportsAMissingGradeTable) {
    std::filesystem::remove(JoinPath(ProgramFolder(), "鉄筋Ｆ値.TBL"));
    Start();
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_NE(user.asked[0].text.find("鉄筋Ｆ値.TBL"), std::string::npos);
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    // The program still starts with an empty project.
    EXPECT_EQ(ui.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   新規データ");
}

TEST_F(ControllerTest, InstalledProgramKeepsSettingsAndDefaultsInTheConfigFolder) {
    // An unpacked package: programs in usr/bin, support files in usr/share/kavozel.
    const auto bin = folder_ / "usr" / "bin";
    const auto share = folder_ / "usr" / "share" / "kavozel";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    std::filesystem::rename(folder_ / "prog" / "鉄筋Ｆ値.TBL", share / "鉄筋Ｆ値.TBL");
    const std::string config = (folder_ / "config").string();
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ctl.StartUp(bin.string());
    unsetenv("XDG_CONFIG_HOME");

    EXPECT_TRUE(user.asked.empty());  // the grade table was found in share
    EXPECT_FLOAT_EQ(ctl.Grades().ValueOf(1), 3.5f);
    EXPECT_TRUE(std::filesystem::exists(config + "/kavozel/KavoZel.Def"));
    TypeBeam("G1");
    ASSERT_TRUE(ctl.AddBeam());
    user.saveAnswers.push_back(DataFile("a.Zel"));
    ASSERT_TRUE(ctl.SaveAs());
    // The first dialog starts in the user's home, not in the program folder.
    ASSERT_EQ(user.saveRequests.size(), 1u);
    EXPECT_NE(user.saveRequests[0].folder, bin.string());
    EXPECT_TRUE(std::filesystem::exists(config + "/kavozel/KAVOZel.INI"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(bin),
                            std::filesystem::directory_iterator()),
              0);
}

}  // namespace
}  // namespace zel::test
