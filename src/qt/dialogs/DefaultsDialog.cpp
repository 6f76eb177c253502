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
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editor/InputArea.h"
#include "editor/MainController.h"
#include "lib/Version.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/dialogs/Dialogs.h"

namespace zel::qt {

using dialogs::Q;

namespace {

const char* const kGradeNames[4] = {"SD295", "SD345", "SR235", "SR295"};

// An option group whose buttons report their index.
template <std::size_t N>
QButtonGroup* MakeOptions(QWidget* owner, QLayout* layout, std::array<QRadioButton*, N>& options,
                          const std::array<const char*, N>& captions,
                          const std::array<int, N>& indices) {
    auto* group = new QButtonGroup(owner);
    for (std::size_t i = 0; i < N; ++i) {
        auto* option = new QRadioButton(Q(captions[i]), layout->parentWidget());
        dialogs::PrepareButton(option);
        group->addButton(option, indices[i]);
        layout->addWidget(option);
        options[indices[i]] = option;
    }
    return group;
}

// Label, field and unit on one row of a grid.
QLineEdit* AddField(QGridLayout* grid, int row, const char* caption, const char* unit,
                    int maxLength) {
    QWidget* parent = grid->parentWidget();
    auto* label = new QLabel(Q(caption), parent);
    auto* field = new QLineEdit(parent);
    field->setMaxLength(maxLength);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(70);
    label->setBuddy(field);
    dialogs::NameAfterLabel(field, label->text());
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (unit) grid->addWidget(new QLabel(Q(unit), parent), row, 2);
    return field;
}

QComboBox* AddList(QGridLayout* grid, int row, const char* caption) {
    QWidget* parent = grid->parentWidget();
    auto* label = new QLabel(Q(caption), parent);
    auto* list = new QComboBox(parent);
    list->setCursor(Qt::PointingHandCursor);
    label->setBuddy(list);
    dialogs::NameAfterLabel(list, label->text());
    grid->addWidget(label, row, 0);
    grid->addWidget(list, row, 1, 1, 2);
    return list;
}

void ShowList(QComboBox* list, const std::vector<std::string>& items, const std::string& text) {
    QSignalBlocker block(list);
    list->clear();
    for (const std::string& item : items) list->addItem(Q(item));
    list->setCurrentIndex(list->findText(Q(text)));
}

void ShowText(QLineEdit* field, const std::string& text) {
    if (field->text() == Q(text)) return;
    QSignalBlocker block(field);
    field->setText(Q(text));
}

}  // namespace

DefaultsDialog::DefaultsDialog(MainController& controller, QWidget* parent)
    : QDialog(parent), controller_(controller), form_(OpenDefaultsForm(controller.Defaults())) {
    setWindowTitle(Q(kProgramTitle));

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

QWidget* DefaultsDialog::BuildBarsPage() {
    auto* page = new QWidget;

    // "主筋"
    auto* mainBox = new QGroupBox(QStringLiteral("主筋"), page);
    auto* mainLayout = new QVBoxLayout(mainBox);
    auto* mainGradeWidget = new QWidget(mainBox);
    mainGradeWidget->setLayout(new QHBoxLayout);
    mainGradeWidget->layout()->setContentsMargins(0, 0, 0, 0);
    mainLayout->addWidget(mainGradeWidget);
    auto* mainGroup = MakeOptions<4>(
        this, mainGradeWidget->layout(), mainGrades_,
        {kGradeNames[0], kGradeNames[1], kGradeNames[2], kGradeNames[3]}, {0, 1, 2, 3});
    auto* mainGridWidget = new QWidget(mainBox);
    auto* mainGrid = new QGridLayout(mainGridWidget);
    mainGrid->setContentsMargins(0, 0, 0, 0);
    mainLayout->addWidget(mainGridWidget);
    mainSize_ = AddList(mainGrid, 0, "鉄筋径");
    ratio_ = AddField(mainGrid, 1, "複筋比 γ", nullptr, 6);
    layers_ = AddField(mainGrid, 2, "許容段数", "段", 2);
    mainGrid->setColumnStretch(3, 1);

    // "スターラップ"
    auto* stirrupBox = new QGroupBox(QStringLiteral("スターラップ"), page);
    auto* stirrupLayout = new QVBoxLayout(stirrupBox);
    auto* stirrupGradeWidget = new QWidget(stirrupBox);
    stirrupGradeWidget->setLayout(new QHBoxLayout);
    stirrupGradeWidget->layout()->setContentsMargins(0, 0, 0, 0);
    stirrupLayout->addWidget(stirrupGradeWidget);
    auto* stirrupGroup = MakeOptions<4>(
        this, stirrupGradeWidget->layout(), stirrupGrades_,
        {kGradeNames[0], kGradeNames[1], kGradeNames[2], kGradeNames[3]}, {0, 1, 2, 3});
    auto* stirrupGridWidget = new QWidget(stirrupBox);
    auto* stirrupGrid = new QGridLayout(stirrupGridWidget);
    stirrupGrid->setContentsMargins(0, 0, 0, 0);
    stirrupLayout->addWidget(stirrupGridWidget);
    stirrupSize_ = AddList(stirrupGrid, 0, "鉄筋径");
    assembly_ = AddList(stirrupGrid, 1, "組立方法");
    for (int i = 0; i < 4; ++i) assembly_->addItem(Q(AssemblyMethodCaption(i)));
    legs_ = AddField(stirrupGrid, 2, "最大本数", "本", 2);
    pitch_ = AddField(stirrupGrid, 3, "最大ﾋﾟｯﾁ", "(mm)", 4);
    stirrupGrid->setColumnStretch(3, 1);

    // "コンクリート"
    auto* concreteBox = new QGroupBox(QStringLiteral("コンクリート"), page);
    auto* concreteGrid = new QGridLayout(concreteBox);
    fc_ = AddField(concreteGrid, 0, "Fc", "(N/mm2)", 6);
    concreteGrid->addWidget(new QLabel(QStringLiteral("ＳＩ単位で設定"), concreteBox), 1, 0, 1, 3);
    concreteGrid->setColumnStretch(3, 1);

    // "引張側最小鉄筋量"
    auto* ruleBox = new QGroupBox(QStringLiteral("引張側最小鉄筋量"), page);
    auto* ruleLayout = new QVBoxLayout(ruleBox);
    auto* ruleGroup = MakeOptions<2>(
        this, ruleLayout, rules_,
        {"最小引張鉄筋比 0.4%  (0.004・bd)", "存在応力から求めた鉄筋量の 4/3 倍"}, {0, 1});

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

    connect(mainGroup, &QButtonGroup::idClicked, this, [this](int grade) {
        ChooseDefaultsGrade(form_, true, grade);
        ShowForm();
    });
    connect(stirrupGroup, &QButtonGroup::idClicked, this, [this](int grade) {
        ChooseDefaultsGrade(form_, false, grade);
        ShowForm();
    });
    connect(mainSize_, &QComboBox::activated, this,
            [this](int) { form_.mainSizeText = dialogs::S(mainSize_->currentText()); });
    connect(stirrupSize_, &QComboBox::activated, this,
            [this](int) { form_.stirrupSizeText = dialogs::S(stirrupSize_->currentText()); });
    connect(assembly_, &QComboBox::activated, this,
            [this](int position) { form_.assemblyMethod = position; });
    connect(ruleGroup, &QButtonGroup::idClicked, this,
            [this](int rule) { form_.ruleOption = rule; });
    const std::array<std::pair<QLineEdit*, std::string DefaultsDialogForm::*>, 5> fields{{
        {ratio_, &DefaultsDialogForm::ratioText},
        {layers_, &DefaultsDialogForm::layersText},
        {legs_, &DefaultsDialogForm::legsText},
        {pitch_, &DefaultsDialogForm::pitchText},
        {fc_, &DefaultsDialogForm::fcText},
    }};
    for (const auto& [field, member] : fields) {
        connect(field, &QLineEdit::textEdited, this,
                [this, member](const QString& text) { form_.*member = dialogs::S(text); });
    }
    return page;
}

QWidget* DefaultsDialog::BuildOutputPage() {
    auto* page = new QWidget;

    auto* inputBox = new QGroupBox(QStringLiteral("入力単位"), page);
    auto* inputLayout = new QVBoxLayout(inputBox);
    auto* inputGroup =
        MakeOptions<2>(this, inputLayout, inputUnits_,
                       {"従来工学単位 （ｋｇ，ｔ）", "ＳＩ単位 （Ｎ，ｋＮ）"}, {0, 1});
    auto* outputBox = new QGroupBox(QStringLiteral("出力単位"), page);
    auto* outputLayout = new QVBoxLayout(outputBox);
    auto* outputGroup =
        MakeOptions<2>(this, outputLayout, outputUnits_,
                       {"従来工学単位 （ｋｇ，ｔ）", "ＳＩ単位 （Ｎ，ｋＮ）"}, {0, 1});
    auto* units = new QHBoxLayout;
    units->addWidget(inputBox);
    units->addWidget(outputBox);

    auto* sheetBox = new QGroupBox(QStringLiteral("計算書作成時の詳細設定"), page);
    auto* sheetLayout = new QVBoxLayout(sheetBox);
    auto* headingLabel = new QLabel(QStringLiteral("計算書の見出し (最大 30文字)"), sheetBox);
    heading_ = new QLineEdit(sheetBox);
    heading_->setMaxLength(30);
    heading_->setMinimumWidth(380);
    headingLabel->setBuddy(heading_);
    dialogs::NameAfterLabel(heading_, headingLabel->text());
    sheetLayout->addWidget(headingLabel);
    sheetLayout->addWidget(heading_);

    auto* fontBox = new QGroupBox(QStringLiteral("計算書印字フォント"), sheetBox);
    auto* fontLayout = new QHBoxLayout(fontBox);
    auto* fontGroup =
        MakeOptions<2>(this, fontLayout, fonts_, {"ＭＳ 明朝", "ＭＳ ゴシック"}, {0, 1});
    fontLayout->addStretch();
    sheetLayout->addWidget(fontBox);

    auto* pageBox = new QGroupBox(QStringLiteral("ページ番号 (フッター)"), sheetBox);
    auto* pageLayout = new QGridLayout(pageBox);
    auto* optionRow = new QWidget(pageBox);
    auto* optionLayout = new QHBoxLayout(optionRow);
    optionLayout->setContentsMargins(0, 0, 0, 0);
    // "付ける" on the left, "付けない" on the right.
    auto* pageGroup = MakeOptions<2>(this, optionLayout, pageNumbers_, {"付ける", "付けない"},
                                     {kPageNumbersOn, kPageNumbersOff});
    optionLayout->addStretch();
    pageLayout->addWidget(optionRow, 0, 0, 1, 3);
    startLabel_ = new QLabel(QStringLiteral("開始ページ No."), pageBox);
    start_ = new QLineEdit(pageBox);
    start_->setMaxLength(6);
    start_->setFixedWidth(70);
    start_->setAlignment(Qt::AlignRight);
    startLabel_->setBuddy(start_);
    dialogs::NameAfterLabel(start_, startLabel_->text());
    pageLayout->addWidget(startLabel_, 1, 0);
    pageLayout->addWidget(start_, 1, 1);
    pageLayout->addWidget(
        new QLabel(QStringLiteral("（不要の場合は、空欄にして下さい。）"), pageBox), 1, 2);
    pageLayout->setColumnStretch(3, 1);
    sheetLayout->addWidget(pageBox);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(units);
    layout->addWidget(sheetBox);
    layout->addStretch();

    connect(inputGroup, &QButtonGroup::idClicked, this,
            [this](int option) { form_.inputUnitOption = option; });
    connect(outputGroup, &QButtonGroup::idClicked, this,
            [this](int option) { form_.outputUnitOption = option; });
    connect(fontGroup, &QButtonGroup::idClicked, this,
            [this](int option) { form_.fontOption = option; });
    connect(pageGroup, &QButtonGroup::idClicked, this, [this](int option) {
        ChooseDefaultsPageNumberOption(form_, option);
        ShowForm();
    });
    connect(heading_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.headingText = dialogs::S(text); });
    connect(start_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.startText = dialogs::S(text); });
    return page;
}

