#include "qt/dialogs/DefaultsDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "data/BeamTexts.h"
#include "editor/InputArea.h"
#include "editor/MainController.h"
#include "lib/Version.h"
#include "qt/common/NumericField.h"
#include "qt/common/QtText.h"
#include "qt/common/WidgetMirror.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/SheetOptionsBox.h"

namespace zel::qt {

namespace {

// An option group whose buttons report their position (from 0).
QButtonGroup* MakeOptions(QWidget* owner, QLayout* layout,
                          std::initializer_list<const char*> captions) {
    auto* group = new QButtonGroup(owner);
    for (const char* caption : captions) {
        auto* option = new QRadioButton(ToQ(caption), layout->parentWidget());
        dialogs::PrepareButton(option);
        group->addButton(option, static_cast<int>(group->buttons().size()));
        layout->addWidget(option);
    }
    return group;
}

QRadioButton* OptionOf(const QButtonGroup* group, int id) {
    return qobject_cast<QRadioButton*>(group->button(id));
}

// Label, field and unit on one row of a grid.
QLineEdit* AddField(QGridLayout* grid, int row, const char* caption, const char* unit,
                    int maxLength) {
    QWidget* parent = grid->parentWidget();
    auto* label = new QLabel(ToQ(caption), parent);
    auto* field = new QLineEdit(parent);
    field->setMaxLength(maxLength);
    MakeNumericField(field);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(70);
    label->setBuddy(field);
    dialogs::NameAfterLabel(field, label->text());
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (unit) grid->addWidget(new QLabel(ToQ(unit), parent), row, 2);
    return field;
}

// Where `text` stands in `items`; -1 when it is not there.
int PositionOf(const std::vector<std::string>& items, const std::string& text) {
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

QComboBox* AddList(QGridLayout* grid, int row, const char* caption) {
    QWidget* parent = grid->parentWidget();
    auto* label = new QLabel(ToQ(caption), parent);
    auto* list = new QComboBox(parent);
    list->setCursor(Qt::PointingHandCursor);
    label->setBuddy(list);
    dialogs::NameAfterLabel(list, label->text());
    grid->addWidget(label, row, 0);
    grid->addWidget(list, row, 1, 1, 2);
    return list;
}

}  // namespace

DefaultsDialog::DefaultsDialog(MainController& controller, QWidget* parent)
    : QDialog(parent), controller_(controller), form_(OpenDefaultsForm(controller.Defaults())) {
    setWindowTitle(ToQ(kProgramTitle));

    auto* title = new QLabel(QStringLiteral("デフォルト値の設定"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    title->setFont(big);
    auto* note = new QLabel(
        QStringLiteral("ここで設定した項目・数値は、新規データ作成時から有効になります。"), this);

    tabs_ = new QTabWidget(this);
    tabs_->tabBar()->setCursor(Qt::PointingHandCursor);
    tabs_->setAccessibleName(QStringLiteral("デフォルト値の設定"));
    tabs_->addTab(BuildBarsPage(), QStringLiteral("鉄筋・コンクリート"));
    tabs_->addTab(BuildOutputPage(), QStringLiteral("出力設定（単位・見出し）"));

    store_ = new QPushButton(QStringLiteral("デフォルト として設定する"), this);
    cancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    for (QPushButton* b : {store_, cancel_}) {
        dialogs::PrepareButton(b);
        b->setAutoDefault(false);
    }
    connect(store_, &QPushButton::clicked, this, &DefaultsDialog::Store);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(store_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(note);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowForm();
}

QRadioButton* DefaultsDialog::MainGradeOption(int grade) const {
    return OptionOf(mainGradeGroup_, grade);
}
QRadioButton* DefaultsDialog::StirrupGradeOption(int grade) const {
    return OptionOf(stirrupGradeGroup_, grade);
}
QRadioButton* DefaultsDialog::RuleOption(int rule) const {
    return OptionOf(ruleGroup_, rule);
}
QRadioButton* DefaultsDialog::InputUnitOption(int option) const {
    return OptionOf(inputGroup_, option);
}
QRadioButton* DefaultsDialog::OutputUnitOption(int option) const {
    return OptionOf(outputGroup_, option);
}

std::array<DefaultsDialog::TextField, 5> DefaultsDialog::TextFields() const {
    return {{
        {ratio_, &DefaultsDialogForm::ratioText},
        {layers_, &DefaultsDialogForm::layersText},
        {legs_, &DefaultsDialogForm::legsText},
        {pitch_, &DefaultsDialogForm::pitchText},
        {fc_, &DefaultsDialogForm::fcText},
    }};
}

QGridLayout* DefaultsDialog::AddBarBox(QGroupBox* box, QButtonGroup*& grades) {
    auto* layout = new QVBoxLayout(box);
    auto* gradeRow = new QWidget(box);
    gradeRow->setLayout(new QHBoxLayout);
    gradeRow->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gradeRow);
    grades = MakeOptions(this, gradeRow->layout(),
                         {kGradeNames[0], kGradeNames[1], kGradeNames[2], kGradeNames[3]});
    auto* gridRow = new QWidget(box);
    auto* grid = new QGridLayout(gridRow);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(3, 1);
    layout->addWidget(gridRow);
    return grid;
}

QWidget* DefaultsDialog::BuildBarsPage() {
    auto* page = new QWidget;

    // "主筋"
    auto* mainBox = new QGroupBox(QStringLiteral("主筋"), page);
    QGridLayout* mainGrid = AddBarBox(mainBox, mainGradeGroup_);
    mainSize_ = AddList(mainGrid, 0, "鉄筋径");
    ratio_ = AddField(mainGrid, 1, "複筋比 γ", nullptr, 6);
    layers_ = AddField(mainGrid, 2, "許容段数", "段", 2);

    // "スターラップ"
    auto* stirrupBox = new QGroupBox(QStringLiteral("スターラップ"), page);
    QGridLayout* stirrupGrid = AddBarBox(stirrupBox, stirrupGradeGroup_);
    stirrupSize_ = AddList(stirrupGrid, 0, "鉄筋径");
    assembly_ = AddList(stirrupGrid, 1, "組立方法");
    for (int i = 0; i < 4; ++i) assembly_->addItem(ToQ(AssemblyMethodCaption(i)));
    legs_ = AddField(stirrupGrid, 2, "最大本数", "本", 2);
    pitch_ = AddField(stirrupGrid, 3, "最大ﾋﾟｯﾁ", "(mm)", 4);

    // "コンクリート"
    auto* concreteBox = new QGroupBox(QStringLiteral("コンクリート"), page);
    auto* concreteGrid = new QGridLayout(concreteBox);
    fc_ = AddField(concreteGrid, 0, "Fc", "(N/mm2)", 6);
    concreteGrid->addWidget(new QLabel(QStringLiteral("ＳＩ単位で設定"), concreteBox), 1, 0, 1, 3);
    concreteGrid->setColumnStretch(3, 1);

    // "引張側最小鉄筋量"
    auto* ruleBox = new QGroupBox(QStringLiteral("引張側最小鉄筋量"), page);
    auto* ruleLayout = new QVBoxLayout(ruleBox);
    ruleGroup_ =
        MakeOptions(this, ruleLayout,
                    {"最小引張鉄筋比 0.4%  (0.004・bd)", "存在応力から求めた鉄筋量の 4/3 倍"});

    auto* left = new QVBoxLayout;
    left->addWidget(mainBox);
    left->addWidget(stirrupBox);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(concreteBox);
    right->addWidget(ruleBox);
    right->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right);

    connect(mainGradeGroup_, &QButtonGroup::idClicked, this, [this](int grade) {
        ChooseDefaultsGrade(form_, true, grade);
        ShowForm();
    });
    connect(stirrupGradeGroup_, &QButtonGroup::idClicked, this, [this](int grade) {
        ChooseDefaultsGrade(form_, false, grade);
        ShowForm();
    });
    connect(mainSize_, &QComboBox::activated, this,
            [this](int) { form_.mainSizeText = FromQ(mainSize_->currentText()); });
    connect(stirrupSize_, &QComboBox::activated, this,
            [this](int) { form_.stirrupSizeText = FromQ(stirrupSize_->currentText()); });
    connect(assembly_, &QComboBox::activated, this,
            [this](int position) { form_.assemblyMethod = position; });
    connect(ruleGroup_, &QButtonGroup::idClicked, this,
            [this](int rule) { form_.ruleOption = rule; });
    for (const auto& [field, member] : TextFields()) {
        connect(field, &QLineEdit::textEdited, this,
                [this, member](const QString& text) { form_.*member = FromQ(text); });
    }
    return page;
}

QWidget* DefaultsDialog::BuildOutputPage() {
    auto* page = new QWidget;

    auto* inputBox = new QGroupBox(QStringLiteral("入力単位"), page);
    auto* inputLayout = new QVBoxLayout(inputBox);
    inputGroup_ =
        MakeOptions(this, inputLayout, {"従来工学単位 （ｋｇ，ｔ）", "ＳＩ単位 （Ｎ，ｋＮ）"});
    auto* outputBox = new QGroupBox(QStringLiteral("出力単位"), page);
    auto* outputLayout = new QVBoxLayout(outputBox);
    outputGroup_ =
        MakeOptions(this, outputLayout, {"従来工学単位 （ｋｇ，ｔ）", "ＳＩ単位 （Ｎ，ｋＮ）"});
    auto* units = new QHBoxLayout;
    units->addWidget(inputBox);
    units->addWidget(outputBox);

    sheetOptions_ =
        new SheetOptionsBox(form_.sheet, SheetOptionsBox::Arrangement::HeadingFirst, page);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(units);
    layout->addWidget(sheetOptions_);
    layout->addStretch();

    connect(inputGroup_, &QButtonGroup::idClicked, this,
            [this](int option) { form_.inputUnitOption = option; });
    connect(outputGroup_, &QButtonGroup::idClicked, this,
            [this](int option) { form_.outputUnitOption = option; });
    return page;
}

void DefaultsDialog::ShowForm() {
    MirrorOption(mainGradeGroup_, form_.mainGrade);
    MirrorOption(stirrupGradeGroup_, form_.stirrupGrade);
    MirrorList(mainSize_, form_.mainSizes, PositionOf(form_.mainSizes, form_.mainSizeText));
    MirrorList(stirrupSize_, form_.stirrupSizes,
               PositionOf(form_.stirrupSizes, form_.stirrupSizeText));
    MirrorListPosition(assembly_, form_.assemblyMethod);
    for (const auto& [field, member] : TextFields()) MirrorText(field, form_.*member);
    MirrorOption(ruleGroup_, form_.ruleOption);
    MirrorOption(inputGroup_, form_.inputUnitOption);
    MirrorOption(outputGroup_, form_.outputUnitOption);
    sheetOptions_->Show();
}

void DefaultsDialog::Store() {
    if (controller_.ConfirmDefaultsDialog(form_)) accept();
}

void RunDefaultsDialog(QWidget* parent, MainController& controller) {
    DefaultsDialog dialog(controller, parent);
    dialog.exec();
}

}  // namespace zel::qt
