#include "qt/common/WidgetMirror.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>

#include "qt/common/QtText.h"

namespace zel::qt {

void MirrorText(QLineEdit* field, const std::string& text) {
    const QString shown = ToQ(text);
    if (field->text() == shown) return;
    const QSignalBlocker block(field);
    field->setText(shown);
}

void MirrorChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked) return;
    const QSignalBlocker block(button);
    // An exclusive group or an auto-exclusive option refuses to uncheck its checked button.
    QButtonGroup* group = button->group();
    const bool exclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (!checked) {
        if (exclusive) group->setExclusive(false);
        button->setAutoExclusive(false);
    }
    button->setChecked(checked);
    if (!checked) {
        button->setAutoExclusive(autoExclusive);
        if (exclusive) group->setExclusive(true);
    }
}

void MirrorOption(QButtonGroup* group, int id) {
    const QSignalBlocker block(group);
    // The others first: checking the wanted option first would uncheck the old one unblocked.
    for (QAbstractButton* option : group->buttons())
        if (group->id(option) != id) MirrorChecked(option, false);
    if (QAbstractButton* wanted = group->button(id)) MirrorChecked(wanted, true);
}

void MirrorList(QComboBox* list, const std::vector<std::string>& items, int position) {
    QStringList texts;
    for (const std::string& item : items) texts << ToQ(item);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
    if (shown != texts) {
        const QSignalBlocker block(list);
        list->clear();
        list->addItems(texts);
    }
    MirrorListPosition(list, position);
}

void MirrorListPosition(QComboBox* list, int position) {
    if (position < 0 || position >= list->count()) position = -1;
    if (list->currentIndex() == position) return;
    const QSignalBlocker block(list);
    list->setCurrentIndex(position);
}

void MirrorLines(QListWidget* list, const std::vector<std::string>& lines, int row) {
    const QSignalBlocker block(list);
    bool same = list->count() == static_cast<int>(lines.size());
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == ToQ(lines[static_cast<std::size_t>(i)]);
    if (!same) {
        list->clear();
        for (const std::string& line : lines) list->addItem(ToQ(line));
    }
    list->setCurrentRow(row);
}

void MirrorControl(QWidget* widget, const ControlView& view) {
    widget->setEnabled(view.enabled);
    widget->setVisible(view.visible);
}

void MirrorColours(QWidget* widget, const ControlView& view) {
    const QString sheet =
        QStringLiteral("background-color: %1; color: %2;")
            .arg(ViewQColour(view.background).name(), ViewQColour(view.foreground).name());
    if (widget->styleSheet() != sheet) widget->setStyleSheet(sheet);
}

}  // namespace zel::qt
