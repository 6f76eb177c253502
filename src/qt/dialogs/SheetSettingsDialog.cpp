#include "qt/dialogs/SheetSettingsDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editor/MainController.h"
#include "lib/Version.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/dialogs/Dialogs.h"

namespace zel::qt {

using dialogs::Q;

SheetSettingsDialog::SheetSettingsDialog(MainController& controller, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      form_(OpenSheetSettingsForm(controller.CurrentPrintSettings())) {
    setWindowTitle(Q(kProgramTitle));

    auto* outer = new QGroupBox(QStringLiteral("計算書作成時の詳細設定"), this);
    auto* outerLayout = new QVBoxLayout(outer);

    auto* fontBox = new QGroupBox(QStringLiteral("計算書印字フォント"), outer);
    auto* fontLayout = new QHBoxLayout(fontBox);
    auto* fontGroup = new QButtonGroup(this);
    const char* const fontCaptions[2] = {"ＭＳ 明朝", "ＭＳ ゴシック"};
    for (int i = 0; i < 2; ++i) {
        fonts_[i] = new QRadioButton(Q(fontCaptions[i]), fontBox);
        dialogs::PrepareButton(fonts_[i]);
        fontGroup->addButton(fonts_[i], i);
        fontLayout->addWidget(fonts_[i]);
    }
    fontLayout->addStretch();
    connect(fontGroup, &QButtonGroup::idClicked, this, [this](int i) { form_.fontOption = i; });

    auto* headingBox = new QGroupBox(QStringLiteral("計算書の見出し (最大 全角30文字)"), outer);
    auto* headingLayout = new QVBoxLayout(headingBox);
    heading_ = new QLineEdit(headingBox);
    heading_->setMaxLength(30);
    heading_->setMinimumWidth(360);
    dialogs::NameAfterLabel(heading_, headingBox->title());
    connect(heading_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.heading = dialogs::S(text); });
    headingLayout->addWidget(heading_);
    headingLayout->addWidget(
        new QLabel(QStringLiteral("（不要の場合は、空欄にして下さい。）"), headingBox));

    auto* pageBox = new QGroupBox(QStringLiteral("ページ番号 (フッター)"), outer);
    auto* pageLayout = new QHBoxLayout(pageBox);
    auto* pageGroup = new QButtonGroup(this);
    // "付ける" on the left, "付けない" on the right.
    pageNumbers_[kPageNumbersOn] = new QRadioButton(QStringLiteral("付ける"), pageBox);
    pageNumbers_[kPageNumbersOff] = new QRadioButton(QStringLiteral("付けない"), pageBox);
    for (int i : {kPageNumbersOn, kPageNumbersOff}) {
        dialogs::PrepareButton(pageNumbers_[i]);
        pageGroup->addButton(pageNumbers_[i], i);
        pageLayout->addWidget(pageNumbers_[i]);
    }
    pageLayout->addSpacing(24);
    startLabel_ = new QLabel(QStringLiteral("開始ページ No."), pageBox);
    start_ = new QLineEdit(pageBox);
    start_->setMaxLength(6);
    start_->setFixedWidth(70);
    start_->setAlignment(Qt::AlignRight);
    startLabel_->setBuddy(start_);
    dialogs::NameAfterLabel(start_, startLabel_->text());
    pageLayout->addWidget(startLabel_);
    pageLayout->addWidget(start_);
    pageLayout->addStretch();
    connect(pageGroup, &QButtonGroup::idClicked, this, [this](int i) {
        ChoosePageNumberOption(form_, i);
        ShowForm();
    });
    connect(start_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.startText = dialogs::S(text); });

    outerLayout->addWidget(fontBox);
    outerLayout->addWidget(headingBox);
    outerLayout->addWidget(pageBox);

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
    layout->addWidget(outer);
    layout->addWidget(note);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowForm();
}

void SheetSettingsDialog::ShowForm() {
    dialogs::CheckOption(fonts_, form_.fontOption);
    dialogs::CheckOption(pageNumbers_, form_.pageNumberOption);
    QSignalBlocker h(heading_), s(start_);
    if (heading_->text() != Q(form_.heading)) heading_->setText(Q(form_.heading));
    if (start_->text() != Q(form_.startText)) start_->setText(Q(form_.startText));
    startLabel_->setEnabled(form_.startLabel.enabled);
    dialogs::ApplyFieldView(start_, form_.startField);
}

void SheetSettingsDialog::Ok() {
    if (controller_.ConfirmSheetSettingsDialog(form_)) accept();
}

void RunSheetSettingsDialog(QWidget* parent, MainController& controller) {
    SheetSettingsDialog dialog(controller, parent);
    dialog.exec();
}

}  // namespace zel::qt
