#include "qt/input/LoadEditorWidget.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "editor/InputArea.h"
#include "lib/Paths.h"
#include "qt/common/QtText.h"
#include "qt/common/WidgetMirror.h"
#include "qt/input/FieldBinding.h"
#include "qt/input/FieldEdit.h"

namespace zel::qt {

namespace {

// Labels of a page's fields in page order; the last field of every type but 1 is H.
std::vector<QString> FieldLabels(int loadType) {
    const QString load = loadType == 1 ? QStringLiteral("P:") : QStringLiteral("w:");
    if (loadType == 1) return {load, QStringLiteral("L1:")};
    if (loadType == 5)
        return {load,
                QStringLiteral("L1:"),
                QStringLiteral("L2:"),
                QStringLiteral("L3:"),
                QStringLiteral("L4:"),
                QStringLiteral("H:")};
    return {load, QStringLiteral("L1:"), QStringLiteral("L2:"), QStringLiteral("H:")};
}

QFont FixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Half-width digits and blanks line up under the headings only in a fixed-pitch face.
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

}  // namespace

LoadEditorWidget::LoadEditorWidget(InputArea& area, FieldBinding& binding, QWidget* parent)
    : QWidget(parent), area_(area), binding_(binding) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* input = new QGroupBox(ToQ(kLoadInputFrame), this);
    auto* inputLayout = new QGridLayout(input);
    types_ = new QButtonGroup(this);
    auto* typeColumn = new QVBoxLayout;
    for (int type = 1; type <= 6; ++type) {
        auto* option = new QRadioButton(ToQ(LoadTypeCaption(type)), input);
        option->setObjectName(QStringLiteral("loadType%1").arg(type));
        types_->addButton(option, type - 1);
        typeColumn->addWidget(option);
    }
    typeColumn->addStretch();
    inputLayout->addLayout(typeColumn, 0, 0);
    stack_ = new QStackedWidget(input);
    for (int type = 1; type <= 6; ++type) stack_->addWidget(BuildPage(type));
    inputLayout->addWidget(stack_, 0, 1);
    connect(types_, &QButtonGroup::idClicked, this, [this](int id) {
        area_.SelectLoadType(id);
        emit modelChanged();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button(kAddLoadCaption, [](InputArea& a) { a.AddLoad(); }));
    change_ = Button("変更", [](InputArea& a) { a.ChangeLoad(); });
    buttons->addWidget(change_);
    buttons->addWidget(Button(kCancelClearCaption, [](InputArea& a) { a.CancelClearLoad(); }));
    delete_ = Button("削除", [](InputArea& a) { a.DeleteLoad(); });
    buttons->addWidget(delete_);
    fullSpan_ = Button("全ｽﾊﾟﾝ", [](InputArea& a) { a.FullSpan(); });
    // Shown only for some load types; its place is kept so that the row, and with it the
    // window, keeps its width.
    QSizePolicy keep = fullSpan_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    fullSpan_->setSizePolicy(keep);
    buttons->addWidget(fullSpan_);
    inputLayout->addLayout(buttons, 1, 0, 1, 2);
    layout->addWidget(input);

    auto* listBox = new QGroupBox(ToQ(kLoadListFrame), this);
    auto* listLayout = new QVBoxLayout(listBox);
    // Over the columns of the display line (type 1, load 9, height 8, lengths 7 each), counting
    // a full-width character as two columns.
    const QString headings =
        ToQ(std::string(kLoadListHeadings[0]) + "  " + kLoadListHeadings[1] + "    " +
            kLoadListHeadings[2] + "  " + kLoadListHeadings[3] + "  " + kLoadListHeadings[4] +
            "  " + kLoadListHeadings[5] + "  " + kLoadListHeadings[6]);
    auto* heading = new QLabel(headings, listBox);
    heading->setFont(FixedPitchFont());
    listLayout->addWidget(heading);
    list_ = new QListWidget(listBox);
    list_->setObjectName(QStringLiteral("loadList"));
    list_->setFont(FixedPitchFont());
    list_->setAccessibleName(ToQ(kLoadListFrame));
    list_->setMinimumWidth(QFontMetrics(list_->font()).horizontalAdvance(QString(50, 'M')) + 24);
    listLayout->addWidget(list_);
    // After 荷重追加, 変更 or 削除 a line is current without being open; a click opens it all
    // the same. The keys move the current line.
    const auto open = [this](int row) {
        if (row < 0) return;
        area_.SelectLoad(row);
        emit modelChanged();
    };
    connect(list_, &QListWidget::currentRowChanged, this, open);
    connect(list_, &QListWidget::itemClicked, this,
            [this, open](QListWidgetItem* item) { open(list_->row(item)); });
    auto* counterRow = new QHBoxLayout;
    counterRow->addWidget(new QLabel(ToQ(kLoadCounterLabel), listBox));
    counter_ = new QLabel(listBox);
    counter_->setObjectName(QStringLiteral("loadCounter"));
    counterRow->addWidget(counter_);
    counterRow->addStretch();
    listLayout->addLayout(counterRow);
    layout->addWidget(listBox, 1);
}

QWidget* LoadEditorWidget::BuildPage(int loadType) {
    auto* page = new QWidget(stack_);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    Page& p = pages_[static_cast<std::size_t>(loadType - 1)];
    p.picture = new QLabel(page);
    p.picture->setFixedSize(200, 110);
    p.picture->setAlignment(Qt::AlignCenter);
    p.picture->setObjectName(QStringLiteral("loadPicture%1").arg(loadType));
    // "4:等分布荷重" shows 等分布荷重.
    p.picture->setAccessibleName(ToQ(std::string(LoadTypeCaption(loadType)).substr(2) + "の図"));
    grid->addWidget(p.picture, 0, 0, 1, 6);
    const std::vector<QString> labels = FieldLabels(loadType);
    for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
        const int row = 1 + i / 2;
        const int col = (i % 2) * 3;
        grid->addWidget(new QLabel(labels[static_cast<std::size_t>(i)], page), row, col);
        auto* edit = new FieldEdit(page);
        edit->setObjectName(QStringLiteral("load%1_%2").arg(loadType).arg(i));
        edit->setAccessibleName(labels[static_cast<std::size_t>(i)]);
        edit->setFixedWidth(70);
        binding_.Bind(edit, LoadField(i));
        p.edits[static_cast<std::size_t>(i)] = edit;
        grid->addWidget(edit, row, col + 1);
        auto* unit = new QLabel(i == 0 ? QString() : QStringLiteral("(m)"), page);
        if (i == 0) {
            // The load unit is filled in only when its page is shown; room for the widest
            // keeps every page, and so the window, as wide as the widest load type needs.
            int widest = 0;
            for (const bool si : {false, true})
                for (const int type : {1, 2})
                    widest = std::max(widest, unit->fontMetrics().horizontalAdvance(
                                                  ToQ(LoadUnitCaption(si, type))));
            unit->setMinimumWidth(widest);
            p.unit = unit;
        }
        grid->addWidget(unit, row, col + 2);
    }
    grid->setRowStretch(4, 1);
    return page;
}

