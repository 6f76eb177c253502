#include "qt/input/InputAreaWidget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editor/InputArea.h"
#include "qt/common/QtText.h"
#include "qt/common/WidgetMirror.h"
#include "qt/input/BeamDiagramWidget.h"
#include "qt/input/FieldBinding.h"
#include "qt/input/FieldEdit.h"
#include "qt/input/LoadEditorWidget.h"

namespace zel::qt {

InputAreaWidget::InputAreaWidget(InputArea& area, QWidget* parent)
    : QWidget(parent), area_(area), binding_(new FieldBinding(area, this)) {
    connect(binding_, &FieldBinding::modelChanged, this, &InputAreaWidget::AfterModelCall);

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuildTopRow(), 0, 0, 1, 2);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildSections());
    grid->addLayout(left, 1, 0);
    diagram_ = new BeamDiagramWidget(this);
    diagram_->setObjectName(QStringLiteral("beamDiagram"));
    diagram_->setAccessibleName(QStringLiteral("梁の図"));
    grid->addWidget(diagram_, 1, 1);
    grid->addWidget(BuildFirstTabs(), 2, 0);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildSecondTabs());
    right->addWidget(BuildUnits());
    grid->addLayout(right, 2, 1);
    loads_ = new LoadEditorWidget(area_, *binding_, this);
    connect(loads_, &LoadEditorWidget::modelChanged, this, &InputAreaWidget::AfterModelCall);
    grid->addWidget(loads_, 3, 0, 1, 2);
    grid->addWidget(BuildCommands(), 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    Mirror();
}

FieldEdit* InputAreaWidget::AddField(Field field, const QString& accessibleName, QWidget* parent) {
    auto* edit = new FieldEdit(parent);
    edit->setObjectName(QStringLiteral("field%1").arg(FieldIndex(field)));
    edit->setAccessibleName(accessibleName);
    binding_->Bind(edit, field);
    edits_[static_cast<std::size_t>(FieldIndex(field))] = edit;
    return edit;
}

QButtonGroup* InputAreaWidget::Options(QWidget* parent, const std::vector<QString>& captions,
                                       const char* objectName, std::function<void(int)> select,
                                       const std::vector<const char*>& hints) {
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
        auto* option = new QRadioButton(captions[static_cast<std::size_t>(i)], parent);
        option->setObjectName(QStringLiteral("%1%2").arg(ToQ(objectName)).arg(i));
        if (i < static_cast<int>(hints.size()))
            option->setToolTip(ToQ(hints[static_cast<std::size_t>(i)]));
        group->addButton(option, i);
    }
    connect(group, &QButtonGroup::idClicked, this, [this, select](int id) {
        select(id);
        AfterModelCall();
    });
    return group;
}

QComboBox* InputAreaWidget::List(QWidget* parent, const char* accessibleName,
                                 const char* objectName, std::function<void(int)> select) {
    auto* box = new QComboBox(parent);
    box->setAccessibleName(ToQ(accessibleName));
    box->setObjectName(ToQ(objectName));
    connect(box, &QComboBox::activated, this, [this, select](int position) {
        select(position);
        AfterModelCall();
    });
    return box;
}

QWidget* InputAreaWidget::BuildTopRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(ToQ(FieldLabel(Field::MemberName)), row));
    FieldEdit* name = AddField(Field::MemberName, ToQ(FieldLabel(Field::MemberName)), row);
    name->setToolTip(ToQ(kMemberNameHint));
    name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QString(20, '0')));
    layout->addWidget(name);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(ToQ(FieldLabel(Field::Span)), row));
    FieldEdit* span = AddField(Field::Span, ToQ(FieldLabel(Field::Span)), row);
    span->setToolTip(ToQ(kSpanHint));
    span->setFixedWidth(70);
    layout->addWidget(span);
    layout->addWidget(new QLabel(ToQ(FieldUnit(Field::Span)), row));
    layout->addSpacing(12);
    support_ = Options(row, {ToQ(kSupportTypeCaptions[0]), ToQ(kSupportTypeCaptions[1])}, "support",
                       [this](int i) { area_.SelectSupportType(i); });
    for (QAbstractButton* b : support_->buttons()) layout->addWidget(b);
    layout->addSpacing(12);
    approximate_ = new QPushButton(ToQ("略算方法"), row);
    approximate_->setAccessibleName(ToQ("略算方法"));
    connect(approximate_, &QPushButton::clicked, this, &InputAreaWidget::spanTypeDialogRequested);
    layout->addWidget(approximate_);
    spanType_ = new QLabel(row);
    spanType_->setObjectName(QStringLiteral("spanTypeCaption"));
    spanType_->setFrameShape(QFrame::Panel);
    spanType_->setFrameShadow(QFrame::Sunken);
    spanType_->setMinimumWidth(spanType_->fontMetrics().horizontalAdvance(ToQ("多ｽﾊﾟﾝ(右外)")) +
                               12);
    layout->addWidget(spanType_);
    layout->addStretch();
    return row;
}

