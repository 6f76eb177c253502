// Stand-ins for the dialogs until their own windows are in the tree: the three-answer question
// and the check view as plain message boxes, the others say that they are not there yet.
#include <QMessageBox>
#include <QPushButton>

#include "output/CheckViewTexts.h"
#include "qt/dialogs/Dialogs.h"

namespace zel::qt {

namespace {

void NotYet(QWidget* parent, const char* what) {
    QMessageBox::information(parent, QString::fromUtf8("確認ﾒｯｾｰｼﾞ"),
                             QString::fromUtf8(what) + QString::fromUtf8(" は準備中です。"));
}

}  // namespace

int ShowConfirmDialog(QWidget* parent, const std::string& confirmText) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8("確認ﾒｯｾｰｼﾞ"),
                    QString::fromStdString(confirmText) +
                        QString::fromUtf8("\n\nこの部材データをどうしますか？"),
                    QMessageBox::NoButton, parent);
    QPushButton* change = box.addButton(QString::fromUtf8("変更して算定"), QMessageBox::AcceptRole);
    QPushButton* add = box.addButton(QString::fromUtf8("追加して算定"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QString::fromUtf8("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == change) return 1;
    if (box.clickedButton() == add) return 2;
    return 0;
}

void ShowCheckView(QWidget* parent, const CheckViewTexts& texts) {
    QString text = QString::fromStdString(texts.caption) + QStringLiteral("\n");
    for (const CheckColumn& c : texts.columns)
        text += QStringLiteral("\n%1: %2 / %3 / %4 / %5")
                    .arg(QString::fromStdString(c.heading), QString::fromStdString(c.topBars),
                         QString::fromStdString(c.bottomBars), QString::fromStdString(c.stirrups),
                         QString::fromStdString(c.judgement));
    if (!texts.error.empty()) text += QStringLiteral("\n") + QString::fromStdString(texts.error);
    QMessageBox::information(parent, QString::fromUtf8("確認ﾒｯｾｰｼﾞ"), text);
}

void RunDefaultsDialog(QWidget* parent, MainController&) {
    NotYet(parent, "ﾃﾞﾌｫﾙﾄ設定");
}
void RunPrintSettingsDialog(QWidget* parent, MainController&) {
    NotYet(parent, "出力設定");
}
bool RunSpanTypeDialog(QWidget* parent, InputArea&, const std::string&) {
    NotYet(parent, "略算方法");
    return false;
}
void ShowAboutBox(QWidget* parent, const std::string&) {
    NotYet(parent, "ﾊﾞｰｼﾞｮﾝ情報");
}
bool OpenHelpManual(QWidget* parent, Prompter&, const std::string&) {
    NotYet(parent, "目次");
    return false;
}

}  // namespace zel::qt
