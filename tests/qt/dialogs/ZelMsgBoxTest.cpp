// The three-answer question: its buttons give their answers, any other way out gives "ｷｬﾝｾﾙ".
#include <QKeyEvent>
#include <QPushButton>
#include <QtTest/QTest>

#include "DialogTestSupport.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/ZelMsgBox.h"

namespace zel {
namespace {

class ZelMsgBoxTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    const std::string text = ConfirmTextFor("2G1", 3);
};

TEST_F(ZelMsgBoxTest, ShowsTheTextAndTheButtonsFromLeftToRight) {
    qt::ZelMsgBox box(text);
    test::ShowAndGrab(&box, "dialog-confirm");
    EXPECT_EQ(box.windowTitle(), test::U("確認ﾒｯｾｰｼﾞ"));
    const auto* message = box.findChild<QLabel*>(QStringLiteral("confirmText"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text().toStdString(), text);
    EXPECT_EQ(box.button(kConfirmChange)->text(), test::U("変更して算定"));
    EXPECT_EQ(box.button(kConfirmAdd)->text(), test::U("追加して算定"));
    EXPECT_EQ(box.button(kConfirmCancel)->text(), test::U("ｷｬﾝｾﾙ"));
    EXPECT_LT(box.button(kConfirmChange)->x(), box.button(kConfirmAdd)->x());
    EXPECT_LT(box.button(kConfirmAdd)->x(), box.button(kConfirmCancel)->x());
    EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
    test::ExpectWellFormed(&box);
}

TEST_F(ZelMsgBoxTest, EachButtonClosesWithItsAnswer) {
    for (int code : {kConfirmCancel, kConfirmChange, kConfirmAdd}) {
        qt::ZelMsgBox box(text);
        box.show();
        QTest::mouseClick(box.button(code), Qt::LeftButton);
        EXPECT_EQ(box.answer(), code);
        EXPECT_FALSE(box.isVisible());
    }
}

TEST_F(ZelMsgBoxTest, ClosingTheWindowOrEscapeAnswersCancel) {
    {
        qt::ZelMsgBox box(text);
        box.show();
        box.close();
        EXPECT_EQ(box.answer(), kConfirmCancel);
        EXPECT_FALSE(box.isVisible());
    }
    {
        qt::ZelMsgBox box(text);
        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_EQ(box.answer(), kConfirmCancel);
        EXPECT_FALSE(box.isVisible());
    }
}

TEST_F(ZelMsgBoxTest, ShowConfirmDialogReturnsTheAnswerOfTheModalDialog) {
    test::OnModal([](QWidget* modal) {
        auto* box = qobject_cast<qt::ZelMsgBox*>(modal);
        ASSERT_NE(box, nullptr);
        box->button(kConfirmAdd)->click();
    });
    EXPECT_EQ(qt::ShowConfirmDialog(nullptr, text), kConfirmAdd);

    test::OnModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(qt::ShowConfirmDialog(nullptr, text), kConfirmCancel);
}

}  // namespace
}  // namespace zel
