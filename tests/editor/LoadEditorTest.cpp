// The load editor: type pages with their carry-over, the list and its buttons.
#include "InputAreaFixture.h"
#include "data/BeamRecord.h"

namespace zel::test {
namespace {

class LoadEditorTest : public InputAreaTest {
  protected:
    void AddUniform(const std::string& w) {
        TypeUniform(w, "0", "6", "1");
        area.AddLoad();
    }
};

TEST_F(LoadEditorTest, AddAppendsTheBuiltLineAndEndsIdle) {
    TypeSimpleBeam();
    TypeUniform("500", "0", "6", "3.5");
    ResetFlags();
    area.AddLoad();
    EXPECT_TRUE(user.asked.empty());
    ASSERT_EQ(area.LoadLines().size(), 1u);
    EXPECT_EQ(area.LoadLines()[0], "4    500.0  3.5000 0.0000 6.0000");
    EXPECT_TRUE(area.memberModified);
    EXPECT_TRUE(area.fileModified);
    // The new line is selected, the page emptied, the editor idle again.
    EXPECT_EQ(area.SelectedLoad(), 0);
    EXPECT_EQ(area.View().loadCounter.caption, "1/1");
    EXPECT_EQ(area.Text(Field::Load0), "");
    EXPECT_EQ(area.Text(Field::Load3), "");
    EXPECT_FALSE(area.View().changeLoadButton.enabled);
    EXPECT_FALSE(area.View().deleteLoadButton.enabled);
    EXPECT_TRUE(area.View().calcSheetButton.enabled);
    EXPECT_EQ(area.HighlightedLoad(), -1);
    EXPECT_EQ(area.View().focusRequest, Field::Load0);

    // The type 1 line: P 250 at 2.5.
    area.SelectLoadType(0);
    Type(Field::Load0, "250");
    Type(Field::Load1, "2.5");
    area.AddLoad();
    EXPECT_EQ(area.LoadLines()[1], "1    250.0" + std::string(8, ' ') + " 2.5000");
    EXPECT_EQ(area.View().loadCounter.caption, "2/2");
}

TEST_F(LoadEditorTest, AddIsRefusedByTheCheckAndByTheLimit) {
    TypeSimpleBeam();
    TypeUniform("500", "3", "4", "3");
    ResetFlags();
    area.AddLoad();
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "スパン長と荷重長さデータに矛盾があります。\r\r  ( スパン長 < 荷重長さの合計 )\r\r"
              "まず、荷重長さデータを修正してください。");
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    EXPECT_TRUE(area.LoadLines().empty());
    EXPECT_FALSE(area.memberModified);
    EXPECT_EQ(area.Text(Field::Load1), "3");  // the fields stay as typed

    user.Clear();
    for (int i = 0; i < 20; ++i) AddUniform(std::to_string(100 + i));
    EXPECT_TRUE(user.asked.empty());
    ASSERT_EQ(area.LoadLines().size(), 20u);
    AddUniform("999");
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "これ以上荷重データ数を増やすことはできません。\r   (最大荷重データ数 20)");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_EQ(area.LoadLines().size(), 20u);

    // Changing one of twenty still works.
    user.Clear();
    area.SelectLoad(19);
    EXPECT_EQ(area.View().loadCounter.caption, "20/20");
    Type(Field::Load0, "777");
    user.Answer(kAnswerOk);
    area.ChangeLoad();
    EXPECT_EQ(area.LoadLines()[19], "4    777.0  1.0000 0.0000 6.0000");
}

