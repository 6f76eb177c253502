// The print-settings dialog's rules and how the controller stores its result.
#include "ControllerFixture.h"
#include "editor/SheetSettingsDialogRules.h"
#include "support/ScriptedPrompter.h"

namespace zel::test {
namespace {

PrintSettings Sample() {
    PrintSettings s;
    s.HeadingText = "梁断面算定結果";
    s.PageNumberMode = 2;
    s.StartPageNumber = 5;
    s.fontIndex = 0;
    s.PrintFontName = "ＭＳ 明朝";
    return s;
}

TEST(SheetSettingsDialogRulesTest, OpeningShowsTheSettingsAndThePageOptionSwitchesTheField) {
    SheetSettingsForm form = OpenSheetSettingsForm(Sample());
    EXPECT_EQ(form.heading, "梁断面算定結果");
    EXPECT_EQ(form.pageNumberOption, kPageNumbersOn);
    EXPECT_EQ(form.startText, "5");
    EXPECT_EQ(form.fontOption, 0);
    EXPECT_TRUE(form.startField.enabled);
    EXPECT_EQ(form.startField.background, ViewColour::White);

    ChoosePageNumberOption(form, kPageNumbersOff);
    EXPECT_FALSE(form.startField.enabled);
    EXPECT_FALSE(form.startLabel.enabled);
    EXPECT_EQ(form.startField.background, ViewColour::LightGrey);
    ChoosePageNumberOption(form, kPageNumbersOn);
    EXPECT_TRUE(form.startLabel.enabled);
    EXPECT_EQ(form.startField.background, ViewColour::White);

    PrintSettings off = Sample();
    off.PageNumberMode = 1;
    off.fontIndex = 1;
    form = OpenSheetSettingsForm(off);
    EXPECT_EQ(form.pageNumberOption, kPageNumbersOff);
    EXPECT_FALSE(form.startField.enabled);
    EXPECT_EQ(form.fontOption, 1);
}

TEST(SheetSettingsDialogRulesTest, OkAsksAndStoresTrimmedRoundedValues) {
    ScriptedPrompter user;
    PrintSettings settings = Sample();
    SheetSettingsForm form = OpenSheetSettingsForm(settings);
    form.heading = "  見出し  ";
    form.startText = "3.5";
    form.fontOption = 1;
    ChoosePageNumberOption(form, kPageNumbersOff);

    // No keeps the dialog open and the settings as they were.
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ConfirmSheetSettingsForm(form, user, settings));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "設定項目を有効にしますか？");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_EQ(settings, Sample());

    user.Answer(kAnswerYes);
    EXPECT_TRUE(ConfirmSheetSettingsForm(form, user, settings));
    EXPECT_EQ(settings.HeadingText, "見出し");
    EXPECT_EQ(settings.PageNumberMode, 1);
    EXPECT_EQ(settings.StartPageNumber, 4);  // read even from the disabled field
    EXPECT_EQ(settings.fontIndex, 1);
    EXPECT_EQ(settings.PrintFontName, "ＭＳ ゴシック");
    EXPECT_EQ(settings.PrintFontSize, 10);

    form.startText = "2.5";
    EXPECT_TRUE(ConfirmSheetSettingsForm(form, user, settings));
    EXPECT_EQ(settings.StartPageNumber, 2);
    form.startText = "abc";
    form.pageNumberOption = -1;  // nothing selected reads as the first option
    EXPECT_TRUE(ConfirmSheetSettingsForm(form, user, settings));
    EXPECT_EQ(settings.StartPageNumber, 0);
    EXPECT_EQ(settings.PageNumberMode, 1);
}

TEST(SheetSettingsDialogRulesTest, AStartNumberBeyondSixteenBitsIsRefused) {
    ScriptedPrompter user;
    PrintSettings settings = Sample();
    SheetSettingsForm form = OpenSheetSettingsForm(settings);
    form.startText = "40000";
    EXPECT_FALSE(ConfirmSheetSettingsForm(form, user, settings));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "開始ページ No. の数値が大きすぎます。");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_EQ(settings, Sample());
    std::int16_t n = 0;
    EXPECT_TRUE(StartNumberFromText("32767", n));
    EXPECT_EQ(n, 32767);
    EXPECT_FALSE(StartNumberFromText("1e300", n));
    EXPECT_TRUE(StartNumberFromText("-2.5", n));
    EXPECT_EQ(n, -2);
}

TEST_F(ControllerTest, PrintSettingsLiveInTheProjectAndAChangeMarksTheFile) {
    Start();
    const PrintSettings current = ctl.CurrentPrintSettings();
    EXPECT_EQ(current.HeadingText, "梁断面算定結果");
    EXPECT_EQ(current.PageNumberMode, 2);
    EXPECT_EQ(current.StartPageNumber, 1);
    EXPECT_EQ(current.PrintFontName, "ＭＳ 明朝");

    ctl.ApplyPrintSettings(current);  // unchanged: nothing to save
    EXPECT_FALSE(ctl.FileModified());

    PrintSettings changed = current;
    changed.HeadingText = "別の見出し";
    changed.fontIndex = 1;
    changed.PrintFontName = "ＭＳ ゴシック";
    ctl.ApplyPrintSettings(changed);
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_EQ(ctl.CurrentProject().settings.sheetTitle, "別の見出し");
    EXPECT_EQ(ctl.CurrentProject().font.fontChoice, 1);
    EXPECT_EQ(ctl.CurrentProject().font.fontName, "ＭＳ ゴシック");
}

TEST_F(ControllerTest, PrintSettingsDialogThroughTheController) {
    Start();
    SheetSettingsForm form = OpenSheetSettingsForm(ctl.CurrentPrintSettings());
    form.heading = "  第２棟  ";
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.ConfirmSheetSettingsDialog(form));
    EXPECT_EQ(user.LastText(), "設定項目を有効にしますか？");
    EXPECT_EQ(ctl.CurrentProject().settings.sheetTitle, "梁断面算定結果");
    EXPECT_FALSE(ctl.FileModified());
    EXPECT_TRUE(ctl.ConfirmSheetSettingsDialog(form));
    EXPECT_EQ(ctl.CurrentProject().settings.sheetTitle, "第２棟");
    EXPECT_TRUE(ctl.FileModified());
}

}  // namespace
}  // namespace zel::test
