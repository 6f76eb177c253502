#include "qt/dialogs/DialogSupport.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QWidget>

#include "qt/common/QtText.h"

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

QString PictureFolder(const std::string& folder) {
    return folder.empty() ? QCoreApplication::applicationDirPath() : ToQ(folder);
}

}  // namespace zel::qt::dialogs
