// The default-data dialog's rules and how the controller stores its result.
#include <algorithm>
#include <filesystem>

#include "ControllerFixture.h"
#include "data/DefaultsFile.h"
#include "editor/DefaultsDialogRules.h"
#include "support/ScriptedPrompter.h"

namespace zel::test {
namespace {

TEST(DefaultsDialogRulesTest, OpeningShowsTheRecordWithFcInSiUnits) {
    const DefaultsDialogForm form = OpenDefaultsForm(BuiltInDefaults());
    EXPECT_EQ(form.fcText, "21");
    EXPECT_EQ(form.mainSizeText, "D16");
    EXPECT_EQ(form.stirrupSizeText, "D10");
    EXPECT_EQ(form.ratioText, "0.5");
    EXPECT_EQ(form.layersText, "2");
    EXPECT_EQ(form.legsText, "2");
    EXPECT_EQ(form.pitchText, "250");
    EXPECT_EQ(form.inputUnitOption, 1);
    EXPECT_EQ(form.outputUnitOption, 1);
    EXPECT_EQ(form.sheet.heading, "梁断面算定結果");
    EXPECT_EQ(form.sheet.pageNumberOption, kPageNumbersOn);
    EXPECT_EQ(form.sheet.startText, "1");
    EXPECT_TRUE(form.sheet.startField.enabled);
    EXPECT_EQ(form.sheet.fontOption, 0);
    EXPECT_EQ(form.ruleOption, 0);
    EXPECT_FALSE(form.mainSizes.empty());
}

TEST(DefaultsDialogRulesTest, GradeRefillsTheSizeListKeepingThePosition) {
    DefaultsDialogForm form = OpenDefaultsForm(BuiltInDefaults());
    const auto deformed = form.mainSizes;
    const auto at = std::find(deformed.begin(), deformed.end(), "D16") - deformed.begin();
    ChooseDefaultsGrade(form, true, 2);  // SR235: round bars
    EXPECT_NE(form.mainSizes, deformed);
    ASSERT_LT(static_cast<std::size_t>(at), form.mainSizes.size());
    EXPECT_EQ(form.mainSizeText, form.mainSizes[static_cast<std::size_t>(at)]);
    EXPECT_EQ(form.mainGrade, 2);
    ChooseDefaultsGrade(form, true, 0);
    EXPECT_EQ(form.mainSizeText, "D16");

    ChoosePageNumberOption(form.sheet, kPageNumbersOff);
    EXPECT_FALSE(form.sheet.startField.enabled);
    EXPECT_FALSE(form.sheet.startLabel.enabled);
    EXPECT_EQ(form.sheet.startField.background, ViewColour::LightGrey);
}

TEST(DefaultsDialogRulesTest, APositionPastTheShorterListTakesItsLastSize) {
    DefaultsDialogForm form = OpenDefaultsForm(BuiltInDefaults());
    for (const int roundGrade : {2, 3}) {
        ChooseDefaultsGrade(form, true, 0);
        form.mainSizeText = "D41";  // the last of eleven deformed sizes
        ChooseDefaultsGrade(form, true, roundGrade);
        ASSERT_LT(form.mainSizes.size(), 11u);
        // What 設定 stores as the default size.
        EXPECT_EQ(form.mainSizeText, "32φ") << roundGrade;
    }
}

TEST(DefaultsDialogRulesTest, ConfirmAsksAndCopiesEveryControl) {
    ScriptedPrompter user;
    DefaultsRecord d = BuiltInDefaults();
    d.sectionOption = 2;  // fields without a control keep their values
    d.spanType = 3;
    d.shortTerm = 1;
    DefaultsDialogForm form = OpenDefaultsForm(d);
    form.fcText = "24";
    form.layersText = "2.5";
    form.legsText = "3.5";
    form.pitchText = "abc";
    form.ratioText = "0.75";
    form.ruleOption = 1;
    form.inputUnitOption = 0;
    form.outputUnitOption = 1;
    form.sheet.heading = " 見出し ";
    form.sheet.fontOption = 1;
    form.sheet.startText = "";
    form.assemblyMethod = 3;
    ChoosePageNumberOption(form.sheet, kPageNumbersOff);

    user.Answer(kAnswerNo);
    const DefaultsRecord before = d;
    EXPECT_FALSE(ConfirmDefaultsForm(form, user, d));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "デフォルト値を変更しますか？");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_EQ(d, before);

