#include "qt/dialogs/CheckViewDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "lib/Version.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/dialogs/Dialogs.h"

namespace zel::qt {

namespace {

// Light red and light blue of the sixteen-colour palette.
const QColor kFailedColour(255, 0, 0);
const QColor kOkColour(0, 0, 255);

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

CheckViewDialog::CheckViewDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQ(kProgramTitle));
    frame_ = new QGroupBox(this);
    auto* grid = new QGridLayout(frame_);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(8);
    const char* const rowHeadings[kRows] = {"", "上端筋", "下端筋", "スターラップ", "判  定"};
    for (int row = 0; row < kRows; ++row) {
        if (row > 0) grid->addWidget(new QLabel(ToQ(rowHeadings[row]), frame_), row, 0);
        for (int column = 0; column < 3; ++column) {
            auto* label = new QLabel(frame_);
            label->setAlignment(Qt::AlignCenter);
            label->setMinimumWidth(120);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(label, row, column + 1);
            cells_[row][column] = label;
        }
    }
    QFont bold = cells_[4][0]->font();
    bold.setBold(true);
    for (int column = 0; column < 3; ++column) cells_[4][column]->setFont(bold);

    error_ = new QLabel(this);
    error_->setWordWrap(true);
    error_->hide();

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    dialogs::PrepareButton(ok_);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addWidget(error_);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CheckViewDialog::ShowTexts(const CheckViewTexts& texts) {
    frame_->setTitle(ToQ(texts.caption));
    for (auto& row : cells_)
        for (QLabel* label : row) label->clear();
    const int columns = std::min<int>(3, static_cast<int>(texts.columns.size()));
    for (int column = 0; column < columns; ++column) {
        const CheckColumn& c = texts.columns[column];
        cells_[0][column]->setText(ToQ(c.heading));
        cells_[1][column]->setText(ToQ(c.topBars));
        cells_[2][column]->setText(ToQ(c.bottomBars));
        cells_[3][column]->setText(ToQ(c.stirrups));
        cells_[4][column]->setText(ToQ(c.judgement));
        SetTextColour(cells_[4][column], c.failed ? kFailedColour : kOkColour);
    }
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < kRows; ++row) cells_[row][column]->setVisible(column < columns);
    error_->setText(ToQ(texts.error));
    error_->setVisible(!texts.error.empty());
}

void RunCheckViewDialog(QWidget* parent, const CheckViewTexts& texts) {
    CheckViewDialog view(parent);
    view.ShowTexts(texts);
    view.exec();
}

}  // namespace zel::qt
