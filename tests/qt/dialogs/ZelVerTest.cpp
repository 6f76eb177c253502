// The about box and the help manual.
#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>
#include <QtTest/QTest>

#include "../../editor/ScriptedPrompter.h"
#include "DialogTestSupport.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/ZelVer.h"

namespace zel {
namespace {

using test::U;

// Stands in for the desktop's viewer.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    std::vector<QUrl> opened;
  public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

class ZelVerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

TEST_F(ZelVerTest, ShowsTheProgramVersionAndPicture) {
    qt::ZelVer box(test::ProgramBinFolder());
    test::ShowAndGrab(&box, "dialog-about");
    EXPECT_EQ(box.windowTitle(), U("KAVO-Zel /ＲＣ梁断面算定"));
    EXPECT_EQ(box.versionLabel()->text(), U("Ver.2.0.5"));
    EXPECT_FALSE(box.picture()->pixmap().isNull());
    test::ExpectWellFormed(&box);
    QTest::mouseClick(box.okButton(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

TEST_F(ZelVerTest, WithoutItsPictureTheBoxStillOpens) {
    qt::ZelVer box("/nonexistent-folder");
    box.show();
    EXPECT_FALSE(box.picture()->isVisible());
    EXPECT_EQ(box.versionLabel()->text(), U("Ver.2.0.5"));
}

TEST_F(ZelVerTest, AMissingManualNamesItsPath) {
    test::ScriptedPrompter prompter;
    const std::string folder = "/nonexistent-folder";
    EXPECT_FALSE(qt::OpenHelpManual(nullptr, prompter, folder));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, folder + "/help/index.html が見つかりません。");
    EXPECT_EQ(prompter.asked[0].title, kMessageTitleWide);
    EXPECT_EQ(prompter.asked[0].buttons, kButtonsOk);
}

TEST_F(ZelVerTest, TheManualBesideTheProgramGoesToTheDesktopViewer) {
    UrlCatcher viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "Open");
    test::ScriptedPrompter prompter;
    const bool opened = qt::OpenHelpManual(nullptr, prompter, test::ProgramBinFolder());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(prompter.asked.empty());
    ASSERT_EQ(viewer.opened.size(), 1u);
    EXPECT_EQ(viewer.opened[0].toLocalFile().toStdString(),
              qt::HelpManualPath(test::ProgramBinFolder()));
}

}  // namespace
}  // namespace zel

#include "ZelVerTest.moc"