QWidget* InputAreaWidget::BuildSections() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(ToQ(kSectionUnitCaption), box), 0, 0);
    const std::array<const char*, 3> rows = {FieldLabel(Field::Breadth1), FieldLabel(Field::Depth1),
                                             FieldLabel(Field::Cover1)};
    for (int r = 0; r < 3; ++r)
        grid->addWidget(new QLabel(ToQ(rows[static_cast<std::size_t>(r)]), box), r + 1, 0);
    // Created column by column, so Tab goes down one section's B, D and cover, then its ｺﾋﾟｰ
    // button, then the next section: an engineer enters a section whole, from its drawing.
    for (int c = 0; c < 3; ++c) {
        auto* heading = new QLabel(box);
        heading->setObjectName(QStringLiteral("sectionHeading%1").arg(c));
        heading->setAlignment(Qt::AlignCenter);
        headings_[static_cast<std::size_t>(c)] = heading;
        grid->addWidget(heading, 0, 1 + 2 * c);
        const std::array<Field, 3> fields = {BreadthField(c), DepthField(c), CoverField(c)};
        for (int r = 0; r < 3; ++r) {
            const QString name =
                ToQ(rows[static_cast<std::size_t>(r)]) + QStringLiteral(" %1").arg(c + 1);
            FieldEdit* edit = AddField(fields[static_cast<std::size_t>(r)], name, box);
            edit->setFixedWidth(60);
            grid->addWidget(edit, r + 1, 1 + 2 * c);
        }
        if (c < 2) {
            auto* copy = new QPushButton(ToQ("ｺﾋﾟｰ"), box);
            copy->setObjectName(QStringLiteral("copy%1").arg(c));
            copy->setAccessibleName(QStringLiteral("ｺﾋﾟｰ %1").arg(c + 1));
            connect(copy, &QPushButton::clicked, this, [this, c] {
                area_.CopySection(c);
                AfterModelCall();
            });
            copy_[static_cast<std::size_t>(c)] = copy;
            grid->addWidget(copy, 2, 2 + 2 * c);
        }
    }
    auto* fcRow = new QHBoxLayout;
    fcRow->addWidget(new QLabel(ToQ(FieldLabel(Field::Fc)), box));
    FieldEdit* fc = AddField(Field::Fc, ToQ("Fc"), box);
    fc->setFixedWidth(50);
    fcRow->addWidget(fc);
    fcUnit_ = new QLabel(box);
    fcUnit_->setObjectName(QStringLiteral("fcUnit"));
    fcRow->addWidget(fcUnit_);
    fcRow->addStretch();
    grid->addLayout(fcRow, 4, 0, 1, 6);
    return box;
}

