// The three-answer question: its buttons give their answers, any other way out gives "ｷｬﾝｾﾙ".
#include <QKeyEvent>
#include <QPushButton>
#include <QtTest/QTest>

#include "DialogTestSupport.h"
#include "qt/dialogs/ConfirmDialog.h"
#include "qt/dialogs/Dialogs.h"

namespace zel {
namespace {

class ConfirmDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    const std::string text = ConfirmTextFor("2G1", 3);
};

TEST_F(ConfirmDialogTest, ShowsTheTextAndTheButtonsFromLeftToRight) {
    qt::ConfirmDialog box(text);
    test::ShowAndGrab(&box, "dialog-confirm");
    EXPECT_EQ(box.windowTitle(), test::U("確認ﾒｯｾｰｼﾞ"));
    const auto* message = box.findChild<QLabel*>(QStringLiteral("confirmText"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text().toStdString(), text);
    EXPECT_EQ(box.Button(kConfirmChange)->text(), test::U("変更して算定"));
    EXPECT_EQ(box.Button(kConfirmAdd)->text(), test::U("追加して算定"));
    EXPECT_EQ(box.Button(kConfirmCancel)->text(), test::U("ｷｬﾝｾﾙ"));
    EXPECT_LT(box.Button(kConfirmChange)->x(), box.Button(kConfirmAdd)->x());
    EXPECT_LT(box.Button(kConfirmAdd)->x(), box.Button(kConfirmCancel)->x());
    EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
    test::ExpectWellFormed(&box);
}

TEST_F(ConfirmDialogTest, EachButtonClosesWithItsAnswer) {
    for (int code : {kConfirmCancel, kConfirmChange, kConfirmAdd}) {
        qt::ConfirmDialog box(text);
        box.show();
        QTest::mouseClick(box.Button(code), Qt::LeftButton);
        EXPECT_EQ(box.Answer(), code);
        EXPECT_FALSE(box.isVisible());
    }
}

TEST_F(ConfirmDialogTest, ClosingTheWindowOrEscapeAnswersCancel) {
    {
        qt::ConfirmDialog box(text);
        box.show();
        box.close();
        EXPECT_EQ(box.Answer(), kConfirmCancel);
        EXPECT_FALSE(box.isVisible());
    }
    {
        qt::ConfirmDialog box(text);
        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_EQ(box.Answer(), kConfirmCancel);
        EXPECT_FALSE(box.isVisible());
    }
}

TEST_F(ConfirmDialogTest, ShowConfirmDialogReturnsTheAnswerOfTheModalDialog) {
    test::OnModal([](QWidget* modal) {
        auto* box = qobject_cast<qt::ConfirmDialog*>(modal);
        ASSERT_NE(box, nullptr);
        box->Button(kConfirmAdd)->click();
    });
    EXPECT_EQ(qt::RunConfirmDialog(nullptr, text), kConfirmAdd);

    test::OnModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(qt::RunConfirmDialog(nullptr, text), kConfirmCancel);
}

}  // namespace
}  // namespace zel
