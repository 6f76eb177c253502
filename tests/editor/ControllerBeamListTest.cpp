// The beam list: add, delete, clear the input area, move, select.
#include "ControllerFixture.h"

namespace zel::test {
namespace {

TEST_F(ControllerTest, AddBeamCommitsTheInputAreaAndShowsTheNewBeam) {
    Start();
    TypeBeam("G1");
    AddUniform("5000", "0", "6", "1");
    ASSERT_TRUE(ctl.AddBeam());
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(ctl.BeamCount(), 1);
    EXPECT_EQ(ctl.Position(), 1);
    EXPECT_EQ(ui.lastView.beamList, std::vector<std::string>{"G1"});
    EXPECT_EQ(ui.lastView.selectedLine, 0);
    EXPECT_EQ(ui.lastView.positionLabel, "1/1");
    EXPECT_TRUE(ui.lastView.beamCommandsEnabled);
    EXPECT_TRUE(ui.lastView.focusBeamList);
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_FALSE(ctl.MemberModified());

    const BeamRecord& b = ctl.CurrentProject().Beam(1);
    EXPECT_EQ(b.memberName, "G1");
    EXPECT_FLOAT_EQ(b.spanLength, 6.0f);
    EXPECT_EQ(b.loadCount, 1);
    EXPECT_EQ(b.loadType[0], 4);
    EXPECT_FLOAT_EQ(b.loadValue[0], 5.0f);
    EXPECT_FLOAT_EQ(b.concreteFc, 210.0f);  // 21 N/mm2 typed in SI
    EXPECT_FLOAT_EQ(b.mainGradeValue, 3.0f);
    // The input area shows the committed beam.
    EXPECT_EQ(area().Text(Field::MemberName), "G1");
    EXPECT_EQ(area().LoadLines().size(), 1u);

    TypeBeam("G2", "5");
    ASSERT_TRUE(ctl.AddBeam());
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"G1", "G2"}));
    EXPECT_EQ(ui.lastView.positionLabel, "2/2");
    EXPECT_EQ(ctl.CurrentProject().Beam(1).memberName, "G1");
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(1).spanLength, 6.0f);
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(2).spanLength, 5.0f);
}

TEST_F(ControllerTest, AddBeamWithoutNameAsksAndNoAddsNothing) {
    Start();
    TypeBeam("  ");
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ctl.AddBeam());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "部材名が入力されていません。\r\rこのまま追加してもよろしいですか？");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_EQ(ctl.BeamCount(), 0);
    EXPECT_TRUE(ctl.MemberModified());  // the typing is still pending

    user.Answer(kAnswerYes);
    EXPECT_TRUE(ctl.AddBeam());
    EXPECT_EQ(ctl.BeamCount(), 1);
    EXPECT_EQ(ctl.CurrentProject().Beam(1).memberName, "");
}

TEST_F(ControllerTest, AddBeamRefusesInvalidInputAndTheFiftyFirstBeam) {
    Start();
    Type(Field::MemberName, "X");  // no span
    const bool modifiedBefore = ctl.FileModified();
    EXPECT_FALSE(ctl.AddBeam());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "スパン長が入力されていないか、数値に誤りがあります。");
    EXPECT_EQ(ctl.BeamCount(), 0);
    EXPECT_EQ(ctl.FileModified(), modifiedBefore);

    user.Clear();
    AddBeams(50);
    EXPECT_EQ(ctl.BeamCount(), 50);
    EXPECT_TRUE(user.asked.empty());
    const Project before = ctl.CurrentProject();
    TypeBeam("B51");
    EXPECT_FALSE(ctl.AddBeam());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "これ以上、梁を追加できません。(最大 50 本)");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_EQ(ui.lastView.beamList.size(), 50u);
}

