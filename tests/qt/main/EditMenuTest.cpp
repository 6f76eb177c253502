// The 編集 menu through real keys: undo, redo and duplicate reach the controller and the window
// shows their state; the keys stay the text fields' own while one is edited; copy and paste
// go through the system clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "editor/BeamClipboard.h"

namespace zel::test {
namespace {

class EditMenuTest : public MainWindowTest {
  protected:
    // Two beams B1 and B2 added through the window; the beam list has the focus.
    qt::MainWindow& OpenWithTwoBeams() {
        qt::MainWindow& w = Open();
        for (const char* name : {"B1", "B2"}) {
            TypeMember(name);
            Click("梁追加");
        }
        EXPECT_EQ(w.Controller().BeamCount(), 2);
        w.BeamList()->setFocus();
        return w;
    }
    void Key(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(to, key, modifiers);
    }
    QStringList Lines() {
        QStringList lines;
        for (int i = 0; i < window_->BeamList()->count(); ++i)
            lines << window_->BeamList()->item(i)->text();
        return lines;
    }
    QAction* EditAction(const char* name) { return window_->Action(QString::fromUtf8(name)); }
};

TEST_F(EditMenuTest, CtrlDDuplicatesCtrlZUndoesAndCtrlYRedoes) {
    qt::MainWindow& w = OpenWithTwoBeams();
    Key(w.BeamList(), Qt::Key_D);
    EXPECT_EQ(Lines(), (QStringList{"B1", "B2", "B2"}));
    EXPECT_EQ(w.BeamList()->currentRow(), 2);
    // The copy waits for its own name.
    EXPECT_TRUE(Edit(Field::MemberName)->hasFocus());
    EXPECT_EQ(Edit(Field::MemberName)->selectedText(), QString("B2"));
    EXPECT_EQ(EditAction("undoAction")->text(), QString("元に戻す(&U)  梁の複写 B2"));

    w.BeamList()->setFocus();
    Key(w.BeamList(), Qt::Key_Z);
    EXPECT_EQ(Lines(), (QStringList{"B1", "B2"}));
    EXPECT_EQ(EditAction("redoAction")->text(), QString("やり直し(&R)  梁の複写 B2"));
    EXPECT_TRUE(EditAction("redoAction")->isEnabled());
    Key(w.BeamList(), Qt::Key_Y);
    EXPECT_EQ(Lines(), (QStringList{"B1", "B2", "B2"}));
    EXPECT_FALSE(EditAction("redoAction")->isEnabled());
    EXPECT_EQ(EditAction("redoAction")->text(), QString("やり直し(&R)"));
    Key(w.BeamList(), Qt::Key_Z);
    Key(w.BeamList(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.Controller().BeamCount(), 3);

    // Undo back to the start: nothing left, the command greyed, the file unmodified.
    for (int i = 0; i < 3; ++i) Key(w.BeamList(), Qt::Key_Z);
    EXPECT_EQ(w.Controller().BeamCount(), 0);
    EXPECT_FALSE(EditAction("undoAction")->isEnabled());
    EXPECT_EQ(EditAction("undoAction")->text(), QString("元に戻す(&U)"));
    EXPECT_FALSE(w.Controller().FileModified());
}

TEST_F(EditMenuTest, TheMenuOpenedWithAltETakesBackTypedEditsFirst) {
    qt::MainWindow& w = OpenWithTwoBeams();
    Type(Field::Span, "8");
    w.BeamList()->setFocus();
    ASSERT_EQ(EditAction("undoAction")->text(), QString("元に戻す(&U)  入力中の変更 B2"));

    Key(&w, Qt::Key_E, Qt::AltModifier);
    auto* menu = w.findChild<QMenu*>("editMenu");
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    Key(menu, Qt::Key_U, Qt::NoModifier);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(Text(Field::Span), "6");
    EXPECT_EQ(w.Controller().BeamCount(), 2);
    EXPECT_EQ(EditAction("redoAction")->text(), QString("やり直し(&R)  入力中の変更 B2"));
}

TEST_F(EditMenuTest, InATextFieldTheKeysAreTheFieldsOwn) {
    qt::MainWindow& w = OpenWithTwoBeams();
    const std::size_t steps = w.Controller().History().UndoCount();
    qt::FieldEdit* name = Edit(Field::MemberName);
    name->setFocus(Qt::MouseFocusReason);
    name->selectAll();
    QTest::keyClicks(name, "XY");
    Key(name, Qt::Key_Z);  // the field's own undo of the typing
    EXPECT_EQ(name->text(), QString("B2"));
    name->selectAll();
    Key(name, Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("B2"));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasFormat(kBeamMimeType));
    EXPECT_EQ(w.Controller().BeamCount(), 2);
    EXPECT_EQ(w.Controller().History().UndoCount(), steps);
}

TEST_F(EditMenuTest, CopyAndPasteGoThroughTheClipboard) {
    qt::MainWindow& w = OpenWithTwoBeams();
    QTest::mouseClick(w.BeamList()->viewport(), Qt::LeftButton, {},
                      w.BeamList()->visualItemRect(w.BeamList()->item(0)).center());
    Key(w.BeamList(), Qt::Key_C);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(kBeamMimeType));
    EXPECT_TRUE(data->text().startsWith("B1\tL=6m\tB×D=30×60\t"));
    Key(w.BeamList(), Qt::Key_V);
    EXPECT_EQ(Lines(), (QStringList{"B1", "B1", "B2"}));
    EXPECT_EQ(w.BeamList()->currentRow(), 1);

