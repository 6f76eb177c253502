// Focus entry, Escape, typing and the checks made when a member or load field is left.
#include "InputAreaFixture.h"

namespace zel::test {
namespace {

TEST_F(InputAreaTest, SpanLeaveRules) {
    EXPECT_FALSE(Enter(Field::Span, "0").accepted);
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "スパン長の数値に誤りがあります。");
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_EQ(user.asked[0].title, "確認ﾒｯｾｰｼﾞ");
    // The rejected text stays and is selected whole so that typing replaces it.
    EXPECT_EQ(area.Text(Field::Span), "0");
    EXPECT_EQ(area.View().selection.field, Field::Span);
    EXPECT_EQ(area.View().selection.start, 0);
    EXPECT_EQ(area.View().selection.length, 1);

    user.Clear();
    EXPECT_TRUE(Enter(Field::Span, "").accepted);
    EXPECT_TRUE(Enter(Field::Span, "50").accepted);
    EXPECT_TRUE(user.asked.empty());

    EXPECT_FALSE(Enter(Field::Span, "50.01").accepted);
    EXPECT_EQ(user.LastText(), "スパン長が最大値を超えています。 (Max: 50m)");
    EXPECT_FALSE(Enter(Field::Span, "-1").accepted);
    EXPECT_EQ(user.LastText(), "スパン長の数値に誤りがあります。");
    // A text without a number reads as zero and is refused like "0".
    EXPECT_FALSE(Enter(Field::Span, "abc").accepted);
    EXPECT_EQ(user.asked.size(), 3u);
}

TEST_F(InputAreaTest, SectionLeaveRules) {
    const char* sizeError = "断面サイズの数値に誤りがあります。";
    EXPECT_TRUE(Enter(Field::Breadth1, "12abc").accepted);
    EXPECT_TRUE(user.asked.empty());
    EXPECT_FALSE(Enter(Field::Breadth1, "abc").accepted);
    EXPECT_EQ(user.LastText(), sizeError);

    user.Clear();
    EXPECT_TRUE(Enter(Field::Depth1, "0").accepted);
    EXPECT_TRUE(Enter(Field::Depth2, "0").accepted);
    EXPECT_TRUE(user.asked.empty());
    EXPECT_FALSE(Enter(Field::Depth3, "0").accepted);
    EXPECT_EQ(user.LastText(), sizeError);
    EXPECT_FALSE(Enter(Field::Depth1, "-1").accepted);
    EXPECT_FALSE(Enter(Field::Cover2, "0").accepted);
    EXPECT_FALSE(Enter(Field::Breadth3, "-0.5").accepted);
    EXPECT_EQ(user.asked.size(), 4u);
    // Empty sections pass on leaving; the whole-input check judges them.
    EXPECT_TRUE(Enter(Field::Cover3, "").accepted);
}

TEST_F(InputAreaTest, MaterialAndStirrupLeaveRules) {
    EXPECT_TRUE(Enter(Field::Fc, "0").accepted);
    EXPECT_FALSE(Enter(Field::Fc, "-1").accepted);
    EXPECT_EQ(user.LastText(), "設計基準強度の数値に誤りがあります。");
    EXPECT_FALSE(Enter(Field::CompressionRatio, "0").accepted);
    EXPECT_EQ(user.LastText(), "複筋比の数値に誤りがあります。");
    // The layers field reuses the ratio's message.
    EXPECT_FALSE(Enter(Field::BarLayers, "0").accepted);
    EXPECT_EQ(user.LastText(), "複筋比の数値に誤りがあります。");
    EXPECT_FALSE(Enter(Field::StirrupLegs, "0").accepted);
    EXPECT_EQ(user.LastText(), "スターラップ本数の数値に誤りがあります。");
    EXPECT_FALSE(Enter(Field::StirrupPitch, "-5").accepted);
    EXPECT_EQ(user.LastText(), "スターラップピッチの数値に誤りがあります。");
    EXPECT_EQ(user.asked.size(), 5u);
    EXPECT_TRUE(Enter(Field::MemberName, "   ").accepted);
    EXPECT_EQ(user.asked.size(), 5u);
}

TEST_F(InputAreaTest, MomentPositionComparesWithTheSpanField) {
    Type(Field::Span, "6");
    EXPECT_TRUE(Enter(Field::MomentPosition, "").accepted);
    EXPECT_TRUE(Enter(Field::MomentPosition, "6").accepted);
    EXPECT_TRUE(user.asked.empty());
    EXPECT_FALSE(Enter(Field::MomentPosition, "7").accepted);
    EXPECT_EQ(user.LastText(), "曲げモーメント算定位置がスパン長を超えています。");
    EXPECT_FALSE(Enter(Field::MomentPosition, "-1").accepted);
    EXPECT_EQ(user.LastText(), "曲げモーメント算定位置に誤りがあります。");
    // Before a span is entered every positive position exceeds it.
    Type(Field::Span, "");
    EXPECT_FALSE(Enter(Field::MomentPosition, "1").accepted);
    EXPECT_EQ(user.LastText(), "曲げモーメント算定位置がスパン長を超えています。");
}

TEST_F(InputAreaTest, RejectionIsSilentWhenFocusCannotReturn) {
    const LeaveResult result = Enter(Field::Span, "0", /*returnFocusFailed=*/true);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.message, "スパン長の数値に誤りがあります。");
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(area.Text(Field::Span), "0");
}

