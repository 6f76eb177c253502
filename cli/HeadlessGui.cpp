#include "HeadlessGui.h"

#ifdef ZEL_WITH_QT
#include <cstdlib>
#include <iostream>

#include "qt/sheet/SheetFonts.h"

namespace zel::cli {

std::unique_ptr<QGuiApplication> StartHeadlessGui() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::cerr << "zel: " << message.toStdString() << '\n';
    });
    static int argc = 1;
    static char name[] = "zel";
    static char* argv[] = {name, nullptr};
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    if (!qt::EnsureSheetFontsLoaded()) {
        std::cerr
            << "zel: warning: the IPA fonts (fonts-ipafont-mincho, fonts-ipafont-gothic) are not "
               "installed; the sheet uses a substitute font\n";
    }
    return app;
}

}  // namespace zel::cli
#endif
