#include "qt/print/PrinterPageSetup.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "editor/Prompter.h"
#include "qt/common/QtText.h"
#include "qt/print/Printers.h"

namespace zel::qt {

bool OpenPrinterPageSetup(QWidget* parent, Prompter& prompter, PrinterChoice& printer) {
    // A QPrinter named after a missing queue would quietly set up the default printer instead.
    // A queue that refuses jobs can still be set up.
    const std::vector<InstalledPrinter> installed = InstalledPrinters();
    const bool found =
        std::any_of(installed.begin(), installed.end(),
                    [&](const InstalledPrinter& p) { return p.name == printer.Name(); });
    if (!found) {
        prompter.ShowMessage(PrinterProblem(printer.Name()), kButtonsOk, kMessageTitle);
        return false;
    }
    // The print dialog of the platform is its printer set-up: paper, copies, sides and the
    // driver's properties. It sets up the program's own device, which every print then uses;
    // which pages to print is the preview's business.
    QPrinter& device = printer.Device();
    if (FromQ(device.printerName()) != printer.Name()) device.setPrinterName(ToQ(printer.Name()));
    QPrintDialog dialog(&device, parent);
    dialog.setObjectName("printerSetupDialog");
    dialog.setWindowTitle("ﾌﾟﾘﾝﾀｰの設定");
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("OK");
    if (dialog.exec() == QDialog::Accepted && device.outputFormat() == QPrinter::NativeFormat)
        printer.Choose(FromQ(device.printerName()));
    return true;
}

}  // namespace zel::qt
