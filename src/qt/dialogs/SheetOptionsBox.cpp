#include "qt/dialogs/SheetOptionsBox.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt/common/NumericField.h"
#include "qt/common/QtText.h"
#include "qt/common/WidgetMirror.h"
#include "qt/dialogs/DialogSupport.h"

namespace zel::qt {

namespace {

constexpr const char* kEmptyNote = "（不要の場合は、空欄にして下さい。）";

}  // namespace

SheetOptionsBox::SheetOptionsBox(SheetOptionsForm& form, Arrangement arrangement, QWidget* parent)
    : QGroupBox(QStringLiteral("計算書作成時の詳細設定"), parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    // Widgets are created in the order Tab visits them.
    if (arrangement == Arrangement::FontFirst) {
        layout->addWidget(BuildFontBox());

        auto* headingBox = new QGroupBox(QStringLiteral("計算書の見出し (最大 全角30文字)"), this);
        auto* headingLayout = new QVBoxLayout(headingBox);
        headingLayout->addWidget(BuildHeadingField(headingBox, 360));
        dialogs::NameAfterLabel(heading_, headingBox->title());
        headingLayout->addWidget(new QLabel(ToQ(kEmptyNote), headingBox));
        layout->addWidget(headingBox);

        auto* pageBox = new QGroupBox(QStringLiteral("ページ番号 (フッター)"), this);
        auto* pageLayout = new QHBoxLayout(pageBox);
        BuildPageNumberOptions(pageBox, pageLayout);
        pageLayout->addSpacing(24);
        BuildStartNumber(pageBox);
        pageLayout->addWidget(startLabel_);
        pageLayout->addWidget(start_);
        pageLayout->addStretch();
        layout->addWidget(pageBox);
    } else {
        auto* headingLabel = new QLabel(QStringLiteral("計算書の見出し (最大 30文字)"), this);
        layout->addWidget(headingLabel);
        layout->addWidget(BuildHeadingField(this, 380));
        headingLabel->setBuddy(heading_);
        dialogs::NameAfterLabel(heading_, headingLabel->text());

        layout->addWidget(BuildFontBox());

        auto* pageBox = new QGroupBox(QStringLiteral("ページ番号 (フッター)"), this);
        auto* pageLayout = new QGridLayout(pageBox);
        auto* optionRow = new QWidget(pageBox);
        auto* optionLayout = new QHBoxLayout(optionRow);
        optionLayout->setContentsMargins(0, 0, 0, 0);
        BuildPageNumberOptions(optionRow, optionLayout);
        optionLayout->addStretch();
        pageLayout->addWidget(optionRow, 0, 0, 1, 3);
        BuildStartNumber(pageBox);
        pageLayout->addWidget(startLabel_, 1, 0);
        pageLayout->addWidget(start_, 1, 1);
        pageLayout->addWidget(new QLabel(ToQ(kEmptyNote), pageBox), 1, 2);
        pageLayout->setColumnStretch(3, 1);
        layout->addWidget(pageBox);
    }
    Show();
}

QWidget* SheetOptionsBox::BuildFontBox() {
    auto* box = new QGroupBox(QStringLiteral("計算書印字フォント"), this);
    auto* layout = new QHBoxLayout(box);
    fontGroup_ = new QButtonGroup(this);
    const std::array<const char*, 2> captions = {"ＭＳ 明朝", "ＭＳ ゴシック"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(ToQ(captions[static_cast<std::size_t>(i)]), box);
        dialogs::PrepareButton(option);
        fontGroup_->addButton(option, i);
        layout->addWidget(option);
        fonts_[static_cast<std::size_t>(i)] = option;
    }
    layout->addStretch();
    connect(fontGroup_, &QButtonGroup::idClicked, this, [this](int i) { form_.fontOption = i; });
    return box;
}

QLineEdit* SheetOptionsBox::BuildHeadingField(QWidget* parent, int minimumWidth) {
    heading_ = new QLineEdit(parent);
    heading_->setMaxLength(30);
    heading_->setMinimumWidth(minimumWidth);
    connect(heading_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.heading = FromQ(text); });
    return heading_;
}

void SheetOptionsBox::BuildPageNumberOptions(QWidget* parent, QLayout* layout) {
    pageGroup_ = new QButtonGroup(this);
    // "付ける" on the left, "付けない" on the right.
    for (const auto& [option, caption] :
         {std::pair{kPageNumbersOn, "付ける"}, std::pair{kPageNumbersOff, "付けない"}}) {
        auto* button = new QRadioButton(ToQ(caption), parent);
        dialogs::PrepareButton(button);
        pageGroup_->addButton(button, option);
        layout->addWidget(button);
        pageNumbers_[static_cast<std::size_t>(option)] = button;
    }
    connect(pageGroup_, &QButtonGroup::idClicked, this, [this](int option) {
        ChoosePageNumberOption(form_, option);
        Show();
    });
}

void SheetOptionsBox::BuildStartNumber(QWidget* parent) {
    startLabel_ = new QLabel(QStringLiteral("開始ページ No."), parent);
    start_ = new QLineEdit(parent);
    start_->setMaxLength(6);
    MakeNumericField(start_);
    start_->setFixedWidth(70);
    start_->setAlignment(Qt::AlignRight);
    startLabel_->setBuddy(start_);
    dialogs::NameAfterLabel(start_, startLabel_->text());
    connect(start_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.startText = FromQ(text); });
}

void SheetOptionsBox::Show() {
    MirrorText(heading_, form_.heading);
    MirrorOption(fontGroup_, form_.fontOption);
    MirrorOption(pageGroup_, form_.pageNumberOption);
    MirrorText(start_, form_.startText);
    MirrorControl(startLabel_, form_.startLabel);
    MirrorControl(start_, form_.startField);
    MirrorColours(start_, form_.startField);
}

}  // namespace zel::qt
