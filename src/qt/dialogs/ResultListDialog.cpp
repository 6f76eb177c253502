#include "qt/dialogs/ResultListDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "lib/ShiftJis.h"
#include "lib/Version.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/sheet/SheetFonts.h"

namespace zel::qt {
ResultListDialog::ResultListDialog(const std::vector<std::string>& lines, int preselected,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(ToQ(kProgramTitle));
    // The columns are counted in half-width cells, so the list needs the fixed-pitch face.
    EnsureSheetFontsLoaded();
    QFont fixed(SheetFontFamily("ＭＳ ゴシック"));
    fixed.setPointSize(11);
    fixed.setStyleHint(QFont::TypeWriter);

    auto* heading = new QLabel(QStringLiteral("断面算定結果 一覧表"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* captions = new QLabel(
        ToQ(PadRightToWidth(" 部材名", 19) + PadRightToWidth("判   定", 11) + "ﾍﾟｰｼﾞ"), this);
    captions->setFont(fixed);

    list_ = new QListWidget(this);
    list_->setFont(fixed);
    list_->setAccessibleName(QStringLiteral("断面算定結果 一覧表"));
    for (const std::string& line : lines) list_->addItem(ToQ(line));
    const int width = QFontMetrics(fixed).horizontalAdvance(QString(36, QLatin1Char('0')));
    list_->setMinimumSize(width + 40, 280);

    jump_ = new QPushButton(QStringLiteral("ｼﾞｬﾝﾌﾟ"), this);
    jump_->setToolTip(QStringLiteral("現在選択している梁の算定結果を表示します"));
    cancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    for (QPushButton* button : {jump_, cancel_}) {
        dialogs::PrepareButton(button);
        button->setAutoDefault(false);
    }
    jump_->setDefault(true);
    // With no printed beam there is nothing to jump to.
    jump_->setEnabled(!lines.empty());
    if (preselected >= 1 && preselected <= list_->count()) list_->setCurrentRow(preselected - 1);

    connect(jump_, &QPushButton::clicked, this, &ResultListDialog::Jump);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        jump_->setEnabled(true);
        Jump();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        chosen_ = 0;
        cancelled_ = true;
        reject();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(jump_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(captions);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    setTabOrder(list_, jump_);
    setTabOrder(jump_, cancel_);
    list_->setFocus();
}

void ResultListDialog::Jump() {
    const int row = list_->currentRow();
    if (row < 0) return;
    chosen_ = row + 1;
    accept();
}

}  // namespace zel::qt