    // Text that is no beam: a message, and the list as it was.
    QGuiApplication::clipboard()->setText("B1 6m 30x60");
    user.Clear();
    Key(w.BeamList(), Qt::Key_V);
    EXPECT_EQ(user.LastText(), "クリップボードの内容は、梁データではありません。");
    EXPECT_EQ(Lines(), (QStringList{"B1", "B1", "B2"}));
}

TEST_F(EditMenuTest, AUnitOptionIsAStepTheWindowShowsUndone) {
    qt::MainWindow& w = OpenWithTwoBeams();
    ASSERT_TRUE(Child<QRadioButton>("inputUnits1")->isChecked());
    Child<QRadioButton>("inputUnits0")->click();
    ASSERT_FALSE(w.Controller().Input().InputIsSI());
    ASSERT_EQ(w.Controller().CurrentProject().settings.unitCode, 1);
    EXPECT_EQ(EditAction("undoAction")->text(), QString("元に戻す(&U)  入力単位 従来"));
    w.BeamList()->setFocus();
    Key(w.BeamList(), Qt::Key_Z);
    EXPECT_TRUE(Child<QRadioButton>("inputUnits1")->isChecked());
    EXPECT_TRUE(w.Controller().Input().InputIsSI());
    EXPECT_EQ(w.Controller().CurrentProject().settings.unitCode, 3);
}

// docs/menu-edit.png: the window with the 編集 menu open (the popup painted where it is).
TEST_F(EditMenuTest, Screenshot) {
    const char* out = std::getenv("ZEL_SCREENSHOT_DIR");
    if (!out) GTEST_SKIP() << "ZEL_SCREENSHOT_DIR not set";
    CopyPictures();
    qt::MainWindow& w = Open();
    w.OpenFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel");
    w.resize(w.DesignedSize());
    w.BeamList()->setFocus();
    Key(w.BeamList(), Qt::Key_Down, Qt::NoModifier);
    Key(w.BeamList(), Qt::Key_Down, Qt::NoModifier);
    Key(w.BeamList(), Qt::Key_D);  // a copy of 2G3, then 2G3 pasted and the paste undone
    w.BeamList()->setFocus();
    Key(w.BeamList(), Qt::Key_Up, Qt::NoModifier);
    Key(w.BeamList(), Qt::Key_C);
    Key(w.BeamList(), Qt::Key_V);
    Key(w.BeamList(), Qt::Key_Z);
    Key(&w, Qt::Key_E, Qt::AltModifier);
    auto* menu = w.findChild<QMenu*>("editMenu");
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QTest::qWait(50);
    QImage shot = w.grab().toImage();
    {
        QPainter p(&shot);
        p.drawPixmap(w.mapFromGlobal(menu->mapToGlobal(QPoint(0, 0))), menu->grab());
    }
    EXPECT_TRUE(shot.save(QString::fromUtf8(out) + "/menu-edit.png"));
    menu->close();
}

}  // namespace
}  // namespace zel::test
