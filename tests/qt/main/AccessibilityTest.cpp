// Every control a user can operate has a name that screen readers and UI automation read.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

#include "../preview/PreviewFixture.h"
#include "MainWindowFixture.h"
#include "qt/dialogs/AboutDialog.h"
#include "qt/dialogs/CheckViewDialog.h"
#include "qt/dialogs/ConfirmDialog.h"
#include "qt/dialogs/DefaultsDialog.h"
#include "qt/dialogs/PrinterSelectionDialog.h"
#include "qt/dialogs/ResultListDialog.h"
#include "qt/dialogs/SheetSettingsDialog.h"
#include "qt/dialogs/SpanTypeDialog.h"

namespace zel::test {
namespace {

bool Interactive(const QWidget* w) {
    if (w->objectName().startsWith(QStringLiteral("qt_"))) return false;  // Qt's own parts
    if (qobject_cast<const QLineEdit*>(w))
        return !qobject_cast<const QComboBox*>(w->parentWidget()) &&
               !qobject_cast<const QAbstractSpinBox*>(w->parentWidget());
    if (qobject_cast<const QAbstractItemView*>(w))
        return !w->window()->inherits("QComboBoxPrivateContainer");
    // Pictures that say something: the load types' and the span types'.
    if (qobject_cast<const QLabel*>(w)) return w->objectName().endsWith(QStringLiteral("Picture"));
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QTabWidget*>(w);
}

// Controls of `root` and below without an accessible name.
QStringList Unnamed(QWidget* root, int& seen) {
    QStringList out;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!Interactive(w)) continue;
        ++seen;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString name = a ? a->text(QAccessible::Name).trimmed() : QString();
        // A tab set named after its first tab would read as that tab alone.
        const auto* tabs = qobject_cast<const QTabWidget*>(w);
        if (name.isEmpty() || (tabs && tabs->count() > 0 && name == tabs->tabText(0)))
            out << QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    return out;
}

TEST_F(MainWindowTest, EveryControlOfTheMainWindowHasAnAccessibleName) {
    qt::MainWindow& w = Open();
    int seen = 0;
    EXPECT_EQ(Unnamed(&w, seen), QStringList());
    EXPECT_GT(seen, 80);  // the walk reaches the fields, options and buttons
    // A field is named after its label.
    EXPECT_EQ(Edit(Field::MemberName)->accessibleName(), QString("部 材 名"));
    EXPECT_EQ(Edit(Field::Span)->accessibleName(), QString("スパン長"));
    // A picture is named after what it shows.
    const auto* picture = w.findChild<QLabel*>("loadPicture4");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->accessibleName(), QString("等分布荷重の図"));
}

TEST_F(MainWindowTest, EveryMenuCommandAndToolButtonHasAName) {
    qt::MainWindow& w = Open();
    QStringList menus, unnamed;
    int commands = 0;
    for (QAction* top : w.menuBar()->actions()) {
        menus << top->text();
        for (QAction* a : top->menu()->actions()) {
            if (a->isSeparator()) continue;
            ++commands;
            if (a->text().trimmed().isEmpty()) unnamed << top->text() + " / " + a->objectName();
        }
    }
    EXPECT_EQ(unnamed, QStringList());
    EXPECT_GE(commands, 17);  // the walk reaches every menu, the five of 編集 among them
    // 編集 sits between ﾌｧｲﾙ and 実行.
    EXPECT_EQ(menus.mid(0, 3), (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "実行(&J)"}));
    // The toolbar's buttons, undo and redo among them, read as their captions.
    auto* bar = w.findChild<QToolBar*>("toolBar");
    QStringList buttons;
    for (QAction* a : bar->actions()) {
        QWidget* button = bar->widgetForAction(a);
        if (a->isSeparator() || !button) continue;
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(button);
        buttons << (access ? access->text(QAccessible::Name) : QString());
    }
    EXPECT_EQ(buttons, (QStringList{"新規作成", "データ読込み", "上書き保存", "元に戻す",
                                    "やり直し", "閉じる"}));
}

TEST_F(MainWindowTest, EveryControlOfEveryDialogHasAnAccessibleName) {
    qt::MainWindow& w = Open();
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<qt::DefaultsDialog>(w.Controller(), &w));
    dialogs.push_back(std::make_unique<qt::SheetSettingsDialog>(w.Controller(), &w));
    dialogs.push_back(std::make_unique<qt::CheckViewDialog>(&w, [] { return false; }));
    dialogs.push_back(std::make_unique<qt::SpanTypeDialog>(area(), folder_.string(), &w));
    dialogs.push_back(
        std::make_unique<qt::ConfirmDialog>("[ G1 ] (Data No.1) は、変更されていますが ", &w));
    dialogs.push_back(std::make_unique<qt::AboutDialog>(folder_.string(), &w));
    dialogs.push_back(
        std::make_unique<qt::ResultListDialog>(std::vector<std::string>{"G1  OK  1"}, 1, &w));
    dialogs.push_back(std::make_unique<qt::PrinterSelectionDialog>(
        std::vector<std::string>{"zeltest"}, "zeltest", &w));
    for (const auto& dialog : dialogs) {
        int seen = 0;
        EXPECT_EQ(Unnamed(dialog.get(), seen), QStringList()) << dialog->metaObject()->className();
        EXPECT_GT(seen, 0) << dialog->metaObject()->className();
    }
}

TEST_F(MainWindowTest, EveryControlOfThePreviewHasAnAccessibleName) {
    qt::MainWindow& w = Open();
    w.OpenFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel");
    Click("計算書");
    ASSERT_NE(w.Preview(), nullptr);
    int seen = 0;
    EXPECT_EQ(Unnamed(w.Preview(), seen), QStringList());
    EXPECT_GT(seen, 7);  // the tool strip's buttons and the zoom list
    user.Answer(kAnswerYes);
    w.Preview()->close();
}

}  // namespace
}  // namespace zel::test
