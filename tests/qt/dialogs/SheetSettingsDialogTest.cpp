// The print-settings dialog mirrors the project's print settings and hands its controls back.
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "DialogTestSupport.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/SheetOptionsBox.h"
#include "qt/dialogs/SheetSettingsDialog.h"

namespace zel {
namespace {

using test::U;

class SheetSettingsDialogTest : public test::DialogControllerTest {
  protected:
    void SetUp() override { Start(); }
};

TEST_F(SheetSettingsDialogTest, OpensOnTheProjectsSettings) {
    PrintSettings settings = ctl.CurrentPrintSettings();
    settings.HeadingText = "梁断面算定結果（２階）";
    settings.PageNumberMode = 1;
    settings.StartPageNumber = 5;
    settings.fontIndex = 1;
    settings.PrintFontName = "ＭＳ ゴシック";
    ctl.ApplyPrintSettings(settings);

    qt::SheetSettingsDialog dialog(ctl);
    test::ShowAndGrab(&dialog, "dialog-print-settings");
    EXPECT_EQ(dialog.SheetOptions()->HeadingField()->text(), U("梁断面算定結果（２階）"));
    EXPECT_TRUE(dialog.SheetOptions()->PageNumberOption(kPageNumbersOff)->isChecked());
    EXPECT_FALSE(dialog.SheetOptions()->PageNumberOption(kPageNumbersOn)->isChecked());
    EXPECT_EQ(dialog.SheetOptions()->StartField()->text(), U("5"));
    EXPECT_FALSE(dialog.SheetOptions()->StartField()->isEnabled());
    EXPECT_FALSE(dialog.SheetOptions()->StartLabel()->isEnabled());
    EXPECT_TRUE(dialog.SheetOptions()->FontOption(1)->isChecked());
    test::ExpectWellFormed(&dialog);
}

TEST_F(SheetSettingsDialogTest, OkWithYesStoresWhatWasEntered) {
    qt::SheetSettingsDialog dialog(ctl);
    dialog.show();
    dialog.SheetOptions()->HeadingField()->selectAll();
    test::TypeText(dialog.SheetOptions()->HeadingField(), U("  二階梁  "));
    dialog.SheetOptions()->StartField()->selectAll();
    test::TypeText(dialog.SheetOptions()->StartField(), U("3"));
    QTest::mouseClick(dialog.SheetOptions()->FontOption(1), Qt::LeftButton);
    QTest::mouseClick(dialog.SheetOptions()->PageNumberOption(kPageNumbersOff), Qt::LeftButton);

    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, kSheetSettingsQuestion);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const PrintSettings s = ctl.CurrentPrintSettings();
    EXPECT_EQ(s.HeadingText, "二階梁");
    EXPECT_EQ(s.StartPageNumber, 3);
    EXPECT_EQ(s.PageNumberMode, 1);
    EXPECT_EQ(s.fontIndex, 1);
}

TEST_F(SheetSettingsDialogTest, NoKeepsTheDialogOpenAndCancelChangesNothing) {
    const PrintSettings before = ctl.CurrentPrintSettings();
    qt::SheetSettingsDialog dialog(ctl);
    dialog.show();
    QTest::mouseClick(dialog.SheetOptions()->FontOption(1), Qt::LeftButton);
    user.Answer(kAnswerNo);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.SheetOptions()->FontOption(1)->isChecked());
    EXPECT_EQ(ctl.CurrentPrintSettings(), before);

    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ctl.CurrentPrintSettings(), before);
}

TEST_F(SheetSettingsDialogTest, TabFollowsTheForm) {
    qt::SheetSettingsDialog dialog(ctl);
    dialog.show();
    const std::vector<QString> expected{
        U("ＭＳ 明朝"), U("ＭＳ ゴシック"), U("計算書の見出し (最大 全角30文字)"),
        U("付ける"),    U("付けない"),      U("開始ページ No."),
        U("OK"),        U("ｷｬﾝｾﾙ")};
    EXPECT_EQ(test::TabOrder(&dialog), expected);
}

}  // namespace
}  // namespace zel
