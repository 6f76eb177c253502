// Focus entry, Escape, typing and the checks made when a member or load field is left.
#include "InputAreaFixture.h"

namespace zel::test {
namespace {

TEST_F(InputAreaTest, ARefusalIsShownAndTheTextSelected) {
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
}

// Names the cases of a table by their place in it.
constexpr auto kCaseName = [](const auto& info) { return "case" + std::to_string(info.index); };

struct LeaveCase {
    Field field;
    const char* text;
    const char* refusal;  // "" when the text may leave
    int loadTypeOption = 3;
    const char* span = "6";  // the span field's text
};
void PrintTo(const LeaveCase& c, std::ostream* out) {
    *out << "field " << FieldIndex(c.field) << " \"" << c.text << "\"";
}

class LeaveRules : public InputAreaTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveRules, RefuseWithTheFieldsMessage) {
    const LeaveCase& c = GetParam();
    area.SelectLoadType(c.loadTypeOption);
    Type(Field::Span, c.span);
    const LeaveResult result = Enter(c.field, c.text);
    EXPECT_EQ(result.accepted, *c.refusal == '\0');
    EXPECT_EQ(result.message, c.refusal);
    EXPECT_EQ(user.asked.size(), result.accepted ? 0u : 1u);
    if (!result.accepted) {
        EXPECT_EQ(user.LastText(), c.refusal);
    }
}

const char* const kSpanError = "スパン長の数値に誤りがあります。";
const char* const kSizeError = "断面サイズの数値に誤りがあります。";
const char* const kRatioError = "複筋比の数値に誤りがあります。";
const char* const kBeyondSpan = "曲げモーメント算定位置がスパン長を超えています。";

INSTANTIATE_TEST_SUITE_P(
    Span, LeaveRules,
    ::testing::Values(LeaveCase{Field::Span, "0", kSpanError}, LeaveCase{Field::Span, "", ""},
                      LeaveCase{Field::Span, "50", ""},
                      LeaveCase{Field::Span, "50.01",
                                "スパン長が最大値を超えています。 (Max: 50m)"},
                      LeaveCase{Field::Span, "-1", kSpanError},
                      // A text without a number reads as zero and is refused like "0".
                      LeaveCase{Field::Span, "abc", kSpanError}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(
    Sections, LeaveRules,
    ::testing::Values(
        LeaveCase{Field::Breadth1, "12abc", ""}, LeaveCase{Field::Breadth1, "abc", kSizeError},
        LeaveCase{Field::Depth1, "0", ""}, LeaveCase{Field::Depth2, "0", ""},
        LeaveCase{Field::Depth3, "0", kSizeError}, LeaveCase{Field::Depth1, "-1", kSizeError},
        LeaveCase{Field::Cover2, "0", kSizeError}, LeaveCase{Field::Breadth3, "-0.5", kSizeError},
        // Empty sections pass on leaving; the whole-input check judges them.
        LeaveCase{Field::Cover3, "", ""}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(MaterialAndStirrups, LeaveRules,
                         ::testing::Values(LeaveCase{Field::Fc, "0", ""},
                                           LeaveCase{Field::Fc, "-1",
                                                     "設計基準強度の数値に誤りがあります。"},
                                           LeaveCase{Field::CompressionRatio, "0", kRatioError},
                                           // The layers field reuses the ratio's message.
                                           LeaveCase{Field::BarLayers, "0", kRatioError},
                                           LeaveCase{Field::StirrupLegs, "0",
                                                     "スターラップ本数の数値に誤りがあります。"},
                                           LeaveCase{Field::StirrupPitch, "-5",
                                                     "スターラップピッチの数値に誤りがあります。"},
                                           LeaveCase{Field::MemberName, "   ", ""}),
                         kCaseName);

INSTANTIATE_TEST_SUITE_P(
    MomentPosition, LeaveRules,
    ::testing::Values(LeaveCase{Field::MomentPosition, "", ""},
                      LeaveCase{Field::MomentPosition, "6", ""},
                      LeaveCase{Field::MomentPosition, "7", kBeyondSpan},
                      LeaveCase{Field::MomentPosition, "-1",
                                "曲げモーメント算定位置に誤りがあります。"},
                      // Before a span is entered every positive position exceeds it.
                      LeaveCase{Field::MomentPosition, "1", kBeyondSpan, 3, ""}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Loads, LeaveRules,
                         ::testing::Values(
                             // The load itself is never checked.
                             LeaveCase{Field::Load0, "-500", "", 0},
                             LeaveCase{Field::Load1, "-1", "荷重長さの数値に誤りがあります。", 0},
                             LeaveCase{Field::Load2, "0", ""}, LeaveCase{Field::Load3, "", ""},
                             LeaveCase{Field::Load3, "-0.1",
                                       "荷重長さ(高さ)の数値に誤りがあります。"}),
                         kCaseName);

TEST_F(InputAreaTest, RejectionIsSilentWhenFocusCannotReturn) {
    const LeaveResult result = Enter(Field::Span, "0", /*returnFocusFailed=*/true);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.message, "スパン長の数値に誤りがあります。");
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(area.Text(Field::Span), "0");
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

struct CutCase {
    Field field;
    const char* typed;
    const char* kept;
    int loadTypeOption = 3;
};
void PrintTo(const CutCase& c, std::ostream* out) {
    *out << "field " << FieldIndex(c.field) << " \"" << c.typed << "\"";
}

class TypingIsCut : public InputAreaTest, public ::testing::WithParamInterface<CutCase> {};

TEST_P(TypingIsCut, ToTheFieldLength) {
    area.SelectLoadType(GetParam().loadTypeOption);
    Type(GetParam().field, GetParam().typed);
    EXPECT_EQ(area.Text(GetParam().field), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypingIsCut,
    ::testing::Values(CutCase{Field::Span, "1234567", "123456"},
                      CutCase{Field::MemberName, "ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOPQR"},
                      CutCase{Field::Fc, "2100", "210"}, CutCase{Field::BarLayers, "23", "2"},
                      // Counted in characters, not bytes.
                      CutCase{Field::MemberName, "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ", "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂ"},
                      CutCase{Field::Load0, "123456789", "1234567"}),
    kCaseName);

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