QWidget* InputAreaWidget::BuildFirstTabs() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("firstTabs"));
    // Named for the whole set, not after the tab in front.
    tabs->setAccessibleName(QStringLiteral("断面と鉄筋の条件"));

    auto* sectionPage = new QWidget(tabs);
    auto* sectionLayout = new QVBoxLayout(sectionPage);
    sections_ = Options(sectionPage, {QString(), QString(), QString()}, "sections",
                        [this](int i) { area_.SelectSectionCount(i); });
    for (QAbstractButton* b : sections_->buttons()) sectionLayout->addWidget(b);
    sectionLayout->addStretch();
    tabs->addTab(sectionPage, ToQ(kFirstTabCaptions[0]));

    const std::vector<QString> grades = {ToQ(kGradeCaptions[0]), ToQ(kGradeCaptions[1]),
                                         ToQ(kGradeCaptions[2]), ToQ(kGradeCaptions[3])};
    auto* mainPage = new QWidget(tabs);
    auto* mainGrid = new QGridLayout(mainPage);
    mainGrade_ =
        Options(mainPage, grades, "mainGrade", [this](int i) { area_.SelectMainBarGrade(i); });
    for (int i = 0; i < 4; ++i) mainGrid->addWidget(mainGrade_->button(i), 0, i);
    mainGrid->addWidget(new QLabel(ToQ("径"), mainPage), 1, 0);
    mainSize_ =
        List(mainPage, "主筋 径", "mainBarSize", [this](int i) { area_.SelectMainBarSize(i); });
    mainGrid->addWidget(mainSize_, 1, 1);
    mainGrid->addWidget(new QLabel(ToQ(FieldLabel(Field::CompressionRatio)), mainPage), 2, 0);
    FieldEdit* ratio =
        AddField(Field::CompressionRatio, ToQ(FieldLabel(Field::CompressionRatio)), mainPage);
    ratio->setFixedWidth(50);
    mainGrid->addWidget(ratio, 2, 1);
    mainGrid->addWidget(new QLabel(ToQ(FieldLabel(Field::BarLayers)), mainPage), 3, 0, 1, 2);
    FieldEdit* layers = AddField(Field::BarLayers, ToQ(FieldLabel(Field::BarLayers)), mainPage);
    layers->setFixedWidth(30);
    mainGrid->addWidget(layers, 3, 2);
    mainGrid->addWidget(new QLabel(ToQ(FieldUnit(Field::BarLayers)), mainPage), 3, 3);
    tabs->addTab(mainPage, ToQ(kFirstTabCaptions[1]));

    auto* stirrupPage = new QWidget(tabs);
    auto* stirrupGrid = new QGridLayout(stirrupPage);
    stirrupGrade_ = Options(stirrupPage, grades, "stirrupGrade",
                            [this](int i) { area_.SelectStirrupGrade(i); });
    for (int i = 0; i < 4; ++i) stirrupGrid->addWidget(stirrupGrade_->button(i), 0, i);
    stirrupGrid->addWidget(new QLabel(ToQ("径"), stirrupPage), 1, 0);
    stirrupSize_ = List(stirrupPage, "ｽﾀｰﾗｯﾌﾟ 径", "stirrupSize",
                        [this](int i) { area_.SelectStirrupSize(i); });
    stirrupGrid->addWidget(stirrupSize_, 1, 1);
    stirrupGrid->addWidget(new QLabel(ToQ("組立方法"), stirrupPage), 2, 0);
    assembly_ = List(stirrupPage, "組立方法", "assemblyMethod",
                     [this](int i) { area_.SelectAssemblyMethod(i); });
    for (int i = 0; i < 5; ++i) assembly_->addItem(ToQ(AssemblyMethodCaption(i)));
    stirrupGrid->addWidget(assembly_, 2, 1, 1, 3);
    const std::array<Field, 2> stirrupFields = {Field::StirrupLegs, Field::StirrupPitch};
    for (int i = 0; i < 2; ++i) {
        const Field f = stirrupFields[static_cast<std::size_t>(i)];
        stirrupGrid->addWidget(new QLabel(ToQ(FieldLabel(f)), stirrupPage), 3 + i, 0);
        FieldEdit* edit = AddField(f, ToQ(FieldLabel(f)), stirrupPage);
        edit->setFixedWidth(50);
        stirrupGrid->addWidget(edit, 3 + i, 1);
        stirrupGrid->addWidget(new QLabel(ToQ(FieldUnit(f)), stirrupPage), 3 + i, 2);
    }
    tabs->addTab(stirrupPage, ToQ(kFirstTabCaptions[2]));

    auto* rulePage = new QWidget(tabs);
    auto* ruleLayout = new QVBoxLayout(rulePage);
    minRebar_ = Options(rulePage,
                        {ToQ(kMinRebarRuleCaptions[0]), ToQ(kMinRebarRuleCaptions[1]),
                         ToQ(kMinRebarRuleCaptions[2])},
                        "minRebar", [this](int i) { area_.SelectMinRebarRule(i); });
    for (QAbstractButton* b : minRebar_->buttons()) ruleLayout->addWidget(b);
    ruleLayout->addStretch();
    tabs->addTab(rulePage, ToQ(kFirstTabCaptions[3]));
    return tabs;
}

