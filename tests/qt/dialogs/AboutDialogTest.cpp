// The about box.
#include <QPushButton>
#include <QtTest/QTest>

#include "DialogTestSupport.h"
#include "qt/dialogs/AboutDialog.h"
#include "qt/dialogs/Dialogs.h"

namespace zel {
namespace {

using test::U;

class AboutDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

TEST_F(AboutDialogTest, ShowsTheProgramVersionAndPicture) {
    qt::AboutDialog box(test::ProgramBinFolder());
    test::ShowAndGrab(&box, "dialog-about");
    EXPECT_EQ(box.windowTitle(), U("KAVO-Zel /ＲＣ梁断面算定"));
    EXPECT_EQ(box.VersionLabel()->text(), U("Ver.2.0.5"));
    EXPECT_FALSE(box.Picture()->pixmap().isNull());
    const auto* label = box.findChild<QLabel*>("platformLabel");
    ASSERT_NE(label, nullptr);
    const QString platform = label->text();
    EXPECT_FALSE(platform.contains("Windows")) << platform.toStdString();
#ifdef Q_OS_LINUX
    EXPECT_TRUE(platform.startsWith("for ") && platform.contains("Linux")) << platform.toStdString();
#endif
    test::ExpectWellFormed(&box);
    QTest::mouseClick(box.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

TEST_F(AboutDialogTest, WithoutItsPictureTheBoxStillOpens) {
    qt::AboutDialog box("/nonexistent-folder");
    box.show();
    EXPECT_FALSE(box.Picture()->isVisible());
    EXPECT_EQ(box.VersionLabel()->text(), U("Ver.2.0.5"));
}

}  // namespace
}  // namespace zel
