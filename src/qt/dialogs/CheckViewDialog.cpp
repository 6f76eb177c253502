#include "qt/dialogs/CheckViewDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

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

CheckViewDialog::CheckViewDialog(QWidget* parent, std::function<bool()> suggest)
    : QDialog(parent), suggest_(std::move(suggest)) {
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
    for (int column = 0; column < 3; ++column) {
        cells_[4][column]->setFont(bold);
        auto* failure = new QLabel(frame_);
        failure->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        failure->setWordWrap(true);
        failure->setMaximumWidth(180);
        failure->setTextInteractionFlags(Qt::TextSelectableByMouse);
        SetTextColour(failure, kFailedColour);
        grid->addWidget(failure, kRows, column + 1);
        failures_[column] = failure;
    }

    error_ = new QLabel(this);
    error_->setWordWrap(true);
    error_->hide();

    // What decided each section: for the checking engineer, in a smaller type.
    whyFrame_ = new QGroupBox(ToQ("決定要因と検定比"), this);
    auto* whyLayout = new QVBoxLayout(whyFrame_);
    why_ = new QLabel(whyFrame_);
    why_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    why_->setAccessibleName(whyFrame_->title());
    QFont small = why_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    why_->setFont(small);
    whyLayout->addWidget(why_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    dialogs::PrepareButton(ok_);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok_);
    if (suggest_) {
        suggestButton_ = new QPushButton(ToQ("断面を提案..."), this);
        suggestButton_->setObjectName(QStringLiteral("suggestButton"));
        dialogs::PrepareButton(suggestButton_);
        suggestButton_->setToolTip(
            ToQ("OKになる最小の断面 (せいを深く、次に幅を広く) を探して、入力エリアに入れます"));
        connect(suggestButton_, &QPushButton::clicked, this, [this] {
            if (suggest_()) accept();
        });
        buttons->addWidget(suggestButton_);
    }
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addWidget(error_);
    layout->addWidget(whyFrame_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CheckViewDialog::ShowTexts(const CheckViewTexts& texts) {
    frame_->setTitle(ToQ(texts.caption));
    for (auto& row : cells_)
        for (QLabel* label : row) label->clear();
    for (QLabel* label : failures_) label->clear();
    bool anyFailed = false;
    const int columns = std::min<int>(3, static_cast<int>(texts.columns.size()));
    for (int column = 0; column < columns; ++column) {
        const CheckColumn& c = texts.columns[column];
        cells_[0][column]->setText(ToQ(c.heading));
        cells_[1][column]->setText(ToQ(c.topBars));
        cells_[2][column]->setText(ToQ(c.bottomBars));
        cells_[3][column]->setText(ToQ(c.stirrups));
        cells_[4][column]->setText(ToQ(c.judgement));
        SetTextColour(cells_[4][column], c.failed ? kFailedColour : kOkColour);
        if (c.failed && static_cast<std::size_t>(column) < texts.failures.size())
            failures_[column]->setText(ToQ(texts.failures[static_cast<std::size_t>(column)]));
        anyFailed = anyFailed || c.failed;
    }
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < kRows; ++row) cells_[row][column]->setVisible(column < columns);
        failures_[column]->setVisible(!failures_[column]->text().isEmpty());
    }
    error_->setText(ToQ(texts.error));
    error_->setVisible(!texts.error.empty());
    QStringList why;
    for (const std::string& line : texts.whyLines) why << ToQ(line);
    why_->setText(why.join(QChar('\n')));
    whyFrame_->setVisible(!why.isEmpty());
    if (suggestButton_) suggestButton_->setVisible(anyFailed);
}

void RunCheckViewDialog(QWidget* parent, const CheckViewTexts& texts,
                        std::function<bool()> suggest) {
    CheckViewDialog view(parent, std::move(suggest));
    view.ShowTexts(texts);
    view.exec();
}

}  // namespace zel::qt
