// The print-settings dialog mirrors the project's print settings and hands its controls back.
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "DialogTestSupport.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/PrintSetup.h"

namespace zel {
namespace {

using test::U;

class PrintSetupTest : public test::DialogControllerTest {
  protected:
    void SetUp() override { Start(); }
};

TEST_F(PrintSetupTest, OpensOnTheProjectsSettings) {
    PrintSettings settings = ctl.CurrentPrintSettings();
    settings.HeadingText = "梁断面算定結果（２階）";
    settings.PageNumberMode = 1;
    settings.StartPageNumber = 5;
    settings.fontIndex = 1;
    settings.PrintFontName = "ＭＳ ゴシック";
    ctl.ApplyPrintSettings(settings);

    qt::PrintSetup dialog(ctl);
    test::ShowAndGrab(&dialog, "dialog-print-settings");
    EXPECT_EQ(dialog.headingField()->text(), U("梁断面算定結果（２階）"));
    EXPECT_TRUE(dialog.pageNumberOption(kPageNumbersOff)->isChecked());
    EXPECT_FALSE(dialog.pageNumberOption(kPageNumbersOn)->isChecked());
    EXPECT_EQ(dialog.startField()->text(), U("5"));
    EXPECT_FALSE(dialog.startField()->isEnabled());
    EXPECT_FALSE(dialog.startLabel()->isEnabled());
    EXPECT_TRUE(dialog.fontOption(1)->isChecked());
    test::ExpectWellFormed(&dialog);
}

TEST_F(PrintSetupTest, ThePageNumberOptionSwitchesTheStartNumber) {
    qt::PrintSetup dialog(ctl);
    dialog.show();
    EXPECT_TRUE(dialog.startField()->isEnabled());
    QTest::mouseClick(dialog.pageNumberOption(kPageNumbersOff), Qt::LeftButton);
    EXPECT_FALSE(dialog.startField()->isEnabled());
    EXPECT_EQ(dialog.startField()->palette().color(QPalette::Disabled, QPalette::Base),
              QColor(192, 192, 192));
    QTest::mouseClick(dialog.pageNumberOption(kPageNumbersOn), Qt::LeftButton);
    EXPECT_TRUE(dialog.startField()->isEnabled());
    EXPECT_TRUE(dialog.startLabel()->isEnabled());
}

TEST_F(PrintSetupTest, OkWithYesStoresWhatWasEntered) {
    qt::PrintSetup dialog(ctl);
    dialog.show();
    dialog.headingField()->selectAll();
    test::TypeText(dialog.headingField(), U("  二階梁  "));
    dialog.startField()->selectAll();
    test::TypeText(dialog.startField(), U("3"));
    QTest::mouseClick(dialog.fontOption(1), Qt::LeftButton);
    QTest::mouseClick(dialog.pageNumberOption(kPageNumbersOff), Qt::LeftButton);

    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_EQ(ui.messages.asked.size(), 1u);
    EXPECT_EQ(ui.messages.asked[0].text, kPrintSettingsQuestion);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const PrintSettings s = ctl.CurrentPrintSettings();
    EXPECT_EQ(s.HeadingText, "二階梁");
    EXPECT_EQ(s.StartPageNumber, 3);
    EXPECT_EQ(s.PageNumberMode, 1);
    EXPECT_EQ(s.fontIndex, 1);
}

TEST_F(PrintSetupTest, NoKeepsTheDialogOpenAndCancelChangesNothing) {
    const PrintSettings before = ctl.CurrentPrintSettings();
    qt::PrintSetup dialog(ctl);
    dialog.show();
    QTest::mouseClick(dialog.fontOption(1), Qt::LeftButton);
    ui.messages.Answer(kAnswerNo);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.fontOption(1)->isChecked());
    EXPECT_EQ(ctl.CurrentPrintSettings(), before);

    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ctl.CurrentPrintSettings(), before);
}

TEST_F(PrintSetupTest, TabFollowsTheForm) {
    qt::PrintSetup dialog(ctl);
    dialog.show();
    const std::vector<QString> expected{
        U("ＭＳ 明朝"), U("ＭＳ ゴシック"), U("計算書の見出し (最大 全角30文字)"),
        U("付ける"),    U("付けない"),      U("開始ページ No."),
        U("OK"),        U("ｷｬﾝｾﾙ")};
    EXPECT_EQ(test::TabOrder(&dialog), expected);
}

}  // namespace
}  // namespace zel
