// The GUI program.
#include <QApplication>
#include <QMainWindow>

#include "lib/Version.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QString::fromUtf8(zel::kProgramTitle) + QStringLiteral("   ") +
                          QString::fromUtf8(zel::kNewDataName));
    window.resize(1000, 700);
    window.show();
    return app.exec();
}