    user.Answer(kAnswerYes);
    EXPECT_TRUE(ConfirmDefaultsForm(form, user, d));
    EXPECT_FLOAT_EQ(d.concreteFc, 240.0f);
    EXPECT_EQ(d.maxBarLayers, 2);  // halves to even
    EXPECT_EQ(d.maxStirrupLegs, 4);
    EXPECT_EQ(d.maxStirrupPitch, 0);  // not a number
    EXPECT_FLOAT_EQ(d.compressionBarRatio, 0.75f);
    EXPECT_EQ(d.minRebarRule, 1);
    EXPECT_EQ(d.unitCode, 1);
    EXPECT_EQ(d.sheetTitle, "見出し");
    EXPECT_EQ(d.fontChoice, 1);
    EXPECT_EQ(d.pageNumberMode, 1);
    EXPECT_EQ(d.firstPageNumber, 0);
    EXPECT_EQ(d.assemblyMethod, 3);
    EXPECT_EQ(d.sectionOption, 2);
    EXPECT_EQ(d.spanType, 3);
    EXPECT_EQ(d.shortTerm, 1);
}

TEST_F(ControllerTest, NewDefaultsAreWrittenAndActAtTheNextNew) {
    Start();
    AddBeams(1);
    DefaultsRecord d = ctl.Defaults();
    d.concreteFc = 240;
    d.unitCode = 0;
    d.sheetTitle = "新しい見出し";
    EXPECT_EQ(ctl.ApplyDefaults(d), "");
    DefaultsRecord read;
    ASSERT_EQ(ReadDefaultsFile(ctl.DefaultsPath(), read), DefaultsReadStatus::Read);
    EXPECT_EQ(read, d);
    // The open project is not touched.
    EXPECT_EQ(ctl.CurrentProject().settings.sheetTitle, "梁断面算定結果");
    EXPECT_EQ(ctl.BeamCount(), 1);

    user.Answer(kAnswerYes);
    ASSERT_TRUE(ctl.NewProject());
    EXPECT_EQ(ctl.CurrentProject().settings.sheetTitle, "新しい見出し");
    EXPECT_EQ(ctl.CurrentProject().settings.unitCode, 0);
    EXPECT_EQ(area().Text(Field::Fc), "240");
}

TEST_F(ControllerTest, DefaultsDialogThroughTheControllerAsksWritesAndReportsAFailedWrite) {
    Start();
    const std::string before = ReadFileBytes(ctl.DefaultsPath());
    DefaultsDialogForm form = OpenDefaultsForm(ctl.Defaults());
    form.fcText = "27";
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.ConfirmDefaultsDialog(form));
    EXPECT_EQ(user.LastText(), "デフォルト値を変更しますか？");
    EXPECT_EQ(ReadFileBytes(ctl.DefaultsPath()), before);
    EXPECT_FLOAT_EQ(ctl.Defaults().concreteFc, 210.0f);

    EXPECT_TRUE(ctl.ConfirmDefaultsDialog(form));
    DefaultsRecord read;
    ASSERT_EQ(ReadDefaultsFile(ctl.DefaultsPath(), read), DefaultsReadStatus::Read);
    EXPECT_FLOAT_EQ(read.concreteFc, 270.0f);
    EXPECT_EQ(user.asked.size(), 2u);

    // The file cannot be replaced: said so, the dialog closes, the defaults act anyway.
    std::filesystem::remove(ctl.DefaultsPath());
    std::filesystem::create_directory(ctl.DefaultsPath());
    form.fcText = "30";
    user.Clear();
    EXPECT_TRUE(ctl.ConfirmDefaultsDialog(form));
    ASSERT_EQ(user.asked.size(), 2u);
    EXPECT_EQ(user.asked[1].text.rfind("デフォルト値を保存できませんでした。\r\r", 0), 0u);
    EXPECT_EQ(user.asked[1].buttons, kButtonsOk);
    EXPECT_FLOAT_EQ(ctl.Defaults().concreteFc, 300.0f);
}

}  // namespace
}  // namespace zel::test
