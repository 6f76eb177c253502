// The member commands "計算書", "変  更" and "個 別ﾁｪｯｸ" with their shared checks and the
// three-answer confirmation.
#include "ControllerFixture.h"
#include "editor/ConfirmDialogRules.h"

namespace zel::test {
namespace {

TEST_F(ControllerTest, MemberCommandsRefuseALoadBeyondTheSpanAndInvalidInput) {
    Start();
    AddBeams(1);
    AddUniform("1000", "2", "4", "1");
    Type(Field::Span, "5");  // the load now reaches 6 m
    user.Clear();
    const Project before = ctl.CurrentProject();
    EXPECT_FALSE(ctl.RunMemberCommand(MemberCommand::CalcSheet));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "スパン長と荷重長さに矛盾があります。\r\rデータを修正してください。\r\r"
              "荷重データ No.1  [ " +
                  area().LoadLines()[0] + " ]");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_EQ(ui.previews, 0);
    EXPECT_TRUE(user.confirmTexts.empty());
    EXPECT_EQ(ctl.CurrentProject().Beam(1).loadCount, 0);  // nothing committed

    user.Clear();
    Type(Field::Span, "6");
    Type(Field::Breadth1, "0");
    EXPECT_FALSE(ctl.RunMemberCommand(MemberCommand::ChangeMember));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "断面サイズの数値が不正か、または入力されていません。");
    EXPECT_EQ(ctl.CurrentProject(), before);
}

TEST_F(ControllerTest, CalcSheetConfirmationCancelLeavesEverything) {
    Start();
    AddBeams(2);
    ASSERT_TRUE(ctl.SelectBeam(0));
    Type(Field::Span, "7");
    user.Clear();
    const Project before = ctl.CurrentProject();

    user.confirmAnswers.push_back(kConfirmCancel);
    EXPECT_FALSE(ctl.RunMemberCommand(MemberCommand::CalcSheet));
    ASSERT_EQ(user.confirmTexts.size(), 1u);
    EXPECT_EQ(user.confirmTexts[0],
              "[ B1 ] (Data No.1) は、変更されていますが [変更],[追加] 処理が行われていません。");
    EXPECT_EQ(user.beeps, 1);
    EXPECT_EQ(ui.previews, 0);
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_TRUE(ctl.MemberModified());
    EXPECT_EQ(area().Text(Field::Span), "7");
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"B1", "B2"}));

    // A dialog closed by the window manager counts as "ｷｬﾝｾﾙ" (no scripted answer).
    EXPECT_FALSE(ctl.RunMemberCommand(MemberCommand::CalcSheet));
    EXPECT_EQ(user.confirmTexts.size(), 2u);
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_TRUE(ctl.MemberModified());
}

TEST_F(ControllerTest, CalcSheetChangeAnswerCommitsAndOpensThePreview) {
    Start();
    AddBeams(2);
    ASSERT_TRUE(ctl.SelectBeam(0));
    Type(Field::Span, "7");
    user.confirmAnswers.push_back(kConfirmChange);
    EXPECT_TRUE(ctl.RunMemberCommand(MemberCommand::CalcSheet));
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(1).spanLength, 7.0f);
    EXPECT_EQ(ctl.BeamCount(), 2);
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_EQ(ui.previews, 1);
    EXPECT_EQ(ui.checkViewCloses, 1);
    EXPECT_EQ(ui.lastView.selectedLine, 0);
    // The preview is handed the project as committed, with its print settings.
    ASSERT_EQ(ui.sheetRequests.size(), 1u);
    const SheetRequest& request = ui.sheetRequests[0];
    EXPECT_FLOAT_EQ(request.project.Beam(1).spanLength, 7.0f);
    EXPECT_EQ(request.project.BeamCount(), 2);
    EXPECT_EQ(request.print, ctl.CurrentPrintSettings());
    EXPECT_EQ(request.dataName, "新規データ");
}

TEST_F(ControllerTest, CalcSheetAddAnswerKeepsTheEditedRecordAndAddsABeam) {
    Start();
    AddBeams(2);
    ASSERT_TRUE(ctl.SelectBeam(0));
    const BeamRecord original = ctl.CurrentProject().Beam(1);
    Type(Field::MemberName, "B1copy");
    Type(Field::Span, "7");
    user.confirmAnswers.push_back(kConfirmAdd);
    EXPECT_TRUE(ctl.RunMemberCommand(MemberCommand::CalcSheet));
    EXPECT_EQ(ctl.BeamCount(), 3);
    EXPECT_EQ(ctl.CurrentProject().Beam(1), original);
    EXPECT_EQ(ctl.CurrentProject().Beam(3).memberName, "B1copy");
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(3).spanLength, 7.0f);
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"B1", "B2", "B1copy"}));
    EXPECT_EQ(ctl.Position(), 3);
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_EQ(ui.previews, 1);
}

TEST_F(ControllerTest, CalcSheetAddAnswerThatCannotAddKeepsTheEditPending) {
    Start();
    AddBeams(50);
    Type(Field::Span, "7");
    user.Clear();
    const Project before = ctl.CurrentProject();
    user.confirmAnswers.push_back(kConfirmAdd);
    EXPECT_FALSE(ctl.RunMemberCommand(MemberCommand::CalcSheet));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "これ以上、梁を追加できません。(最大 50 本)");
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_TRUE(ctl.MemberModified());
    EXPECT_EQ(ui.previews, 0);
}

