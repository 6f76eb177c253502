#include "qt/common/AppSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTabBar>
#include <QTranslator>
#include <QWidget>

#include "lib/Paths.h"
#include "qt/common/QtText.h"

namespace zel::qt {

bool InstallJapaneseTranslation(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QStringLiteral("/usr/share/qt6/translations")};
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_ja"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

QIcon ProgramIcon(const std::string& programFolder) {
    for (const char* name : {"KAVOZel.ICO", "KAVOZel.png", "KAVOZel.svg"}) {
        const QString path = ToQ(JoinPath(programFolder, name));
        if (QFileInfo::exists(path)) {
            QIcon icon(path);
            if (!icon.isNull()) return icon;
        }
    }
    return QIcon();
}

void WaitCursorDepth::Set(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++depth_;
    } else if (depth_ > 0) {
        QApplication::restoreOverrideCursor();
        --depth_;
    }
}

void SetPointingHandCursors(QWidget* root) {
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        button->setCursor(Qt::PointingHandCursor);
    for (QTabBar* tabs : root->findChildren<QTabBar*>()) tabs->setCursor(Qt::PointingHandCursor);
}

}  // namespace zel::qt
