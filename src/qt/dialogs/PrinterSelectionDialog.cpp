#include "qt/dialogs/PrinterSelectionDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/common/QtText.h"
#include "qt/dialogs/DialogSupport.h"

namespace zel::qt {

PrinterSelectionDialog::PrinterSelectionDialog(const std::vector<std::string>& printers,
                                               const std::string& current, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("プリンターの設定"));
    auto* frame = new QGroupBox(QStringLiteral("プリンターの選択"), this);
    list_ = new QListWidget(frame);
    list_->setAccessibleName(frame->title());
    for (const std::string& name : printers) list_->addItem(ToQ(name));
    auto* caption = new QLabel(QStringLiteral("選択されているプリンター"), frame);
    chosen_ = new QLabel(ToQ(current), frame);
    chosen_->setAccessibleName(caption->text());
    chosen_->setFrameShape(QFrame::Panel);
    chosen_->setFrameShadow(QFrame::Sunken);
    chosen_->setMinimumWidth(260);
    const auto found = list_->findItems(chosen_->text(), Qt::MatchExactly);
    if (!found.isEmpty()) list_->setCurrentItem(found.front());

    ok_ = new QPushButton(QStringLiteral("O K"), this);
    cancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    for (QPushButton* button : {ok_, cancel_}) {
        dialogs::PrepareButton(button);
    }
    ok_->setDefault(true);

    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chosen_->setText(item->text()); });
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) chosen_->setText(item->text());
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        chosen_->setText(item->text());
        accept();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* inFrame = new QVBoxLayout(frame);
    inFrame->addWidget(list_);
    inFrame->addWidget(caption);
    inFrame->addWidget(chosen_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setTabOrder(list_, ok_);
    setTabOrder(ok_, cancel_);
}

std::string PrinterSelectionDialog::ChosenName() const {
    return result() == QDialog::Accepted ? FromQ(chosen_->text()) : std::string();
}

}  // namespace zel::qt
