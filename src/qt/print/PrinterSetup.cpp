#include "qt/print/PrinterSetup.h"

#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>

#include "editor/Prompter.h"
#include "qt/print/Printers.h"

namespace zel::qt {

void OpenPrinterSetup(QWidget* parent, const PrinterChoice& printer) {
    if (printer.Name().empty()) {
        QMessageBox::information(parent, QString::fromUtf8(kMessageTitle),
                                 QStringLiteral("プリンターがインストールされていません。"));
        return;
    }
    QPrinter device(QPrinter::HighResolution);
    device.setPrinterName(QString::fromStdString(printer.Name()));
    QPageSetupDialog dialog(&device, parent);
    dialog.exec();
}

}  // namespace zel::qt
