// Reactions of the input area's choices: sections, support, moment position, grades and sizes,
// flags, message options and units.
#include "InputAreaFixture.h"

namespace zel::test {
namespace {

TEST_F(InputAreaTest, SectionCountShowsColumnsHeadingsAndCopyButtons) {
    const InputAreaView& v = area.View();
    EXPECT_EQ(v.sectionHeading[0].caption, "全断面");
    EXPECT_FALSE(v.sectionHeading[1].visible);
    EXPECT_FALSE(v.copyButton[0].enabled);

    area.SelectSectionCount(1);
    EXPECT_TRUE(area.memberModified);
    EXPECT_EQ(v.sectionHeading[0].caption, "端 部");
    EXPECT_EQ(v.sectionHeading[1].caption, "中 央");
    EXPECT_FALSE(v.sectionHeading[2].visible);
    EXPECT_EQ(v.sectionColumnVisible, (std::array<bool, 3>{true, true, false}));
    EXPECT_TRUE(v.copyButton[0].enabled);
    EXPECT_FALSE(v.copyButton[1].enabled);
    EXPECT_EQ(v.copyButton[0].caption, "ｺﾋﾟｰ");

    area.SelectSectionCount(2);
    EXPECT_EQ(v.sectionHeading[0].caption, "左 端");
    EXPECT_EQ(v.sectionHeading[2].caption, "右 端");
    EXPECT_EQ(v.sectionColumnVisible, (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(v.copyButton[1].enabled);
}

TEST_F(InputAreaTest, CantileverWithThreeSectionsAndBack) {
    const InputAreaView& v = area.View();
    area.SelectSectionCount(2);
    area.SelectSupportType(1);
    EXPECT_EQ(area.SectionOption(), 0);
    EXPECT_EQ(v.sectionColumnVisible, (std::array<bool, 3>{true, false, false}));
    EXPECT_FALSE(v.sectionHeading[1].visible);
    EXPECT_FALSE(v.sectionHeading[2].visible);
    EXPECT_EQ(v.sectionHeading[0].caption, "固定端");
    EXPECT_EQ(v.sectionOption[0].caption, "１断面(固定端)");
    EXPECT_FALSE(v.sectionOption[1].enabled);
    EXPECT_FALSE(v.sectionOption[2].enabled);
    EXPECT_FALSE(v.momentOption[0].enabled);
    EXPECT_FALSE(v.momentOption[1].enabled);
    EXPECT_TRUE(v.cantileverNote.visible);
    EXPECT_EQ(v.cantileverNote.caption, "片持梁では指定できません");
    EXPECT_FALSE(v.approximateButton.enabled);
    EXPECT_EQ(v.spanTypeCaption.background, ViewColour::Face);
    EXPECT_EQ(v.spanTypeCaption.foreground, ViewColour::Grey);
    EXPECT_EQ(v.momentField.background, ViewColour::LightGrey);
    EXPECT_FALSE(v.momentField.enabled);
    EXPECT_EQ(v.loadPicture, "集中荷重_C.JPG");

    area.SelectSupportType(0);
    EXPECT_EQ(area.SectionOption(), 0);
    EXPECT_EQ(v.sectionHeading[0].caption, "全断面");
    EXPECT_EQ(v.sectionOption[0].caption, "１断面(全断面共通)");
    EXPECT_TRUE(v.sectionOption[2].enabled);
    EXPECT_TRUE(v.momentOption[1].enabled);
    EXPECT_FALSE(v.cantileverNote.visible);
    EXPECT_TRUE(v.approximateButton.enabled);
    EXPECT_EQ(v.spanTypeCaption.background, ViewColour::White);
    EXPECT_EQ(v.spanTypeCaption.foreground, ViewColour::Black);
    EXPECT_EQ(v.loadPicture, "集中荷重.JPG");

    // With two sections the simple-beam heading is written with two blanks.
    area.SelectSectionCount(1);
    area.SelectSupportType(0);
    EXPECT_EQ(v.sectionHeading[0].caption, "端  部");
}

TEST_F(InputAreaTest, MomentPositionFieldFollowsModeAndSupport) {
    const InputAreaView& v = area.View();
    EXPECT_FALSE(v.momentField.enabled);
    EXPECT_EQ(v.momentField.background, ViewColour::Face);

    area.SelectMomentPositionMode(1);
    EXPECT_TRUE(area.memberModified);
    EXPECT_TRUE(v.momentField.enabled);
    EXPECT_TRUE(v.momentUnit.enabled);
    EXPECT_EQ(v.momentField.background, ViewColour::White);
    EXPECT_EQ(v.focusRequest, Field::MomentPosition);

    area.MutableView().focusRequest.reset();
    area.SelectSupportType(1);
    EXPECT_FALSE(v.momentField.enabled);
    EXPECT_EQ(v.momentField.background, ViewColour::LightGrey);
    area.SelectSupportType(0);
    EXPECT_TRUE(v.momentField.enabled);
    EXPECT_EQ(v.momentField.background, ViewColour::White);
    EXPECT_EQ(v.focusRequest, Field::MomentPosition);

    area.SelectMomentPositionMode(0);
    EXPECT_FALSE(v.momentField.enabled);
    EXPECT_FALSE(v.momentUnit.enabled);
    EXPECT_EQ(v.momentField.background, ViewColour::Face);

    // While the program fills the area, choosing the position mode does not open the field.
    area.fillingForm = true;
    area.SelectMomentPositionMode(1);
    EXPECT_FALSE(v.momentField.enabled);
}

TEST_F(InputAreaTest, InputUnitSwitch) {
    area.SelectLoadType(3);
    EXPECT_EQ(area.View().fcUnit.caption, "(kg/cm2)");
    EXPECT_EQ(area.View().loadUnit.caption, "(kg/m2)");
    area.SelectInputUnits(1);
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "入力単位を変更する場合、ｺﾝｸﾘｰﾄ設計基準強度 Ｆc も変更してください");
    EXPECT_EQ(user.asked[0].title, "確認メッセージ");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_EQ(area.View().fcUnit.caption, "(N/mm2)");
    EXPECT_EQ(area.View().loadUnit.caption, "(N/m2)");
    EXPECT_EQ(area.Text(Field::Fc), "210");  // nothing is converted
    EXPECT_TRUE(area.InputIsSI());
    EXPECT_EQ(area.UnitCode(), 2);
    EXPECT_FLOAT_EQ(area.UnitFactorValue(), 9.80665f);
    EXPECT_FALSE(area.memberModified);
    EXPECT_FALSE(area.fileModified);
    area.SelectLoadType(0);
    EXPECT_EQ(area.View().loadUnit.caption, "(N)");

    area.SelectOutputUnits(1);
    EXPECT_EQ(area.UnitCode(), 3);
    EXPECT_EQ(user.asked.size(), 1u);

    // With change messages suppressed, or while a file is loaded, nothing is said.
    area.SetMessageOption(0, true);
    area.SelectInputUnits(0);
    EXPECT_EQ(area.UnitCode(), 1);
    EXPECT_EQ(area.View().loadUnit.caption, "(kg)");
    EXPECT_FLOAT_EQ(area.UnitFactorValue(), 1.0f);
    area.SetMessageOption(0, false);
    area.loadingFile = true;
    area.SelectInputUnits(1);
    EXPECT_EQ(user.asked.size(), 1u);
    area.loadingFile = false;
    // Choosing the unit already in use is no switch.
    area.SelectInputUnits(1);
    EXPECT_EQ(user.asked.size(), 1u);
}

TEST_F(InputAreaTest, CalculationFlagsAndMessageOptions) {
    area.SetCalculationFlag(0, true);
    EXPECT_TRUE(area.CalculationFlag(0));
    EXPECT_FALSE(area.memberModified);
    EXPECT_FALSE(area.fileModified);
    area.SetCalculationFlag(1, true);
    EXPECT_TRUE(area.memberModified);
    ResetFlags();
    area.SetCalculationFlag(2, true);
    EXPECT_TRUE(area.fileModified);

    ResetFlags();
    area.SetMessageOption(0, true);
    area.SetMessageOption(1, true);
    EXPECT_TRUE(area.suppressChangeMessages);
    EXPECT_TRUE(area.suppressPreviewCloseMessage);
    EXPECT_FALSE(area.memberModified);
    area.SetMessageOption(1, false);
    EXPECT_FALSE(area.suppressPreviewCloseMessage);
}

TEST_F(InputAreaTest, GradesRefillTheSizeListsKeepingThePosition) {
    ASSERT_EQ(area.MainBarSizes().size(), 11u);
    EXPECT_EQ(area.MainBarSizes().front(), "D10");
    area.SelectMainBarSize(2);
    EXPECT_EQ(area.MainBarSizeText(), "D16");
    ResetFlags();
    area.SelectMainBarGrade(2);  // SR235
    EXPECT_TRUE(area.memberModified);
    EXPECT_EQ(area.MainBarSizes(),
              (std::vector<std::string>{"13φ", "16φ", "19φ", "22φ", "25φ", "28φ", "32φ"}));
    EXPECT_EQ(area.MainBarSizePosition(), 2);
    EXPECT_EQ(area.MainBarSizeText(), "19φ");  // the position is kept, not the name
    // The stirrup list is the other kind's business.
    EXPECT_EQ(area.StirrupSizes().front(), "D10");

    // A position beyond the round-bar list takes its last entry instead of failing.
    area.SelectMainBarGrade(0);
    area.SelectMainBarSize(10);
    EXPECT_EQ(area.MainBarSizeText(), "D41");
    area.SelectMainBarGrade(3);
    EXPECT_EQ(area.MainBarSizeText(), "32φ");

    area.SelectStirrupSize(1);
    area.SelectStirrupGrade(2);
    EXPECT_EQ(area.StirrupSizes(), (std::vector<std::string>{"9φ", "9φ13φ", "13φ", "16φ"}));
    EXPECT_EQ(area.StirrupSizeText(), "9φ13φ");

    ResetFlags();
    area.SelectAssemblyMethod(3);
    EXPECT_TRUE(area.memberModified);
    EXPECT_EQ(std::string(AssemblyMethodCaption(4)), "スポット溶接 (ｼﾝｸﾞﾙ配筋用)");
    ResetFlags();
    area.SelectMinRebarRule(2);
    EXPECT_TRUE(area.fileModified);
}

}  // namespace
}  // namespace zel::test
