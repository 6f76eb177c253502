// The help manual: a missing one is named, a present one goes to the desktop's viewer.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QUrl>

#include "../../editor/ScriptedPrompter.h"
#include "../dialogs/DialogTestSupport.h"
#include "qt/common/HelpManual.h"

namespace zel {
namespace {

// Stands in for the desktop's viewer.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    std::vector<QUrl> opened;
  public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

class HelpManualTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

TEST_F(HelpManualTest, AMissingManualNamesItsPath) {
    test::ScriptedPrompter prompter;
    const std::string folder = "/nonexistent-folder";
    EXPECT_FALSE(qt::OpenHelpManual(prompter, folder));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, folder + "/help/index.html が見つかりません。");
    EXPECT_EQ(prompter.asked[0].title, kMessageTitleWide);
    EXPECT_EQ(prompter.asked[0].buttons, kButtonsOk);
}

TEST_F(HelpManualTest, TheManualBesideTheProgramGoesToTheDesktopViewer) {
    UrlCatcher viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "Open");
    test::ScriptedPrompter prompter;
    const bool opened = qt::OpenHelpManual(prompter, test::ProgramBinFolder());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(prompter.asked.empty());
    ASSERT_EQ(viewer.opened.size(), 1u);
    EXPECT_EQ(viewer.opened[0].toLocalFile().toStdString(),
              qt::HelpManualPath(test::ProgramBinFolder()));
}

}  // namespace
}  // namespace zel

#include "HelpManualTest.moc"
