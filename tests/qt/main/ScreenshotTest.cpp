// The pictures for the documentation: the main window on beam 2G1 of the sample floor with its
// loads and diagram, then the preview opened from it and its result list. Written only when
// ZEL_SCREENSHOT_DIR names a folder.
#include <QListWidget>

#include "../preview/PreviewFixture.h"
#include "MainWindowFixture.h"
#include "output/PreviewRules.h"
#include "output/ResultListLines.h"
#include "qt/dialogs/ResultListDialog.h"

namespace zel::test {
namespace {

TEST_F(MainWindowTest, SampleFloorBeam2G1) {
    const char* out = std::getenv("ZEL_SCREENSHOT_DIR");
    CopyPictures();
    qt::MainWindow& w = Open();
    w.OpenFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel");
    const QList<QListWidgetItem*> found = w.BeamList()->findItems("2G1 ", Qt::MatchStartsWith);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(w.BeamList()->viewport(), Qt::LeftButton, {},
                      w.BeamList()->visualItemRect(found[0]).center());
    ASSERT_EQ(Text(Field::MemberName).rfind("2G1 ", 0), 0u);
    if (!out) GTEST_SKIP() << "ZEL_SCREENSHOT_DIR not set";
    const QString folder = QString::fromUtf8(out);

    Click("計算書");
    QPointer<qt::PreviewWindow> preview = w.Preview();
    ASSERT_FALSE(preview.isNull());
    preview->resize(1000, 760);
    QTest::qWait(50);
    EXPECT_TRUE(preview->grab().save(folder + "/preview-fit-width.png"));
    preview->Controller().ChooseZoom(kZoomTwoPages);
    QTest::qWait(50);
    EXPECT_TRUE(preview->grab().save(folder + "/preview-two-pages.png"));
    std::vector<std::string> lines;
    for (const ResultListEntry& entry :
         BuildResultList(preview->Controller().Request().project, preview->Sheet().pages))
        lines.push_back(entry.line);
    ASSERT_FALSE(lines.empty());
    {
        qt::ResultListDialog list(lines, 3, preview);
        list.show();
        QTest::qWait(50);
        EXPECT_TRUE(list.grab().save(folder + "/result-list.png"));
    }
    user.Answer(kAnswerYes);
    preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(w.isVisible());

    // The main window with the first load of 2G1 highlighted in the diagram.
    auto* loads = w.findChild<QListWidget*>("loadList");
    ASSERT_GT(loads->count(), 0);
    QTest::mouseClick(loads->viewport(), Qt::LeftButton, {},
                      loads->visualItemRect(loads->item(0)).center());
    w.resize(w.DesignedSize());
    QTest::qWait(50);
    EXPECT_TRUE(w.grab().save(folder + "/main-window.png"));
}

}  // namespace
}  // namespace zel::test