TEST_F(LoadEditorTest, SelectFillsThePageAndSwitchesToEditing) {
    TypeSimpleBeam();
    Enter(Field::Span, "6");
    AddUniform("500");
    area.SelectLoadType(0);
    Type(Field::Load0, "250");
    Type(Field::Load1, "2.5");
    area.AddLoad();
    area.CancelClearLoad();

    area.SelectLoad(0);
    EXPECT_EQ(area.CurrentLoadType(), 4);
    EXPECT_EQ(area.Text(Field::Load0), "500");
    EXPECT_EQ(area.Text(Field::Load1), "0");
    EXPECT_EQ(area.Text(Field::Load2), "6");
    EXPECT_EQ(area.Text(Field::Load3), "1");
    EXPECT_EQ(area.View().loadCounter.caption, "1/2");
    EXPECT_EQ(area.HighlightedLoad(), 0);
    EXPECT_TRUE(area.View().changeLoadButton.enabled);
    EXPECT_TRUE(area.View().deleteLoadButton.enabled);
    EXPECT_FALSE(area.View().calcSheetButton.enabled);
    EXPECT_FALSE(area.View().changeMemberButton.enabled);
    EXPECT_FALSE(area.View().checkButton.enabled);
    EXPECT_FALSE(area.View().calcSheetMenu.enabled);
    EXPECT_FALSE(area.View().checkMenu.enabled);
    EXPECT_TRUE(area.View().editHint.enabled);
    EXPECT_EQ(area.View().editHint.caption, "[ｷｬﾝｾﾙ/ｸﾘｱｰ] で [個 別ﾁｪｯｸ] [計算書] ﾎﾞﾀﾝ再表示");

    area.SelectLoad(1);
    EXPECT_EQ(area.CurrentLoadType(), 1);
    EXPECT_EQ(area.Text(Field::Load0), "250");
    EXPECT_EQ(area.Text(Field::Load1), "2.5");
    EXPECT_FALSE(area.View().fullSpanButton.visible);

    area.CancelClearLoad();
    EXPECT_EQ(area.SelectedLoad(), -1);
    EXPECT_EQ(area.HighlightedLoad(), -1);
    EXPECT_EQ(area.Text(Field::Load0), "");
    EXPECT_FALSE(area.View().changeLoadButton.enabled);
    EXPECT_TRUE(area.View().calcSheetButton.enabled);
    EXPECT_FALSE(area.View().editHint.enabled);
}

TEST_F(LoadEditorTest, ChangeAsksUnlessSuppressed) {
    TypeSimpleBeam();
    AddUniform("500");
    area.SelectLoad(0);
    Type(Field::Load0, "600");
    ResetFlags();
    user.Answer(kAnswerCancel);
    area.ChangeLoad();
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text,
              "荷重データ No.1  を変更します。\r\r[ 4    500.0  1.0000 0.0000 6.0000 ]");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOkCancel);
    EXPECT_EQ(area.LoadLines()[0], "4    500.0  1.0000 0.0000 6.0000");
    EXPECT_FALSE(area.memberModified);

    user.Answer(kAnswerOk);
    area.ChangeLoad();
    EXPECT_EQ(area.LoadLines()[0], "4    600.0  1.0000 0.0000 6.0000");
    EXPECT_TRUE(area.memberModified);
    EXPECT_FALSE(area.View().changeLoadButton.enabled);

    area.SetMessageOption(0, true);
    area.SelectLoad(0);
    Type(Field::Load0, "700");
    user.Clear();
    area.ChangeLoad();
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(area.LoadLines()[0], "4    700.0  1.0000 0.0000 6.0000");

    // A change that fails the check is reported and changes nothing.
    area.SelectLoad(0);
    Type(Field::Load0, "");
    area.ChangeLoad();
    EXPECT_EQ(user.LastText(), "荷重データを入力してください。");
    EXPECT_EQ(area.LoadLines()[0], "4    700.0  1.0000 0.0000 6.0000");
}