TEST_F(ControllerTest, DeleteBeamAsksAndRemovesTheCurrentSlot) {
    Start();
    AddBeams(3);
    ASSERT_TRUE(ctl.SelectBeam(1));  // B2
    user.Clear();

    user.Answer(kAnswerCancel);
    const Project before = ctl.CurrentProject();
    ctl.Input().fileModified = false;
    EXPECT_FALSE(ctl.DeleteBeam());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "[ B2 ] (Data No.2) を削除します。");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOkCancel);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_FALSE(ctl.FileModified());

    EXPECT_TRUE(ctl.DeleteBeam());
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"B1", "B3"}));
    EXPECT_EQ(ctl.Position(), 2);
    EXPECT_EQ(ui.lastView.positionLabel, "2/2");
    EXPECT_EQ(area().Text(Field::MemberName), "B3");
    EXPECT_TRUE(ctl.FileModified());
    EXPECT_FALSE(ctl.MemberModified());

    // Deleting the last line moves the position onto the new last line.
    EXPECT_TRUE(ctl.DeleteBeam());
    EXPECT_EQ(ctl.Position(), 1);
    EXPECT_EQ(ui.lastView.positionLabel, "1/1");
    EXPECT_EQ(area().Text(Field::MemberName), "B1");
    // The former last slot keeps its data but no loads.
    EXPECT_EQ(ctl.CurrentProject().Beam(2).memberName, "B3");
}

TEST_F(ControllerTest, DeletingTheOnlyBeamEmptiesTheListAndDisablesTheSaveCommands) {
    Start();
    AddBeams(1);
    EXPECT_TRUE(ui.lastView.beamCommandsEnabled);
    user.Clear();
    EXPECT_TRUE(ctl.DeleteBeam());
    EXPECT_EQ(ctl.BeamCount(), 0);
    EXPECT_TRUE(ui.lastView.beamList.empty());
    EXPECT_EQ(ui.lastView.selectedLine, -1);
    EXPECT_EQ(ui.lastView.positionLabel, "");
    EXPECT_FALSE(ui.lastView.beamCommandsEnabled);
    EXPECT_EQ(ctl.Position(), 1);
    EXPECT_EQ(area().Text(Field::MemberName), "");
    // Nothing left to delete: no question.
    EXPECT_FALSE(ctl.DeleteBeam());
    EXPECT_EQ(user.asked.size(), 1u);
    // The deleted beam's name does not reappear in a later question.
    Type(Field::Span, "4");
    user.Answer(kAnswerCancel);
    EXPECT_FALSE(ctl.ClearInputArea());
    EXPECT_EQ(user.LastText().rfind("[  ] (Data No.1) は、変更されています。", 0), 0u);
}

TEST_F(ControllerTest, ClearInputAreaAsksOnlyWhenTheBeamWasEdited) {
    Start();
    AddBeams(1);
    user.Clear();
    // Unedited: cleared without a question.
    EXPECT_TRUE(ctl.ClearInputArea());
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(area().Text(Field::MemberName), "");

    Type(Field::MemberName, "EDITED");
    user.Answer(kAnswerCancel);
    EXPECT_FALSE(ctl.ClearInputArea());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "[ B1 ] (Data No.1) は、変更されています。\r\r"
              "入力を中止して、入力エリアをクリアーします。\r\r"
              "(部材データ、荷重データ等この梁の変更内容は、無効になります。)");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOkCancel);
    EXPECT_EQ(area().Text(Field::MemberName), "EDITED");
    EXPECT_TRUE(ctl.MemberModified());

    EXPECT_TRUE(ctl.ClearInputArea());
    EXPECT_EQ(area().Text(Field::MemberName), "");
    EXPECT_TRUE(area().LoadLines().empty());
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_EQ(ctl.CurrentProject().Beam(1).memberName, "B1");  // the stored beam is untouched
}

TEST_F(ControllerTest, MoveSwapsNeighboursAndMarksTheFileChanged) {
    Start();
    AddBeams(3);  // position 3
    ctl.Input().fileModified = false;
    const Project before = ctl.CurrentProject();

    EXPECT_FALSE(ctl.MoveDown());  // last line
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_EQ(ctl.Position(), 3);
    EXPECT_FALSE(ctl.FileModified());

    EXPECT_TRUE(ctl.MoveUp());
    EXPECT_EQ(ctl.Position(), 2);
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"B1", "B3", "B2"}));
    EXPECT_EQ(ui.lastView.selectedLine, 1);
    EXPECT_EQ(ui.lastView.positionLabel, "2/3");
    EXPECT_EQ(ctl.CurrentProject().Beam(2).memberName, "B3");
    EXPECT_EQ(ctl.CurrentProject().Beam(3).memberName, "B2");
    EXPECT_TRUE(ctl.FileModified());

    EXPECT_TRUE(ctl.MoveUp());
    EXPECT_EQ(ctl.Position(), 1);
    ctl.Input().fileModified = false;
    const Project top = ctl.CurrentProject();
    EXPECT_FALSE(ctl.MoveUp());  // first line
    EXPECT_EQ(ctl.CurrentProject(), top);
    EXPECT_EQ(ctl.Position(), 1);
    EXPECT_FALSE(ctl.FileModified());
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"B3", "B1", "B2"}));
    EXPECT_TRUE(user.asked.empty());
}

