// The result check view shows the texts it is given, in the judgement's colour.
#include <QGroupBox>
#include <QPushButton>
#include <QtTest/QTest>

#include "DialogTestSupport.h"
#include "qt/dialogs/CheckViewDialog.h"
#include "qt/dialogs/Dialogs.h"

namespace zel {
namespace {

CheckViewTexts ThreeColumns() {
    CheckViewTexts texts;
    texts.caption = "[ 2G1 ] の断面チェック";
    texts.columns = {{"左  端", "5-D22", "3-D22", "2-D10@200", "OK", false},
                     {"中  央", "3-D22", "7-D22(2段)", "2-D10@250", "OK", false},
                     {"右  端", "9-D22(NG) ", "3-D22", "1-D10@150(*)", "設計不可(*)", true}};
    texts.failures = {"", "", "上端筋 9本 > 4本×2段"};
    texts.whyLines = {
        "左端  主筋:曲げ  ｽﾀｰﾗｯﾌﾟ:最小pw0.2%  ﾋﾟｯﾁ:最大本数  at比 0.91  付着比 0.45  せん断比 0.32  配置比 0.63",
        "中央  主筋:必要量の4/3  ｽﾀｰﾗｯﾌﾟ:最小pw0.2%  ﾋﾟｯﾁ:最大本数  at比 0.81  付着比 0.00  せん断比 0.00  配置比 0.88",
        "右端  主筋:曲げ  ｽﾀｰﾗｯﾌﾟ:せん断  ﾋﾟｯﾁ:最大本数  at比 0.97  付着比 0.71  せん断比 1.12  配置比 1.13  設計不可: 上端筋 9本 > 4本×2段"};
    return texts;
}

class CheckViewDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

TEST_F(CheckViewDialogTest, ShowsEveryTextOfEveryColumn) {
    int suggested = 0;
    qt::CheckViewDialog view(nullptr, [&] {
        ++suggested;
        return false;
    });
    const CheckViewTexts texts = ThreeColumns();
    view.ShowTexts(texts);
    test::ShowAndGrab(&view, "dialog-check");
    EXPECT_EQ(view.Frame()->title().toStdString(), texts.caption);
    for (int c = 0; c < 3; ++c) {
        const CheckColumn& col = texts.columns[c];
        const std::string expected[5] = {col.heading, col.topBars, col.bottomBars, col.stirrups,
                                         col.judgement};
        for (int row = 0; row < qt::CheckViewDialog::kRows; ++row)
            EXPECT_EQ(view.Cell(row, c)->text().toStdString(), expected[row]) << row << "," << c;
        EXPECT_EQ(view.FailureLabel(c)->text().toStdString(), texts.failures[c]);
        EXPECT_EQ(view.FailureLabel(c)->isVisible(), col.failed);
    }
    EXPECT_EQ(view.WhyLabel()->text().split(QChar('\n')).size(), 3);
    EXPECT_TRUE(view.WhyLabel()->text().startsWith(test::U(texts.whyLines[0].c_str())));
    test::ExpectWellFormed(&view);
    // A suggestion that changed nothing leaves the view open.
    ASSERT_TRUE(view.SuggestButton()->isVisible());
    view.SuggestButton()->click();
    EXPECT_EQ(suggested, 1);
    EXPECT_TRUE(view.isVisible());
}

TEST_F(CheckViewDialogTest, JudgementIsLightRedWhenFailedAndLightBlueWhenOk) {
    qt::CheckViewDialog view;
    view.ShowTexts(ThreeColumns());
    const QColor ok = view.Cell(4, 0)->palette().color(QPalette::WindowText);
    const QColor failed = view.Cell(4, 2)->palette().color(QPalette::WindowText);
    EXPECT_EQ(ok, QColor(0, 0, 255));
    EXPECT_EQ(failed, QColor(255, 0, 0));
    EXPECT_EQ(view.FailureLabel(2)->palette().color(QPalette::WindowText), failed);
    EXPECT_EQ(view.SuggestButton(), nullptr);  // no suggestion offered: no button
}

TEST_F(CheckViewDialogTest, AOneSectionBeamAfterAThreeSectionBeamShowsOneColumnOnly) {
    qt::CheckViewDialog view;
    view.ShowTexts(ThreeColumns());
    CheckViewTexts one;
    one.caption = "[ C1 ] の断面チェック";
    one.columns = {{"固定端", "4-D19", "2-D19", "2-D10@200", "OK", false}};
    view.ShowTexts(one);
    view.show();
    EXPECT_EQ(view.Cell(0, 0)->text(), test::U("固定端"));
    for (int row = 0; row < qt::CheckViewDialog::kRows; ++row)
        for (int c = 1; c < 3; ++c) {
            EXPECT_TRUE(view.Cell(row, c)->text().isEmpty());
            EXPECT_FALSE(view.Cell(row, c)->isVisible());
        }
}

TEST_F(CheckViewDialogTest, ABeamThatCannotBeCalculatedShowsWhy) {
    qt::CheckViewDialog view;
    CheckViewTexts texts;
    texts.caption = "[ X ] の断面チェック";
    texts.error = "スパン長が 0 です。";
    view.ShowTexts(texts);
    view.show();
    EXPECT_TRUE(view.ErrorLabel()->isVisible());
    EXPECT_EQ(view.ErrorLabel()->text(), test::U("スパン長が 0 です。"));
}

TEST_F(CheckViewDialogTest, OkAndEscapeClose) {
    test::OnModal([](QWidget* modal) {
        QTest::mouseClick(static_cast<qt::CheckViewDialog*>(modal)->OkButton(), Qt::LeftButton);
    });
    qt::RunCheckViewDialog(nullptr, ThreeColumns());  // returns only when closed

    test::OnModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    qt::RunCheckViewDialog(nullptr, ThreeColumns());
}

}  // namespace
}  // namespace zel
