#include "qt/dialogs/SheetSettingsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/MainController.h"
#include "lib/Version.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/SheetOptionsBox.h"

namespace zel::qt {

SheetSettingsDialog::SheetSettingsDialog(MainController& controller, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      form_(OpenSheetSettingsForm(controller.CurrentPrintSettings())) {
    setWindowTitle(ToQ(kProgramTitle));

    options_ = new SheetOptionsBox(form_, SheetOptionsBox::Arrangement::FontFirst, this);
    auto* note = new QLabel(
        QStringLiteral("計算書に付加する見出し、及びページ番号(フッター)の設定を行います。"), this);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    cancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    for (QPushButton* b : {ok_, cancel_}) dialogs::PrepareButton(b);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &SheetSettingsDialog::Ok);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(options_);
    layout->addWidget(note);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SheetSettingsDialog::Ok() {
    if (controller_.ConfirmSheetSettingsDialog(form_)) accept();
}

void RunSheetSettingsDialog(QWidget* parent, MainController& controller) {
    SheetSettingsDialog dialog(controller, parent);
    dialog.exec();
}

}  // namespace zel::qt
