#include "qt/dialogs/DialogSupport.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QPalette>
#include <QSignalBlocker>
#include <QWidget>

namespace zel::qt::dialogs {

void PrepareButton(QAbstractButton* button) {
    button->setCursor(Qt::PointingHandCursor);
    QString name = button->text();
    name.remove(QLatin1Char('&'));
    button->setAccessibleName(name);
}

void NameAfterLabel(QWidget* control, const QString& caption) {
    QString name = caption;
    name.remove(QLatin1Char('&'));
    control->setAccessibleName(name.trimmed());
}

void SetOptionChecked(QAbstractButton* option, bool checked) {
    QSignalBlocker block(option);
    // An exclusive group refuses to uncheck its checked button.
    QButtonGroup* group = option->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive && !checked) group->setExclusive(false);
    const bool autoExclusive = option->autoExclusive();
    if (!checked) option->setAutoExclusive(false);
    option->setChecked(checked);
    option->setAutoExclusive(autoExclusive);
    if (exclusive && !checked) group->setExclusive(true);
}

QColor ColourOf(ViewColour colour) {
    switch (colour) {
        case ViewColour::White:
            return QColor(255, 255, 255);
        case ViewColour::Face:
            return QColor(212, 208, 200);
        case ViewColour::LightGrey:
            return QColor(192, 192, 192);
        case ViewColour::Grey:
            return QColor(128, 128, 128);
        case ViewColour::Black:
            return QColor(0, 0, 0);
    }
    return QColor(255, 255, 255);
}

void ApplyFieldView(QWidget* field, const ControlView& view) {
    field->setEnabled(view.enabled);
    field->setVisible(view.visible);
    QPalette palette = field->palette();
    const QColor base = ColourOf(view.background);
    palette.setColor(QPalette::Active, QPalette::Base, base);
    palette.setColor(QPalette::Inactive, QPalette::Base, base);
    palette.setColor(QPalette::Disabled, QPalette::Base, base);
    field->setPalette(palette);
}

QString PictureFolder(const std::string& folder) {
    return folder.empty() ? QCoreApplication::applicationDirPath() : Q(folder);
}

}  // namespace zel::qt::dialogs