void DefaultsDialog::ShowForm() {
    dialogs::CheckOption(mainGrades_, form_.mainGrade);
    dialogs::CheckOption(stirrupGrades_, form_.stirrupGrade);
    ShowList(mainSize_, form_.mainSizes, form_.mainSizeText);
    ShowList(stirrupSize_, form_.stirrupSizes, form_.stirrupSizeText);
    {
        QSignalBlocker block(assembly_);
        assembly_->setCurrentIndex(
            form_.assemblyMethod >= 0 && form_.assemblyMethod < 4 ? form_.assemblyMethod : -1);
    }
    ShowText(ratio_, form_.ratioText);
    ShowText(layers_, form_.layersText);
    ShowText(legs_, form_.legsText);
    ShowText(pitch_, form_.pitchText);
    ShowText(fc_, form_.fcText);
    dialogs::CheckOption(rules_, form_.ruleOption);
    dialogs::CheckOption(inputUnits_, form_.inputUnitOption);
    dialogs::CheckOption(outputUnits_, form_.outputUnitOption);
    ShowText(heading_, form_.headingText);
    dialogs::CheckOption(fonts_, form_.fontOption);
    dialogs::CheckOption(pageNumbers_, form_.pageNumberOption);
    ShowText(start_, form_.startText);
    startLabel_->setEnabled(form_.startLabel.enabled);
    dialogs::ApplyFieldView(start_, form_.startField);
}

void DefaultsDialog::Store() {
    if (controller_.ConfirmDefaultsDialog(form_)) accept();
}

void RunDefaultsDialog(QWidget* parent, MainController& controller) {
    DefaultsDialog dialog(controller, parent);
    dialog.exec();
}

}  // namespace zel::qt
