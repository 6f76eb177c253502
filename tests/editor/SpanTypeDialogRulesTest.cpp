// The approximate-method dialog and the span-type caption it leaves behind.
#include "InputAreaFixture.h"
#include "editor/SpanTypeDialogRules.h"

namespace zel::test {
namespace {

TEST_F(InputAreaTest, SpanTypeDialogOkAndCancel) {
    EXPECT_EQ(area.View().spanTypeCaption.caption, "単スパン");
    {
        SpanTypeDialogRules dialog(area);
        EXPECT_EQ(dialog.SelectedType(), 0);
        EXPECT_EQ(dialog.PictureFile(), "ﾓｰﾒﾝﾄ図-1.BMP");
        EXPECT_FALSE(dialog.CoefficientsVisible());
        EXPECT_EQ(dialog.CoefficientTexts(), (std::array<std::string, 3>{"1", "0", "1"}));
        dialog.ClickOption(3);
        EXPECT_EQ(dialog.PictureFile(), "ﾓｰﾒﾝﾄ図-32.BMP");
        dialog.Ok(area);
    }
    EXPECT_EQ(area.SpanType(), 3);
    EXPECT_EQ(area.UserCoefficients(), (std::array<float, 3>{1.0f, 0.0f, 1.0f}));
    EXPECT_EQ(area.View().spanTypeCaption.caption, "多スパン(内)");
    EXPECT_TRUE(area.memberModified);
    EXPECT_TRUE(area.fileModified);

    // Cancel: the dialog is dropped and nothing changes.
    ResetFlags();
    {
        SpanTypeDialogRules dialog(area);
        EXPECT_EQ(dialog.PictureFile(), "ﾓｰﾒﾝﾄ図-32.BMP");  // reopened on the stored type
        dialog.ClickOption(5);
    }
    EXPECT_EQ(area.SpanType(), 3);
    EXPECT_FALSE(area.memberModified);
}

TEST_F(InputAreaTest, UserCoefficientsWithEmptiedFields) {
    SpanTypeDialogRules dialog(area);
    dialog.ClickOption(kUserSpanType);
    EXPECT_TRUE(dialog.CoefficientsVisible());
    EXPECT_EQ(dialog.PictureFile(), "ﾓｰﾒﾝﾄ図-U.BMP");
    dialog.SetCoefficientText(0, "0.6");
    dialog.SetCoefficientText(1, "0.8");
    dialog.SetCoefficientText(2, "0.7");
    dialog.Ok(area);
    EXPECT_EQ(area.SpanType(), 4);
    EXPECT_EQ(area.UserCoefficients(), (std::array<float, 3>{0.6f, 0.8f, 0.7f}));
    EXPECT_EQ(area.View().spanTypeCaption.caption, "ﾕｰｻﾞｰ指定");

    // An emptied centre field stores 0; an emptied end field keeps its old value.
    SpanTypeDialogRules again(area);
    EXPECT_EQ(again.CoefficientTexts(), (std::array<std::string, 3>{"0.6", "0.8", "0.7"}));
    again.SetCoefficientText(0, "");
    again.SetCoefficientText(1, " ");
    again.SetCoefficientText(2, "0.5");
    again.Ok(area);
    EXPECT_EQ(area.UserCoefficients(), (std::array<float, 3>{0.6f, 0.0f, 0.5f}));

    // Clicking another type refills the fields from the working coefficients.
    SpanTypeDialogRules third(area);
    third.SetCoefficientText(2, "9");
    third.ClickOption(1);
    EXPECT_EQ(third.CoefficientTexts()[2], "0.5");
    EXPECT_FALSE(third.CoefficientsVisible());
    EXPECT_EQ(std::string(SpanTypeDialogRules::OptionCaption(6)), "多ｽﾊﾟﾝ(右外側)");

    // While the program fills the area the choice is not an edit.
    ResetFlags();
    area.fillingForm = true;
    third.Ok(area);
    EXPECT_FALSE(area.memberModified);
    EXPECT_EQ(area.View().spanTypeCaption.caption, "２ｽﾊﾟﾝ(左)");
}

}  // namespace
}  // namespace zel::test
