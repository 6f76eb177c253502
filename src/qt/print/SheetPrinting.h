#pragma once
// Sends pages of the composed sheet to a printer of the print system, without a dialog.
#include <string>

#include "output/SheetDocument.h"

namespace zel::qt {

struct SheetPrintResult {
    bool ok = false;
    // Why it failed: the program's own text, or the print system's answer; empty on success.
    std::string message;
};

// Prints pages first..last (1-based, inclusive) on `printerName` as one job titled
// `jobTitle`. Succeeds only when the print system accepted the job.
SheetPrintResult PrintSheetPages(const SheetDocument& document, int first, int last,
                                 const std::string& printerName, const std::string& jobTitle);

}  // namespace zel::qt