TEST_F(LoadEditorTest, DeleteAsksAlwaysAndSelectsTheFollowingLine) {
    TypeSimpleBeam();
    AddUniform("100");
    AddUniform("200");
    AddUniform("300");
    area.SetMessageOption(0, true);  // deletions are asked anyway

    // Deleting the last of three selects nothing afterwards.
    area.SelectLoad(2);
    ResetFlags();
    user.Answer(kAnswerCancel);
    area.DeleteLoad();
    EXPECT_EQ(user.LastText(),
              "荷重データ (No.3) を削除します。\r\r[ 4    300.0  1.0000 0.0000 6.0000 ]");
    EXPECT_EQ(area.LoadLines().size(), 3u);
    EXPECT_FALSE(area.memberModified);
    user.Answer(kAnswerOk);
    area.DeleteLoad();
    EXPECT_EQ(area.LoadLines().size(), 2u);
    EXPECT_EQ(area.SelectedLoad(), -1);
    EXPECT_EQ(area.View().loadCounter.caption, "3/3");  // kept until the next selection
    EXPECT_TRUE(area.memberModified);

    // Deleting the first selects the new first line, with the page emptied.
    area.SelectLoad(0);
    user.Answer(kAnswerOk);
    area.DeleteLoad();
    ASSERT_EQ(area.LoadLines().size(), 1u);
    EXPECT_EQ(area.LoadLines()[0], "4    200.0  1.0000 0.0000 6.0000");
    EXPECT_EQ(area.SelectedLoad(), 0);
    EXPECT_EQ(area.View().loadCounter.caption, "1/1");
    EXPECT_EQ(area.Text(Field::Load0), "");
    EXPECT_FALSE(area.View().deleteLoadButton.enabled);
    EXPECT_TRUE(area.View().calcSheetButton.enabled);

    // The last load gone: nothing selected and the counter emptied.
    user.Answer(kAnswerOk);
    area.DeleteLoad();
    EXPECT_TRUE(area.LoadLines().empty());
    EXPECT_EQ(area.SelectedLoad(), -1);
    EXPECT_EQ(area.View().loadCounter.caption, "");
    // Without a selection there is nothing to delete and nothing is asked.
    user.Clear();
    area.DeleteLoad();
    EXPECT_TRUE(user.asked.empty());
}

TEST_F(LoadEditorTest, TypeSwitchCarriesTextsOverByPosition) {
    TypeUniform("500", "0", "6", "3");
    area.SelectLoadType(1);  // type 2
    EXPECT_EQ(area.Text(Field::Load0), "500");
    EXPECT_EQ(area.Text(Field::Load1), "0");
    EXPECT_EQ(area.Text(Field::Load2), "6");
    EXPECT_EQ(area.Text(Field::Load3), "3");
    EXPECT_EQ(area.View().loadUnit.caption, "(kg/m2)");
    EXPECT_EQ(area.View().loadPicture, "右上がり三角荷重.JPG");
    EXPECT_TRUE(area.View().fullSpanButton.visible);

    area.SelectLoadType(4);  // type 5: H of type 2 becomes L3
    EXPECT_EQ(area.Text(Field::Load0), "500");
    EXPECT_EQ(area.Text(Field::Load1), "0");
    EXPECT_EQ(area.Text(Field::Load2), "6");
    EXPECT_EQ(area.Text(Field::Load3), "3");
    EXPECT_EQ(area.Text(Field::Load4), "");
    EXPECT_EQ(area.Text(Field::Load5), "");
    EXPECT_FALSE(area.View().fullSpanButton.visible);

    area.SelectLoadType(0);  // type 1 takes load and L1
    EXPECT_EQ(area.Text(Field::Load0), "500");
    EXPECT_EQ(area.Text(Field::Load1), "0");
    EXPECT_EQ(area.View().loadUnit.caption, "(kg)");
    // Switching type is not an edit.
    EXPECT_FALSE(area.memberModified);

    // After "ｷｬﾝｾﾙ/ｸﾘｱｰ" no earlier text comes back.
    area.CancelClearLoad();
    for (const std::string& slot : area.CarryOverBuffer()) EXPECT_EQ(slot, "");
    area.SelectLoadType(3);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(area.Text(LoadField(i)), "");
}

TEST_F(LoadEditorTest, FullSpan) {
    area.SelectLoadType(3);
    area.FullSpan();
    EXPECT_EQ(user.LastText(), "スパン長を入力してください。");
    EXPECT_EQ(area.Text(Field::Load2), "");

    user.Clear();
    Type(Field::Span, "6");
    Type(Field::Load1, "1");
    area.FullSpan();  // L2 empty: no question
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(area.Text(Field::Load1), "");
    EXPECT_EQ(area.Text(Field::Load2), "6");

    Type(Field::Load1, "2");
    Type(Field::Load2, "4");
    user.Answer(kAnswerCancel);
    area.FullSpan();
    EXPECT_EQ(user.LastText(), "長さデータをスパン長に変更し、全スパン荷重にします。");
    EXPECT_EQ(user.asked.back().buttons, kButtonsOkCancel);
    EXPECT_EQ(area.Text(Field::Load1), "2");
    EXPECT_EQ(area.Text(Field::Load2), "4");
    user.Answer(kAnswerOk);
    area.FullSpan();
    EXPECT_EQ(area.Text(Field::Load1), "");
    EXPECT_EQ(area.Text(Field::Load2), "6");
    // L2 already the span: nothing to ask; the load is not added by this button.
    user.Clear();
    Type(Field::Span, "6.0");
    area.FullSpan();
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(area.Text(Field::Load2), "6.0");
    EXPECT_TRUE(area.LoadLines().empty());
}