TEST_F(InputAreaTest, LoadFieldLeaveRules) {
    area.SelectLoadType(0);
    EXPECT_TRUE(Enter(Field::Load0, "-500").accepted);  // the load itself is never checked
    EXPECT_FALSE(Enter(Field::Load1, "-1").accepted);
    EXPECT_EQ(user.LastText(), "荷重長さの数値に誤りがあります。");
    area.SelectLoadType(3);
    EXPECT_TRUE(Enter(Field::Load2, "0").accepted);
    EXPECT_TRUE(Enter(Field::Load3, "").accepted);
    EXPECT_FALSE(Enter(Field::Load3, "-0.1").accepted);
    EXPECT_EQ(user.LastText(), "荷重長さ(高さ)の数値に誤りがあります。");
    EXPECT_EQ(user.asked.size(), 2u);
}

TEST_F(InputAreaTest, FocusEntryTrimsRemembersAndPlacesTheCaret) {
    Type(Field::Span, "  12 ");
    area.FocusEnter(Field::Span);
    EXPECT_EQ(area.Text(Field::Span), "12");
    EXPECT_EQ(area.FocusText(), "12");
    EXPECT_EQ(area.View().selection.start, 2);
    EXPECT_EQ(area.View().selection.length, 0);

    Type(Field::MemberName, "　G1 ");  // a full-width blank in front
    area.FocusEnter(Field::MemberName);
    EXPECT_EQ(area.Text(Field::MemberName), "G1");
    EXPECT_EQ(area.View().selection.start, 0);  // the name is typed from its start

    // Escape brings back the trimmed text the field had on entry and selects it.
    area.FocusEnter(Field::Span);
    Type(Field::Span, "999");
    area.KeyDown(Field::Span, 13);  // other keys are the toolkit's
    EXPECT_EQ(area.Text(Field::Span), "999");
    area.KeyEscape(Field::Span);
    EXPECT_EQ(area.Text(Field::Span), "12");
    EXPECT_EQ(area.View().selection.start, 0);
    EXPECT_EQ(area.View().selection.length, 2);
}

TEST_F(InputAreaTest, TypingCountsAsAnEditOnlyOutsideFilling) {
    EXPECT_FALSE(area.memberModified);
    EXPECT_FALSE(area.fileModified);
    area.fillingForm = true;
    Type(Field::Span, "6");
    Type(Field::MemberName, "G1");
    EXPECT_FALSE(area.memberModified);
    EXPECT_FALSE(area.fileModified);
    area.fillingForm = false;

    // Load fields are not edits until the load is added.
    Type(Field::Load0, "500");
    EXPECT_FALSE(area.memberModified);

    Type(Field::Cover1, "5");
    EXPECT_TRUE(area.memberModified);
    EXPECT_TRUE(area.fileModified);

    // Entering a field whose text needs no trimming is not an edit.
    ResetFlags();
    area.FocusEnter(Field::Cover1);
    EXPECT_FALSE(area.memberModified);
}

TEST_F(InputAreaTest, TypingIsCutToTheFieldLength) {
    Type(Field::Span, "1234567");
    EXPECT_EQ(area.Text(Field::Span), "123456");
    Type(Field::MemberName, "ABCDEFGHIJKLMNOPQRSTU");
    EXPECT_EQ(area.Text(Field::MemberName), "ABCDEFGHIJKLMNOPQR");
    Type(Field::Fc, "2100");
    EXPECT_EQ(area.Text(Field::Fc), "210");
    Type(Field::BarLayers, "23");
    EXPECT_EQ(area.Text(Field::BarLayers), "2");
    Type(Field::MemberName, "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ");  // counted in characters, not bytes
    EXPECT_EQ(area.Text(Field::MemberName), "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂ");
    area.SelectLoadType(3);
    Type(Field::Load0, "123456789");
    EXPECT_EQ(area.Text(Field::Load0), "1234567");
}

TEST_F(InputAreaTest, CopyButtonsCopyColumnsAndCountAsEdits) {
    area.SelectSectionCount(2);
    Type(Field::Breadth1, "30");
    Type(Field::Depth1, "60");
    Type(Field::Cover1, "5");
    ResetFlags();
    area.CopySection(0);
    EXPECT_EQ(area.Text(Field::Breadth2), "30");
    EXPECT_EQ(area.Text(Field::Depth2), "60");
    EXPECT_EQ(area.Text(Field::Cover2), "5");
    EXPECT_TRUE(area.memberModified);
    EXPECT_EQ(area.Text(Field::Breadth3), "");
    area.CopySection(1);
    EXPECT_EQ(area.Text(Field::Depth3), "60");
    // Copying what is already there changes nothing and so counts nothing.
    ResetFlags();
    area.CopySection(1);
    EXPECT_FALSE(area.memberModified);
}

TEST_F(InputAreaTest, AcceptedSpanRedrawsTheDiagram) {
    EXPECT_FALSE(area.Diagram().has_value());
    Enter(Field::Span, "5.94");
    ASSERT_TRUE(area.Diagram().has_value());
    EXPECT_NEAR(area.Diagram()->unit, 0.2, 1e-6);
    // A rejected span or an empty one leaves the last drawing.
    Enter(Field::Span, "0");
    Enter(Field::Span, "");
    ASSERT_TRUE(area.Diagram().has_value());
    EXPECT_NEAR(area.Diagram()->span, 5.94, 1e-9);
}

}  // namespace
}  // namespace zel::test
