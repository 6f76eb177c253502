#include "qt/print/SheetPrinting.h"

#include <cups/cups.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "lib/Version.h"
#include "qt/SheetFonts.h"
#include "qt/SheetRenderer.h"
#include "qt/print/Printers.h"

namespace zel {
namespace {

SheetPrintResult Failure(std::string message) {
    return {false, std::move(message)};
}

}  // namespace

SheetPrintResult PrintSheetPages(const SheetDocument& document, int first, int last,
                                 const std::string& printerName, const std::string& jobTitle) {
    first = std::max(1, first);
    last = std::min(document.PageCount(), last);
    if (first > last) return Failure("印刷するページがありません。");
    if (std::string problem = PrinterProblem(printerName); !problem.empty())
        return Failure(problem);

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QString::fromStdString(printerName));
    // Qt falls back to the default printer for a name it does not know; never print there.
    if (printer.outputFormat() != QPrinter::NativeFormat ||
        printer.printerName().toStdString() != printerName)
        return Failure("プリンター \"" + printerName + "\" が見つかりません。");
    printer.setDocName(QString::fromStdString(jobTitle));
    printer.setCreator(QString::fromUtf8(kProgramTitle));
    printer.setFullPage(true);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    document.Orientation() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0)));
    EnsureSheetFontsLoaded();
    QPainter painter;
    if (!painter.begin(&printer))
        return Failure("プリンター \"" + printerName + "\" へ出力できません。");
    ScalePainterToTwips(painter, printer.logicalDpiX(), printer.logicalDpiY());
    for (int page = first; page <= last; ++page) {
        if (page > first) printer.newPage();
        PaintSheetPage(painter, document, page - 1);
    }
    // The job goes to the server when the painter ends; its answer is only in libcups' last
    // error of this thread, because end() reports success either way.
    painter.end();
    if (const ipp_status_t status = cupsLastError(); status >= IPP_STATUS_ERROR_BAD_REQUEST) {
        const char* text = cupsLastErrorString();
        return Failure(text != nullptr && *text != '\0' ? text : ippErrorString(status));
    }
    return {true, {}};
}

}  // namespace zel