TEST_F(ControllerTest, CalcSheetWithSuppressedMessagesCommitsWithoutTheDialog) {
    Start();
    AddBeams(1);
    area().SetMessageOption(0, true);
    Type(Field::Span, "7");
    EXPECT_TRUE(ctl.RunMemberCommand(MemberCommand::CalcSheet));
    EXPECT_TRUE(user.confirmTexts.empty());
    EXPECT_EQ(user.beeps, 0);
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(1).spanLength, 7.0f);
    EXPECT_EQ(ui.previews, 1);
}

TEST_F(ControllerTest, CalcSheetWithoutBeamsBeepsAndShowsNothing) {
    Start();
    TypeBeam("NEW");
    ctl.Input().memberModified = false;
    EXPECT_TRUE(ctl.RunMemberCommand(MemberCommand::CalcSheet));
    EXPECT_EQ(user.beeps, 1);
    EXPECT_EQ(ui.previews, 0);
    EXPECT_EQ(ctl.BeamCount(), 0);
}

TEST_F(ControllerTest, ChangeMemberAsksOkCancel) {
    Start();
    AddBeams(2);
    ASSERT_TRUE(ctl.SelectBeam(0));
    Type(Field::MemberName, "RENAMED");
    user.Clear();
    const Project before = ctl.CurrentProject();

    user.Answer(kAnswerCancel);
    EXPECT_FALSE(ctl.RunMemberCommand(MemberCommand::ChangeMember));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "[ B1 ] (Data No.1) を変更します。");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOkCancel);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_TRUE(ctl.MemberModified());

    user.Answer(kAnswerOk);
    EXPECT_TRUE(ctl.RunMemberCommand(MemberCommand::ChangeMember));
    EXPECT_EQ(ctl.CurrentProject().Beam(1).memberName, "RENAMED");
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"RENAMED", "B2"}));
    EXPECT_EQ(ui.lastView.selectedLine, 0);
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_EQ(ui.previews, 0);
    EXPECT_TRUE(user.confirmTexts.empty());

    // Unedited: no question.
    user.Clear();
    EXPECT_TRUE(ctl.RunMemberCommand(MemberCommand::ChangeMember));
    EXPECT_TRUE(user.asked.empty());
}

TEST_F(ControllerTest, CheckCommitsWithoutAskingAndOpensTheCheckView) {
    Start();
    AddBeams(2);
    Type(Field::Span, "7");
    EXPECT_TRUE(ctl.RunMemberCommand(MemberCommand::Check));
    EXPECT_TRUE(user.asked.empty());
    EXPECT_TRUE(user.confirmTexts.empty());
    EXPECT_EQ(ui.checkViews, std::vector<int>{2});
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(2).spanLength, 7.0f);
    EXPECT_EQ(ui.previews, 0);
    // The view is handed the texts of the committed beam, calculated now.
    ASSERT_EQ(ui.checkTexts.size(), 1u);
    const CheckViewTexts& texts = ui.checkTexts[0];
    EXPECT_EQ(texts.caption, "[ " + ctl.CurrentProject().Beam(2).memberName + " ] の断面チェック");
    ASSERT_FALSE(texts.columns.empty());
    EXPECT_EQ(texts.error, "");
    EXPECT_NE(texts.columns[0].stirrups.find(ctl.CurrentProject().Beam(2).stirrupSize + "@"),
              std::string::npos);
}

TEST_F(ControllerTest, SkipBeamIsWrittenThroughEvenWhenTheCommandStops) {
    Start();
    AddBeams(1);
    area().SetCalculationFlag(0, true);
    EXPECT_FALSE(ctl.MemberModified());  // ticking "この梁は計算しない" is not an edit
    Type(Field::Span, "");               // the command will stop at the check
    EXPECT_FALSE(ctl.RunMemberCommand(MemberCommand::Check));
    EXPECT_EQ(ctl.CurrentProject().Beam(1).skipBeam, 1);
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(1).spanLength, 6.0f);
    EXPECT_TRUE(ui.checkViews.empty());
}

TEST(ConfirmDialogTest, AnswersComeOnlyFromTheThreeButtons) {
    EXPECT_EQ(ConfirmTextFor("G1", 12),
              "[ G1 ] (Data No.12) は、変更されていますが [変更],[追加] 処理が行われていません。");
    EXPECT_EQ(ConfirmAnswerOf(std::nullopt), kConfirmCancel);
    EXPECT_EQ(ConfirmAnswerOf(1), kConfirmChange);
    EXPECT_EQ(ConfirmAnswerOf(2), kConfirmAdd);
    EXPECT_EQ(ConfirmAnswerOf(0), kConfirmCancel);
    EXPECT_EQ(ConfirmAnswerOf(7), kConfirmCancel);

    ConfirmDialogRules dialog("text");
    EXPECT_EQ(dialog.ConfirmText(), "text");
    EXPECT_FALSE(dialog.Press(5));
    EXPECT_FALSE(dialog.IsClosed());
    EXPECT_TRUE(dialog.Press(2));
    EXPECT_TRUE(dialog.IsClosed());
    EXPECT_FALSE(dialog.Press(1));  // closed: a late click changes nothing
    EXPECT_EQ(dialog.ConfirmAnswer(), kConfirmAdd);
    EXPECT_STREQ(kConfirmQuestion, "この部材データをどうしますか？");
}

}  // namespace
}  // namespace zel::test
