#include "qt/dialogs/SpanTypeDialog.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/InputArea.h"
#include "lib/Version.h"
#include "qt/common/NumericField.h"
#include "qt/common/QtText.h"
#include "qt/common/WidgetMirror.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/dialogs/Dialogs.h"

namespace zel::qt {

namespace {

// The user-defined type last, under the six fixed ones.
constexpr std::array<int, 7> kOptionOrder{0, 1, 2, 3, 5, 6, kUserSpanType};
// Size the pictures are drawn at; a missing picture keeps its place empty.
constexpr QSize kPictureSize(360, 200);

}  // namespace

SpanTypeDialog::SpanTypeDialog(InputArea& area, const std::string& pictureFolder, QWidget* parent)
    : QDialog(parent),
      area_(area),
      model_(area),
      pictureFolder_(dialogs::PictureFolder(pictureFolder)) {
    setWindowTitle(ToQ(kProgramTitle));

    auto* typeBox = new QGroupBox(QStringLiteral("スパンタイプ"), this);
    auto* typeLayout = new QVBoxLayout(typeBox);
    auto* group = new QButtonGroup(this);
    for (int type : kOptionOrder) {
        auto* option = new QRadioButton(ToQ(SpanTypeDialogRules::OptionCaption(type)), typeBox);
        dialogs::PrepareButton(option);
        group->addButton(option, type);
        typeLayout->addWidget(option);
        options_[type] = option;
    }
    typeLayout->addStretch();
    connect(group, &QButtonGroup::idClicked, this, [this](int type) {
        model_.ClickOption(type);
        ShowModel();
    });

    picture_ = new QLabel(this);
    picture_->setFixedSize(kPictureSize);
    picture_->setObjectName(QStringLiteral("spanTypePicture"));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setFrameShape(QFrame::StyledPanel);

    auto* coefficients = new QHBoxLayout;
    const char* const labels[3] = {"左端", "中央", "右端"};
    for (int i = 0; i < 3; ++i) {
        fieldLabels_[i] = new QLabel(ToQ(labels[i]), this);
        fields_[i] = new QLineEdit(this);
        fields_[i]->setMaxLength(8);
        MakeNumericField(fields_[i]);
        fields_[i]->setAlignment(Qt::AlignRight);
        fields_[i]->setFixedWidth(80);
        fieldLabels_[i]->setBuddy(fields_[i]);
        dialogs::NameAfterLabel(fields_[i], fieldLabels_[i]->text());
        connect(fields_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { model_.SetCoefficientText(i, FromQ(text)); });
        coefficients->addWidget(fieldLabels_[i]);
        coefficients->addWidget(fields_[i]);
    }
    coefficients->addStretch();

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    cancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    for (QPushButton* b : {ok_, cancel_}) dialogs::PrepareButton(b);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &SpanTypeDialog::Ok);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(picture_);
    right->addLayout(coefficients);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(typeBox);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowModel();
}

void SpanTypeDialog::ShowModel() {
    const int type = model_.SelectedType();
    if (type >= 0 && type < 7) MirrorChecked(options_[type], true);
    const bool visible = model_.CoefficientsVisible();
    for (int i = 0; i < 3; ++i) {
        MirrorText(fields_[i], model_.CoefficientTexts()[i]);
        fields_[i]->setVisible(visible);
        fieldLabels_[i]->setVisible(visible);
    }
    picture_->setAccessibleName(
        ToQ(std::string(SpanTypeDialogRules::OptionCaption(model_.SelectedType())) + "のモーメント図"));
    const QPixmap pixmap(QDir(pictureFolder_).filePath(ToQ(model_.PictureFile())));
    if (pixmap.isNull())
        picture_->clear();
    else
        picture_->setPixmap(
            pixmap.scaled(kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void SpanTypeDialog::Ok() {
    model_.Ok(area_);
    stored_ = true;
    accept();
}

bool RunSpanTypeDialog(QWidget* parent, InputArea& area, const std::string& pictureFolder) {
    SpanTypeDialog dialog(area, pictureFolder, parent);
    dialog.exec();
    return dialog.Stored();
}

}  // namespace zel::qt