QPushButton* LoadEditorWidget::Button(const char* caption, std::function<void(InputArea&)> action) {
    auto* button = new QPushButton(ToQ(caption), this);
    button->setAccessibleName(ToQ(caption));
    connect(button, &QPushButton::clicked, this, [this, action] {
        action(area_);
        emit modelChanged();
    });
    return button;
}

void LoadEditorWidget::SetPictureFolder(const std::string& folder) {
    pictureFolder_ = folder;
    pictures_.clear();
}

FieldEdit* LoadEditorWidget::LoadEdit(int loadType, int index) const {
    if (loadType < 1 || loadType > 6 || index < 0 || index > 5) return nullptr;
    return pages_[static_cast<std::size_t>(loadType - 1)].edits[static_cast<std::size_t>(index)];
}

void LoadEditorWidget::ShowPicture(QLabel* label, const std::string& file) {
    auto found = pictures_.find(file);
    if (found == pictures_.end()) {
        // A missing picture leaves the page without one; the editor works all the same.
        QPixmap pixmap(ToQ(JoinPath(pictureFolder_, file)));
        if (!pixmap.isNull())
            pixmap = pixmap.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        found = pictures_.emplace(file, pixmap).first;
    }
    label->setPixmap(found->second);
}

void LoadEditorWidget::Mirror() {
    const InputAreaView& view = area_.View();
    const int type = area_.CurrentLoadType();
    MirrorOption(types_, type - 1);
    stack_->setCurrentIndex(type - 1);
    Page& page = pages_[static_cast<std::size_t>(type - 1)];
    for (int i = 0; i < 6; ++i) {
        if (FieldEdit* edit = page.edits[static_cast<std::size_t>(i)])
            MirrorText(edit, area_.LoadPageText(type, i));
    }
    page.unit->setText(ToQ(view.loadUnit.caption));
    ShowPicture(page.picture, view.loadPicture);
    fullSpan_->setVisible(view.fullSpanButton.visible);
    fullSpan_->setEnabled(view.fullSpanButton.enabled);
    change_->setEnabled(view.changeLoadButton.enabled);
    delete_->setEnabled(view.deleteLoadButton.enabled);

    MirrorLines(list_, area_.LoadLines(), area_.SelectedLoad());
    counter_->setText(ToQ(view.loadCounter.caption));
}

}  // namespace zel::qt
