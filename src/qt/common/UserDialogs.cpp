#include "qt/common/UserDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <array>
#include <memory>
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

QFileDialog* MakeFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    auto* dialog = new QFileDialog(parent, ToQ(request.title), ToQ(request.folder));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilters(QtNameFilters(request.filter).split(QStringLiteral(";;")));
    dialog->setDefaultSuffix(ToQ(request.defaultExtension));
    // The project's own questions ("はすでに存在します。") replace Qt's overwrite prompt.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setOption(QFileDialog::ReadOnly, false);
    if (!request.fileName.empty()) dialog->selectFile(ToQ(request.fileName));
    return dialog;
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                         bool save) {
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(parent, request, save));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return FromQ(dialog->selectedFiles().constFirst());
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

int QtUserDialogs::ShowMessage(const std::string& text, int buttons, const std::string& title) {
    const std::vector<ButtonAnswer> set = ButtonsOf(buttons);
    if (set.empty()) return 0;
    QMessageBox box(QMessageBox::NoIcon, ToQ(title), MessageText(text), QMessageBox::NoButton,
                    parent_);
    for (const ButtonAnswer& b : set) box.addButton(b.button);
    box.setDefaultButton(set.front().button);
    // Closing the box with its close button or Escape answers like its last button.
    box.setEscapeButton(set.back().button);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    for (const ButtonAnswer& b : set) {
        if (clicked == box.button(b.button)) return b.answer;
    }
    return set.back().answer;
}

void QtUserDialogs::Beep() {
    QApplication::beep();
}

int QtUserDialogs::ShowConfirm(const std::string& confirmText) {
    return RunConfirmDialog(parent_, confirmText);
}

std::optional<std::string> QtUserDialogs::AskOpenFile(const FileDialogRequest& request) {
    return RunFileDialog(parent_, request, false);
}

std::optional<std::string> QtUserDialogs::AskSaveFile(const FileDialogRequest& request) {
    return RunFileDialog(parent_, request, true);
}

void QtUserDialogs::RunCheckViewDialog(const CheckViewTexts& texts) {
    qt::RunCheckViewDialog(parent_, texts);
}

}  // namespace zel::qt
