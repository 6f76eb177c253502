#include "qt/common/QtPrompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>
#include <vector>

#include "qt/common/QtText.h"
#include "qt/dialogs/Dialogs.h"

namespace zel::qt {

namespace {

struct ButtonAnswer {
    QMessageBox::StandardButton button;
    int answer;
};

// Buttons of each set in their order on screen, with the code each one answers.
std::vector<ButtonAnswer> ButtonsOf(int buttons) {
    switch (buttons) {
        case kButtonsOk:
            return {{QMessageBox::Ok, kAnswerOk}};
        case kButtonsOkCancel:
            return {{QMessageBox::Ok, kAnswerOk}, {QMessageBox::Cancel, kAnswerCancel}};
        case kButtonsAbortRetryIgnore:
            return {{QMessageBox::Abort, kAnswerAbort},
                    {QMessageBox::Retry, kAnswerRetry},
                    {QMessageBox::Ignore, kAnswerIgnore}};
        case kButtonsYesNoCancel:
            return {{QMessageBox::Yes, kAnswerYes},
                    {QMessageBox::No, kAnswerNo},
                    {QMessageBox::Cancel, kAnswerCancel}};
        case kButtonsYesNo:
            return {{QMessageBox::Yes, kAnswerYes}, {QMessageBox::No, kAnswerNo}};
        case kButtonsRetryCancel:
            return {{QMessageBox::Retry, kAnswerRetry}, {QMessageBox::Cancel, kAnswerCancel}};
        default:
            return {};
    }
}

}  // namespace

QString QtNameFilters(const std::string& filter) {
    const QStringList parts = ToQ(filter).split(QChar('|'));
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The text normally carries its pattern already: "KAVO-Zel ﾃﾞｰﾀﾌｧｲﾙ(*.Zel)".
        const QString pattern = QStringLiteral("(") + parts[i + 1] + QStringLiteral(")");
        names << (parts[i].endsWith(pattern) ? parts[i] : parts[i] + QStringLiteral(" ") + pattern);
    }
    return names.join(QStringLiteral(";;"));
}

QWidget* QtPrompter::DialogParent() const {
    if (window_ && window_->isVisible()) return window_;
    return QApplication::activeWindow();
}

void QtPrompter::RepaintAfterDialog() const {
    if (QWidget* parent = DialogParent()) parent->repaint();
}

int QtPrompter::ShowMessage(const std::string& text, int buttons, const std::string& title) {
    const std::vector<ButtonAnswer> set = ButtonsOf(buttons);
    if (set.empty()) return 0;
    QMessageBox box(QMessageBox::NoIcon, ToQ(title), MessageText(text), QMessageBox::NoButton,
                    DialogParent());
    for (const ButtonAnswer& b : set) box.addButton(b.button);
    box.setDefaultButton(set.front().button);
    box.setEscapeButton(set.back().button);
    box.exec();
    RepaintAfterDialog();
    const QAbstractButton* clicked = box.clickedButton();
    for (const ButtonAnswer& b : set) {
        if (clicked == box.button(b.button)) return b.answer;
    }
    return set.back().answer;
}

void QtPrompter::Beep() {
    QApplication::beep();
}

int QtPrompter::ShowConfirm(const std::string& confirmText) {
    const int answer = RunConfirmDialog(DialogParent(), confirmText);
    RepaintAfterDialog();
    return answer;
}

std::optional<std::string> QtPrompter::RunFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(DialogParent(), ToQ(request.title), ToQ(request.folder));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(QtNameFilters(request.filter).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(ToQ(request.defaultExtension));
    // The program's own questions ("はすでに存在します。") replace Qt's overwrite prompt.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.fileName.empty()) dialog.selectFile(ToQ(request.fileName));
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    RepaintAfterDialog();
    if (!accepted) return std::nullopt;
    return FromQ(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtPrompter::AskOpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<std::string> QtPrompter::AskSaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

void QtPrompter::SetWaitCursor(bool busy) {
    waitCursor_.Set(busy);
}

bool QtPrompter::OpenWithShell(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(path)));
}

}  // namespace zel::qt
