// The main window's edit menu: undo and redo naming their steps, duplicate, and copy and
// paste of beams through the system clipboard.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>

#include "editor/BeamClipboard.h"
#include "qt/common/PictureArt.h"
#include "qt/common/QtText.h"
#include "qt/input/FieldEdit.h"
#include "qt/input/InputAreaWidget.h"
#include "qt/main/MainWindow.h"

namespace zel::qt {

namespace {

// "元に戻す(&U)  梁削除 2G3": a member name is no mnemonic.
QString StepCaption(const char* command, const std::string& step) {
    if (step.empty()) return ToQ(command);
    QString name = ToQ(step);
    name.replace(QChar('&'), QStringLiteral("&&"));
    return ToQ(command) + QStringLiteral("  ") + name;
}

}  // namespace

void MainWindow::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(ToQ("編集(&E)"));
    edit->setObjectName(QStringLiteral("editMenu"));
    undoAction_ = AddAction(edit, "元に戻す(&U)", "undoAction", &MainWindow::UndoStep);
    redoAction_ = AddAction(edit, "やり直し(&R)", "redoAction", &MainWindow::RedoStep);
    edit->addSeparator();
    QAction* duplicate =
        AddAction(edit, "梁の複写(&D)", "duplicateAction", &MainWindow::DuplicateBeam);
    edit->addSeparator();
    QAction* copy = AddAction(edit, "コピー(&C)", "copyAction", &MainWindow::CopyBeam);
    QAction* paste = AddAction(edit, "貼り付け(&P)", "pasteAction", &MainWindow::PasteBeam);
    // Window-wide keys: a text field being edited takes its own Ctrl+Z, Ctrl+C and Ctrl+V
    // first (Qt offers it every standard key it handles), so these reach the beams only from
    // the beam list, the buttons and the options.
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    duplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    beamCommands_.push_back(duplicate);
    beamCommands_.push_back(copy);
}

void MainWindow::AddEditButtons(QToolBar* bar) {
    bar->addSeparator();
    auto tool = [&](QAction* action, bool redo, const char* caption) {
        action->setIcon(QIcon(QPixmap::fromImage(DrawUndoIcon(32, redo))));
        action->setIconVisibleInMenu(false);
        action->setIconText(ToQ(caption));
        bar->addAction(action);
    };
    tool(undoAction_, false, "元に戻す");
    tool(redoAction_, true, "やり直し");
}

void MainWindow::UpdateEditActions() {
    if (!undoAction_) return;
    const std::string undo = controller_.UndoName();
    const std::string redo = controller_.RedoName();
    undoAction_->setText(StepCaption("元に戻す(&U)", undo));
    redoAction_->setText(StepCaption("やり直し(&R)", redo));
    undoAction_->setEnabled(controller_.CanUndo());
    redoAction_->setEnabled(controller_.CanRedo());
    // The button says which step it takes; its caption stays short.
    undoAction_->setIconText(ToQ("元に戻す"));
    redoAction_->setIconText(ToQ("やり直し"));
    undoAction_->setToolTip(undo.empty() ? ToQ("元に戻す") : ToQ("元に戻す: " + undo));
    redoAction_->setToolTip(redo.empty() ? ToQ("やり直し") : ToQ("やり直し: " + redo));
}

void MainWindow::UndoStep() {
    Run([this] { controller_.Undo(); });
}

void MainWindow::RedoStep() {
    Run([this] { controller_.Redo(); });
}

void MainWindow::CopyBeam() {
    const std::optional<BeamClip> clip = controller_.CopyBeam();
    if (!clip) {
        user_->Beep();
        return;
    }
    auto* data = new QMimeData;
    data->setData(ToQ(kBeamMimeType), QByteArray::fromStdString(clip->json));
    data->setText(ToQ(clip->text));
    QGuiApplication::clipboard()->setMimeData(data);
}

void MainWindow::PasteBeam() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    std::string json;
    if (data && data->hasFormat(ToQ(kBeamMimeType)))
        json = data->data(ToQ(kBeamMimeType)).toStdString();
    else if (data)
        json = FromQ(data->text());  // the JSON form pasted as text, or something else
    Run([this, &json] { controller_.PasteBeam(json); });
}

void MainWindow::DuplicateBeam() {
    bool done = false;
    Run([this, &done] { done = controller_.DuplicateBeam(); });
    // Ready to type the copy's own name.
    if (done) input_->Edit(Field::MemberName)->selectAll();
}

}  // namespace zel::qt
