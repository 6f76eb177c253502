// The GUI program: Qt's Japanese texts, the program folder, the main window, and a data file
// named on the command line (what opening a .Zel file from the desktop runs).
#include <QApplication>

#include "qt/common/AppSupport.h"
#include "qt/common/QtText.h"
#include "qt/main/FirstPaintExit.h"
#include "qt/main/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zel::qt::InstallJapaneseTranslation(app);
    zel::qt::MainWindow window;
    window.StartUp(zel::qt::FromQ(QCoreApplication::applicationDirPath()));
    zel::qt::ExitAfterFirstPaintIfAsked(&window);
    window.show();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1) window.OpenFile(zel::qt::FromQ(args.at(1)));
    return app.exec();
}
