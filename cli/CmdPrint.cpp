// `zel print`: the calculation sheet straight to a printer of the print system, and the list of
// installed printers. The exit code is 0 only when the print system accepted the job.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "Commands.h"
#include "DrawingProgram.h"

#ifdef ZEL_WITH_QT
#include <QPrinter>

#include "HeadlessGui.h"
#include "lib/Paths.h"
#include "output/SheetComposer.h"
#include "output/SheetDocument.h"
#include "qt/print/Printers.h"
#include "qt/print/SheetPrinting.h"
#include "qt/sheet/SheetFonts.h"
#endif

namespace zel::cli {
namespace {

struct PrintOptions {
    std::string input;
    std::string printer;
    std::string pages;
    int copies = 0;       // 0: the printer's own default
    std::string duplex;   // "long", "short", "none"; empty: the printer's own default
    bool list = false;
};

#ifdef ZEL_WITH_QT
// Messages meant for a message box break lines with "\r".
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

void ListPrinters() {
    const std::vector<qt::InstalledPrinter> printers = qt::InstalledPrinters();
    if (printers.empty()) {
        std::cerr << "zel: no printer is installed\n";
        return;
    }
    for (const qt::InstalledPrinter& printer : printers)
        std::cout << (printer.isDefault ? "* " : "  ") << printer.name << '\n';
}

void RunPrint(const PrintOptions& options) {
    if (options.list) {
        if (!options.input.empty() || !options.printer.empty() || !options.pages.empty() ||
            options.copies != 0 || !options.duplex.empty())
            Fail("--list takes no file, --printer, --pages, --copies or --duplex", 2);
        ListPrinters();
        return;
    }
    if (options.input.empty()) Fail("print needs a data file (or --list)", 2);
    Project project = LoadProjectOrFail(options.input);
    if (PrintedBeamSlots(project).empty()) Fail("no beam to print in " + options.input);
    const std::string printer =
        options.printer.empty() ? qt::DefaultPrinterName() : options.printer;
    if (printer.empty())
        Fail(qt::InstalledPrinters().empty() ? "no printer is installed"
                                             : "no default printer; choose one with --printer");
    // Before composing, so that a wrong name fails at once.
    if (const std::string problem = qt::PrinterProblem(printer); !problem.empty())
        Fail(OneLine(problem));

    const auto app = StartHeadlessGui();

    qt::QtSheetFontMetrics metrics;
    const ComposedSheet sheet = ComposeSheet(project, metrics);
    int first = 1, last = sheet.pageCount;
    ParsePageRange(options.pages, sheet.pageCount, first, last);

    qt::PrinterChoice choice(printer);
    QPrinter& device = choice.Device();
    if (options.copies > 0) device.setCopyCount(options.copies);
    if (!options.duplex.empty()) {
        const QPrinter::DuplexMode mode = options.duplex == "long"    ? QPrinter::DuplexLongSide
                                          : options.duplex == "short" ? QPrinter::DuplexShortSide
                                                                      : QPrinter::DuplexNone;
        // Qt keeps a mode the printer does not offer to itself and prints one-sided.
        device.setDuplex(mode);
        if (device.duplex() != mode) Fail("printer " + printer + " cannot print two-sided");
    }

    const std::string title = "Zel_" + FileNameOf(options.input);
    const qt::SheetPrintResult result =
        qt::PrintSheetPages(sheet.document, first, last, choice, title);
    if (!result.ok) Fail("printing failed: " + OneLine(result.message));
    std::cout << options.input << ": " << (last - first + 1) << " page(s) sent to " << printer
              << '\n';
}
#else
void RunPrint(const PrintOptions&) {
    HandToDrawingProgram("print");
}
#endif

}  // namespace

void AddPrintCommands(CLI::App& app) {
    auto options = std::make_shared<PrintOptions>();
    CLI::App* cmd = app.add_subcommand(
        "print", "Print the calculation sheet of a .Zel file, or list the printers (--list)");
    cmd->add_option("file", options->input, "data file (.Zel)");
    cmd->add_option("--printer", options->printer, "printer to use (default: the system default)");
    cmd->add_option("--pages", options->pages, "page range a-b (default: all pages)");
    cmd->add_option("--copies", options->copies, "number of copies (default: the printer's)")
        ->check(CLI::Range(1, 999));
    cmd->add_option("--duplex", options->duplex,
                    "two-sided printing: long, short (edge to turn over) or none")
        ->check(CLI::IsMember({"long", "short", "none"}));
    cmd->add_flag("--list", options->list, "list the installed printers; * marks the default");
    cmd->callback([options] { RunPrint(*options); });
}

}  // namespace zel::cli
