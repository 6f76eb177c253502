#pragma once
// Sends pages of the composed sheet to a printer of the print system, without a dialog.
#include <string>
#include <vector>

#include "output/SheetDocument.h"
#include "output/SheetOutput.h"

namespace zel::qt {

struct SheetPrintResult {
    bool ok = false;
    // Why it failed: the program's own text, or the print system's answer; empty on success.
    std::string message;
};

class PrinterChoice;

// Prints pages first..last (1-based, inclusive) on the chosen printer, as it was set up, as
// one job titled `jobTitle`. Succeeds only when the print system accepted the job.
SheetPrintResult PrintSheetPages(const SheetDocument& document, int first, int last,
                                 PrinterChoice& printer, const std::string& jobTitle);
// The same on `printerName` with the print system's defaults.
SheetPrintResult PrintSheetPages(const SheetDocument& document, int first, int last,
                                 const std::string& printerName, const std::string& jobTitle);

// The program's printer as the preview prints to it: the choice the main window keeps from
// start to exit, the installed printers and PrintSheetPages.
class QtSheetPrinter final : public SheetPrinter {
  public:
    explicit QtSheetPrinter(PrinterChoice& choice) : choice_(choice) {}
    std::string Name() const override;
    std::vector<std::string> InstalledNames() const override;
    bool Choose(const std::string& name) override;
    SheetOutputResult Print(const SheetDocument& document, int first, int last,
                            const std::string& jobTitle) override;

  private:
    PrinterChoice& choice_;
};

}  // namespace zel::qt
