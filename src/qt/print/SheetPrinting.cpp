#include "qt/print/SheetPrinting.h"

#include <cups/cups.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "lib/Version.h"
#include "qt/common/QtText.h"
#include "qt/print/Printers.h"
#include "qt/sheet/SheetExporter.h"
#include "qt/sheet/SheetFonts.h"

namespace zel::qt {
namespace {

SheetPrintResult Failure(std::string message) {
    return {false, std::move(message)};
}

}  // namespace

SheetPrintResult PrintSheetPages(const SheetDocument& document, int first, int last,
                                 PrinterChoice& choice, const std::string& jobTitle) {
    first = std::max(1, first);
    last = std::min(document.PageCount(), last);
    if (first > last) return Failure("印刷するページがありません。");
    const std::string& printerName = choice.Name();
    if (std::string problem = PrinterProblem(printerName); !problem.empty())
        return Failure(problem);

    QPrinter& printer = choice.Device();
    // The set-up may have turned the device into a file printer, or the queue was missing
    // when the device was made and has come back since.
    if (printer.outputFormat() != QPrinter::NativeFormat)
        printer.setOutputFormat(QPrinter::NativeFormat);
    if (FromQ(printer.printerName()) != printerName) printer.setPrinterName(ToQ(printerName));
    // Qt falls back to the default printer for a name it does not know; never print there.
    if (printer.outputFormat() != QPrinter::NativeFormat ||
        FromQ(printer.printerName()) != printerName)
        return Failure("プリンター \"" + printerName + "\" が見つかりません。");
    printer.setDocName(ToQ(jobTitle));
    printer.setCreator(ToQ(kProgramTitle));
    // The job goes to the server when the exporter ends its painter; the server's answer is
    // only in libcups' last error of this thread, because that end reports success either way.
    const SheetExportResult printed = PrintSheet(document, printer, {first, last});
    if (!printed.Ok()) return Failure(printed.message);
    if (const ipp_status_t status = cupsLastError(); status >= IPP_STATUS_ERROR_BAD_REQUEST) {
        const char* text = cupsLastErrorString();
        return Failure(text != nullptr && *text != '\0' ? text : ippErrorString(status));
    }
    return {true, {}};
}

SheetPrintResult PrintSheetPages(const SheetDocument& document, int first, int last,
                                 const std::string& printerName, const std::string& jobTitle) {
    PrinterChoice choice(printerName);
    return PrintSheetPages(document, first, last, choice, jobTitle);
}

std::string QtSheetPrinter::Name() const {
    return choice_.Name();
}

std::vector<std::string> QtSheetPrinter::InstalledNames() const {
    std::vector<std::string> names;
    for (const InstalledPrinter& printer : InstalledPrinters()) names.push_back(printer.name);
    return names;
}

bool QtSheetPrinter::Choose(const std::string& name) {
    return choice_.Choose(name);
}

SheetOutputResult QtSheetPrinter::Print(const SheetDocument& document, int first, int last,
                                        const std::string& jobTitle) {
    const SheetPrintResult printed =
        PrintSheetPages(document, first, last, choice_, jobTitle);
    return {printed.ok, printed.message};
}

}  // namespace zel::qt