QWidget* InputAreaWidget::BuildSecondTabs() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("secondTabs"));
    tabs->setAccessibleName(QStringLiteral("計算の条件"));

    auto* flagPage = new QWidget(tabs);
    auto* flagLayout = new QVBoxLayout(flagPage);
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(ToQ(kCalculationFlagCaptions[i]), flagPage);
        box->setObjectName(QStringLiteral("flag%1").arg(i));
        box->setToolTip(ToQ(kCalculationFlagHints[i]));
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
            area_.SetCalculationFlag(i, checked);
            AfterModelCall();
        });
        flags_[static_cast<std::size_t>(i)] = box;
        flagLayout->addWidget(box);
    }
    tabs->addTab(flagPage, ToQ(kSecondTabCaptions[0]));

    auto* momentPage = new QWidget(tabs);
    auto* momentGrid = new QGridLayout(momentPage);
    momentMode_ = Options(momentPage, {QString(), QString()}, "momentMode",
                          [this](int i) { area_.SelectMomentPositionMode(i); });
    momentGrid->addWidget(momentMode_->button(0), 0, 0);
    momentGrid->addWidget(momentMode_->button(1), 1, 0);
    for (QAbstractButton* b : momentMode_->buttons()) b->setToolTip(ToQ(kMomentPositionHint));
    FieldEdit* position =
        AddField(Field::MomentPosition, ToQ(FieldLabel(Field::MomentPosition)), momentPage);
    position->setFixedWidth(70);
    momentGrid->addWidget(position, 1, 1);
    momentUnit_ = new QLabel(momentPage);
    momentGrid->addWidget(momentUnit_, 1, 2);
    cantileverNote_ = new QLabel(momentPage);
    cantileverNote_->setStyleSheet(QStringLiteral("color: red;"));
    momentGrid->addWidget(cantileverNote_, 2, 0, 1, 3);
    tabs->addTab(momentPage, ToQ(kSecondTabCaptions[1]));

    auto* messagePage = new QWidget(tabs);
    auto* messageLayout = new QVBoxLayout(messagePage);
    for (int i = 0; i < 2; ++i) {
        auto* box = new QCheckBox(ToQ(kMessageOptionCaptions[i]), messagePage);
        box->setObjectName(QStringLiteral("messageOption%1").arg(i));
        if (i == 0) box->setToolTip(ToQ(kChangeMessageOptionHint));
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
            area_.SetMessageOption(i, checked);
            AfterModelCall();
        });
        messageOptions_[static_cast<std::size_t>(i)] = box;
        messageLayout->addWidget(box);
    }
    tabs->addTab(messagePage, ToQ(kSecondTabCaptions[2]));
    return tabs;
}

QWidget* InputAreaWidget::BuildUnits() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::vector<QString> captions = {ToQ(kUnitOptionCaptions[0]),
                                           ToQ(kUnitOptionCaptions[1])};
    auto unitBox = [&](const char* title, const char* name, std::function<void(int)> select,
                       const char* const* hints) {
        auto* box = new QGroupBox(ToQ(title), row);
        auto* boxLayout = new QHBoxLayout(box);
        QButtonGroup* group = Options(box, captions, name, select, {hints[0], hints[1]});
        for (QAbstractButton* b : group->buttons()) boxLayout->addWidget(b);
        layout->addWidget(box);
        return group;
    };
    inputUnits_ = unitBox(
        "入力単位", "inputUnits",
        [this](int i) { unitChooser_ ? unitChooser_(false, i) : area_.SelectInputUnits(i); },
        kInputUnitHints);
    outputUnits_ = unitBox(
        "出力単位", "outputUnits",
        [this](int i) { unitChooser_ ? unitChooser_(true, i) : area_.SelectOutputUnits(i); },
        kOutputUnitHints);
    return row;
}

QWidget* InputAreaWidget::BuildCommands() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto command = [&](const char* caption, MemberCommand which) {
        auto* button = new QPushButton(ToQ(caption), row);
        button->setAccessibleName(ToQ(caption));
        connect(button, &QPushButton::clicked, this,
                [this, which] { emit memberCommandClicked(which); });
        layout->addWidget(button);
        return button;
    };
    calcSheet_ = command("計算書", MemberCommand::CalcSheet);
    change_ = command("変  更", MemberCommand::ChangeMember);
    check_ = command("個 別ﾁｪｯｸ", MemberCommand::Check);
    editHint_ = new QLabel(row);
    layout->addWidget(editHint_);
    layout->addStretch();
    return row;
}

void InputAreaWidget::SetPictureFolder(const std::string& folder) {
    loads_->SetPictureFolder(folder);
    Mirror();
}

