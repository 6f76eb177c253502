// The one Qt user of the program: message boxes keep their title, text and button set, Enter
// answers the first button and Esc the last; a file goes to the desktop's viewer.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <vector>

#include "qt/common/QtPrompter.h"
#include "support/QtTestSupport.h"

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

struct MessageCase {
    const char* name;
    int buttons;
    int buttonCount;
    int first;  // the answer of Enter (the default button)
    int last;   // the answer of Esc and the close box
};

class QtPrompterMessageTest : public ::testing::TestWithParam<MessageCase> {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

TEST_P(QtPrompterMessageTest, EnterAnswersTheFirstButtonAndEscTheLast) {
    const MessageCase& c = GetParam();
    QWidget window;
    window.show();
    qt::QtPrompter prompter(&window);
    for (const auto& [key, expected] :
         {std::pair{Qt::Key_Return, c.first}, std::pair{Qt::Key_Escape, c.last}}) {
        test::OnModalDialog<QMessageBox>([&c, key = key](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), QString("確認ﾒｯｾｰｼﾞ"));
            EXPECT_EQ(box->text(), QString("一行目\n\n二行目"));
            EXPECT_EQ(static_cast<int>(box->buttons().size()), c.buttonCount);
            QTest::keyClick(box, key);
        });
        EXPECT_EQ(prompter.ShowMessage("一行目\r\r二行目", c.buttons, kMessageTitle), expected)
            << (key == Qt::Key_Escape ? "Esc" : "Enter");
    }
}

INSTANTIATE_TEST_SUITE_P(
    ButtonSets, QtPrompterMessageTest,
    ::testing::Values(
        MessageCase{"Ok", kButtonsOk, 1, kAnswerOk, kAnswerOk},
        MessageCase{"OkCancel", kButtonsOkCancel, 2, kAnswerOk, kAnswerCancel},
        MessageCase{"YesNo", kButtonsYesNo, 2, kAnswerYes, kAnswerNo},
        MessageCase{"YesNoCancel", kButtonsYesNoCancel, 3, kAnswerYes, kAnswerCancel},
        MessageCase{"RetryCancel", kButtonsRetryCancel, 2, kAnswerRetry, kAnswerCancel},
        MessageCase{"AbortRetryIgnore", kButtonsAbortRetryIgnore, 3, kAnswerAbort, kAnswerIgnore}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtPrompterTest, AFileGoesToTheDesktopViewer) {
    test::EnsureGuiApplication();
    UrlCatcher viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "Open");
    qt::QtPrompter prompter(nullptr);
    const bool opened = prompter.OpenWithShell("/tmp/計算書.pdf");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_TRUE(opened);
    ASSERT_EQ(viewer.opened.size(), 1u);
    EXPECT_EQ(viewer.opened[0].toLocalFile(), QString("/tmp/計算書.pdf"));
}

}  // namespace
}  // namespace zel

#include "QtPrompterTest.moc"