TEST_F(LoadEditorTest, ListAndRecord) {
    TypeSimpleBeam();
    Type(Field::Span, "16");
    TypeUniform("500", "12.5", "3.5", "3");
    area.AddLoad();
    area.SelectLoadType(0);
    Type(Field::Load0, "-10");
    Type(Field::Load1, "2.5");
    area.AddLoad();
    area.SelectLoadType(4);
    const char* trapezoid[] = {"300", "1", "2", "1", "0.5", "2"};
    for (int i = 0; i < 6; ++i) Type(LoadField(i), trapezoid[i]);
    area.AddLoad();
    ASSERT_EQ(area.LoadLines().size(), 3u);
    EXPECT_EQ(area.LoadLines()[0], "4    500.0  3.0000  12.50 3.5000");

    BeamRecord beam;
    beam.loadType[5] = 6;  // slots beyond the count are left as they were
    area.LoadListToRecord(beam);
    EXPECT_EQ(beam.loadCount, 3);
    EXPECT_EQ(beam.loadType[0], 4);
    EXPECT_FLOAT_EQ(beam.loadValue[0], 0.5f);
    EXPECT_FLOAT_EQ(beam.loadHeight[0], 3.0f);
    EXPECT_FLOAT_EQ(beam.loadLengths[0][0], 12.5f);
    EXPECT_FLOAT_EQ(beam.loadLengths[0][1], 3.5f);
    EXPECT_EQ(beam.loadType[1], 1);
    EXPECT_FLOAT_EQ(beam.loadValue[1], -0.01f);
    EXPECT_FLOAT_EQ(beam.loadLengths[1][0], 2.5f);
    EXPECT_FLOAT_EQ(beam.loadHeight[1], 0.0f);
    EXPECT_EQ(beam.loadType[2], 5);
    EXPECT_FLOAT_EQ(beam.loadHeight[2], 2.0f);
    EXPECT_FLOAT_EQ(beam.loadLengths[2][3], 0.5f);
    EXPECT_EQ(beam.loadType[5], 6);

    // Back into a fresh list: the record's builder writes 12.500 where the fields gave 12.50.
    InputArea other(user);
    other.RecordToLoadList(beam);
    ASSERT_EQ(other.LoadLines().size(), 3u);
    EXPECT_EQ(other.LoadLines()[0], "4    500.0  3.0000 12.500 3.5000");
    EXPECT_EQ(other.LoadLines()[1], "1    -10.0" + std::string(8, ' ') + " 2.5000");
    EXPECT_EQ(other.LoadLines()[2], "5    300.0  2.0000 1.0000 2.0000 1.0000 0.5000");
    EXPECT_EQ(other.CurrentLoadType(), 5);  // the last load's type is in front

    // A damaged count never reads beyond the twenty slots.
    beam.loadCount = 31;
    InputArea damaged(user);
    damaged.RecordToLoadList(beam);
    EXPECT_EQ(damaged.LoadLines().size(), 20u);
    beam.loadCount = -4;
    InputArea negative(user);
    negative.RecordToLoadList(beam);
    EXPECT_TRUE(negative.LoadLines().empty());

    // The span is now 16; with 6 the first load (12.5 + 3.5) reaches beyond it.
    EXPECT_EQ(area.FindLoadBeyondSpan(), std::nullopt);
    Type(Field::Span, "6");
    EXPECT_EQ(area.FindLoadBeyondSpan(), 1);
}

}  // namespace
}  // namespace zel::test