TEST_F(ControllerTest, SelectBeamValidatesAsksAndCommits) {
    Start();
    AddBeams(2);  // position 2, showing B2
    user.Clear();

    // Invalid input: the message, the selection stays on the current line.
    Type(Field::Span, "");
    EXPECT_FALSE(ctl.SelectBeam(0));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "スパン長が入力されていないか、数値に誤りがあります。");
    EXPECT_EQ(ctl.Position(), 2);
    EXPECT_EQ(ui.lastView.selectedLine, 1);

    // No: the edit is dropped, the other beam is shown.
    user.Clear();
    Type(Field::Span, "7");
    Type(Field::MemberName, "B2X");
    user.Answer(kAnswerNo);
    EXPECT_TRUE(ctl.SelectBeam(0));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "[ B2 ] (Data No.2) は、変更されています。\r\r変更を有効にしますか？");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_EQ(ctl.CurrentProject().Beam(2).memberName, "B2");
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(2).spanLength, 6.0f);
    EXPECT_EQ(ctl.Position(), 1);
    EXPECT_EQ(area().Text(Field::MemberName), "B1");
    EXPECT_FALSE(ctl.MemberModified());

    // Yes: committed, the list line renamed.
    user.Clear();
    Type(Field::MemberName, "B1X");
    Type(Field::Span, "8");
    user.Answer(kAnswerYes);
    EXPECT_TRUE(ctl.SelectBeam(1));
    EXPECT_EQ(ctl.CurrentProject().Beam(1).memberName, "B1X");
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(1).spanLength, 8.0f);
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"B1X", "B2"}));
    EXPECT_EQ(ui.lastView.positionLabel, "2/2");
    EXPECT_EQ(area().Text(Field::MemberName), "B2");

    // With the change messages suppressed the edit is committed silently.
    user.Clear();
    area().SetMessageOption(0, true);
    Type(Field::Span, "5");
    EXPECT_TRUE(ctl.SelectBeam(0));
    EXPECT_TRUE(user.asked.empty());
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(2).spanLength, 5.0f);

    // The current line and lines outside the list do nothing.
    EXPECT_FALSE(ctl.SelectBeam(0));
    EXPECT_FALSE(ctl.SelectBeam(2));
    EXPECT_FALSE(ctl.SelectBeam(-1));
}

TEST_F(ControllerTest, ANewBeamDoesNotInheritAFormerBeamOfItsSlot) {
    Start();
    AddBeams(1);
    TypeBeam("TWO");
    area().SelectSectionCount(1);
    Type(Field::Breadth2, "40");
    Type(Field::Depth2, "80");
    Type(Field::Cover2, "6");
    ASSERT_TRUE(ctl.AddBeam());
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(2).sectionWidth[1], 40.0f);
    ASSERT_TRUE(ctl.DeleteBeam());
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(2).sectionWidth[1], 40.0f);  // still in the slot

    TypeBeam("ONE");
    area().SelectSectionCount(0);
    ASSERT_TRUE(ctl.AddBeam());
    const BeamRecord& b = ctl.CurrentProject().Beam(2);
    EXPECT_EQ(b.memberName, "ONE");
    EXPECT_EQ(b.sectionCount, 1);
    EXPECT_FLOAT_EQ(b.sectionWidth[1], 0.0f);
    EXPECT_FLOAT_EQ(b.sectionDepth[1], 0.0f);
}

}  // namespace
}  // namespace zel::test
