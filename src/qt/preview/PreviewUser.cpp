#include "qt/preview/PreviewUser.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "qt/common/HelpManual.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/PrinterSelectionDialog.h"
#include "qt/dialogs/ResultListDialog.h"

namespace zel::qt {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

int QtPreviewUser::ShowMessage(const std::string& text, int buttons, const std::string& title) {
    QString body = Q(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, Q(title), body, QMessageBox::NoButton, parent_);
    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    std::vector<Choice> choices;
    switch (buttons) {
        case kButtonsOkCancel:
            choices = {{QMessageBox::Ok, kAnswerOk}, {QMessageBox::Cancel, kAnswerCancel}};
            break;
        case kButtonsYesNo:
            choices = {{QMessageBox::Yes, kAnswerYes}, {QMessageBox::No, kAnswerNo}};
            break;
        case kButtonsYesNoCancel:
            choices = {{QMessageBox::Yes, kAnswerYes},
                       {QMessageBox::No, kAnswerNo},
                       {QMessageBox::Cancel, kAnswerCancel}};
            break;
        default:
            choices = {{QMessageBox::Ok, kAnswerOk}};
            break;
    }
    for (const Choice& choice : choices) box.addButton(choice.button);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const Choice& choice : choices)
        if (choice.button == pressed) return choice.answer;
    // The close box is the last button of the set (Cancel or No), as a dialog's Esc would be.
    return choices.back().answer;
}

void QtPreviewUser::Beep() {
    QApplication::beep();
}

std::optional<std::string> QtPreviewUser::AskSaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, Q(request.title), Q(request.folder));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(Q(request.defaultExtension));
    QStringList filters;
    const QStringList parts = Q(request.filter).split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
    dialog.setNameFilters(filters);
    dialog.selectFile(Q(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

bool QtPreviewUser::OpenWithShell(const std::string& path) {
    if (QFileInfo::exists(Q(path)) && QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path))))
        return true;
    ShowMessage(path + " が見つかりません。", kButtonsOk, kMessageTitleWide);
    return false;
}

void QtPreviewUser::SetWaitCursor(bool busy) {
    waitCursor_.Set(busy);
}

int QtPreviewUser::ChooseResultLine(const std::vector<std::string>& lines, int preselected) {
    ResultListDialog dialog(lines, preselected, parent_);
    dialog.exec();
    if (dialog.Cancelled()) return -1;
    return dialog.ChosenLine();
}

std::optional<std::string> QtPreviewUser::ChoosePrinter(const std::vector<std::string>& printers,
                                                        const std::string& current) {
    PrinterSelectionDialog dialog(printers, current, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenName();
}

QtPreviewUser::QtPreviewUser(QWidget* parent, std::string programFolder)
    : parent_(parent), programFolder_(std::move(programFolder)) {
    if (programFolder_.empty())
        programFolder_ = QCoreApplication::applicationDirPath().toStdString();
}

void QtPreviewUser::ShowHelp() {
    OpenHelpManual(*this, programFolder_);
}

void QtPreviewUser::ShowAbout() {
    RunAboutDialog(parent_, programFolder_);
}

}  // namespace zel::qt
