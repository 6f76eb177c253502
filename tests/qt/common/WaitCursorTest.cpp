// The nested wait cursor shared by the main window and the preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>

#include "qt/common/AppSupport.h"
#include "support/QtTestSupport.h"

namespace zel {
namespace {

Qt::CursorShape Shown() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

TEST(WaitCursorTest, NestedSpansUnwindAndStrayEndsLeaveOtherCursorsAlone) {
    test::EnsureGuiApplication();
    // Someone else's cursor, e.g. a drag, lies under ours.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    {
        qt::WaitCursorDepth wait;
        wait.Set(true);
        wait.Set(true);
        wait.Set(false);
        EXPECT_EQ(Shown(), Qt::WaitCursor) << "the outer span is still busy";
        wait.Set(false);
        EXPECT_EQ(Shown(), Qt::CrossCursor);
        wait.Set(false);  // a stray end, as after a failed start
        EXPECT_EQ(Shown(), Qt::CrossCursor);
    }
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace zel