FieldEdit* InputAreaWidget::Edit(Field field) const {
    if (IsLoadField(field)) return loads_->LoadEdit(area_.CurrentLoadType(), LoadFieldIndex(field));
    return edits_[static_cast<std::size_t>(FieldIndex(field))];
}

void InputAreaWidget::AfterModelCall() {
    Mirror();
    emit modelChanged();
}

void InputAreaWidget::Mirror() {
    const InputAreaView& view = area_.View();
    for (int i = 0; i < kMemberFieldCount; ++i)
        MirrorText(edits_[static_cast<std::size_t>(i)], area_.Text(static_cast<Field>(i)));
    for (int c = 0; c < 3; ++c) {
        const auto i = static_cast<std::size_t>(c);
        headings_[i]->setText(ToQ(view.sectionHeading[i].caption));
        headings_[i]->setVisible(view.sectionHeading[i].visible);
        for (Field f : {BreadthField(c), DepthField(c), CoverField(c)})
            Edit(f)->setVisible(view.sectionColumnVisible[i]);
        QAbstractButton* option = sections_->button(c);
        option->setText(ToQ(view.sectionOption[i].caption));
        option->setAccessibleName(option->text());
        MirrorControl(option, view.sectionOption[i]);
    }
    for (int c = 0; c < 2; ++c)
        MirrorControl(copy_[static_cast<std::size_t>(c)],
                      view.copyButton[static_cast<std::size_t>(c)]);
    MirrorOption(sections_, area_.SectionOption());
    MirrorOption(support_, area_.SupportType());

    for (int m = 0; m < 2; ++m) {
        QAbstractButton* option = momentMode_->button(m);
        option->setText(ToQ(view.momentOption[static_cast<std::size_t>(m)].caption));
        option->setAccessibleName(option->text());
        MirrorControl(option, view.momentOption[static_cast<std::size_t>(m)]);
    }
    MirrorOption(momentMode_, area_.MomentPositionMode());
    cantileverNote_->setText(ToQ(view.cantileverNote.caption));
    cantileverNote_->setVisible(view.cantileverNote.visible);
    approximate_->setEnabled(view.approximateButton.enabled);
    spanType_->setText(ToQ(view.spanTypeCaption.caption));
    MirrorColours(spanType_, view.spanTypeCaption);
    FieldEdit* position = Edit(Field::MomentPosition);
    position->setEnabled(view.momentField.enabled);
    MirrorColours(position, view.momentField);
    momentUnit_->setText(ToQ(view.momentUnit.caption));
    momentUnit_->setEnabled(view.momentUnit.enabled);
    fcUnit_->setText(ToQ(view.fcUnit.caption));

    MirrorOption(mainGrade_, area_.MainBarGrade());
    MirrorOption(stirrupGrade_, area_.StirrupGrade());
    MirrorList(mainSize_, area_.MainBarSizes(), area_.MainBarSizePosition());
    MirrorList(stirrupSize_, area_.StirrupSizes(), area_.StirrupSizePosition());
    MirrorListPosition(assembly_, area_.AssemblyMethod());
    MirrorOption(minRebar_, area_.MinRebarRule());
    for (int i = 0; i < 3; ++i)
        MirrorChecked(flags_[static_cast<std::size_t>(i)], area_.CalculationFlag(i));
    const std::array<bool, 2> options = {area_.suppressChangeMessages,
                                         area_.suppressPreviewCloseMessage};
    for (int i = 0; i < 2; ++i)
        MirrorChecked(messageOptions_[static_cast<std::size_t>(i)],
                      options[static_cast<std::size_t>(i)]);
    MirrorOption(inputUnits_, area_.InputIsSI() ? 1 : 0);
    MirrorOption(outputUnits_, area_.OutputIsSI() ? 1 : 0);

    loads_->Mirror();
    diagram_->SetDiagram(area_.Diagram());

    calcSheet_->setEnabled(view.calcSheetButton.enabled);
    change_->setEnabled(view.changeMemberButton.enabled);
    check_->setEnabled(view.checkButton.enabled);
    editHint_->setText(ToQ(view.editHint.caption));
    editHint_->setEnabled(view.editHint.enabled);

    if (view.focusRequest) {
        const Field wanted = *view.focusRequest;
        area_.MutableView().focusRequest.reset();
        if (FieldEdit* edit = Edit(wanted)) edit->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace zel::qt
