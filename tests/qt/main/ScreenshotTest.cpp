// The picture of the main window for the documentation: beam 2G1 of the sample floor with its
// loads and diagram. Written only when ZEL_SCREENSHOT_DIR names a folder.
#include <QListWidget>

#include "MainWindowFixture.h"

namespace zel::test {
namespace {

TEST_F(MainWindowTest, SampleFloorBeam2G1) {
    const char* out = std::getenv("ZEL_SCREENSHOT_DIR");
    for (const auto& entry : std::filesystem::directory_iterator(ZEL_BIN_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".JPG" || ext == ".png" || ext == ".ICO" || ext == ".BMP")
            std::filesystem::copy_file(entry.path(), folder_ / entry.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
    }
    qt::MainWindow& w = Open();
    w.OpenFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel");
    const QList<QListWidgetItem*> found = w.beamList()->findItems("2G1 ", Qt::MatchStartsWith);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(w.beamList()->viewport(), Qt::LeftButton, {},
                      w.beamList()->visualItemRect(found[0]).center());
    ASSERT_EQ(Text(Field::MemberName).rfind("2G1 ", 0), 0u);
    auto* loads = w.findChild<QListWidget*>("loadList");
    ASSERT_GT(loads->count(), 0);
    QTest::mouseClick(loads->viewport(), Qt::LeftButton, {},
                      loads->visualItemRect(loads->item(0)).center());
    if (!out) GTEST_SKIP() << "ZEL_SCREENSHOT_DIR not set";
    w.resize(w.DesignedSize());
    QTest::qWait(50);
    EXPECT_TRUE(w.grab().save(QString::fromUtf8(out) + "/main-window.png"));
}

}  // namespace
}  // namespace zel::test
