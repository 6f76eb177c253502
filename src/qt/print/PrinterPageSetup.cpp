#include "qt/print/PrinterPageSetup.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <algorithm>
#include <vector>

#include "editor/Prompter.h"
#include "qt/common/QtText.h"
#include "qt/print/Printers.h"

namespace zel::qt {

bool OpenPrinterPageSetup(QWidget* parent, Prompter& prompter, const PrinterChoice& printer) {
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
    QPrinter device(QPrinter::HighResolution);
    device.setPrinterName(ToQ(printer.Name()));
    QPageSetupDialog dialog(&device, parent);
    dialog.exec();
    return true;
}

}  // namespace zel::qt
