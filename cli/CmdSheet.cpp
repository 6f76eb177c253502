// `zel sheet`, `zel check` and `zel list`: the calculation sheet as PDF or PNG pages, the check
// texts of every beam, and the result list with pages.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "Commands.h"
#include "calc/CalculateBeam.h"
#include "data/AtomicFile.h"
#include "data/ZelFile.h"
#include "lib/Paths.h"
#include "lib/ShiftJis.h"
#include "lib/Version.h"
#include "output/CheckViewTexts.h"
#include "output/PdfNaming.h"
#include "output/ResultListLines.h"
#include "output/SheetComposer.h"
#include "output/SheetDocument.h"

#ifdef ZEL_WITH_QT
#include "HeadlessGui.h"
#include "qt/sheet/SheetExporter.h"
#include "qt/sheet/SheetFonts.h"
#endif

namespace zel::cli {

// "3", "2-5", "4-" or "-2" -> first and last sheet page (1-based, inclusive; the printed page
// numbers may start elsewhere). With pageCount 0 only the form is checked.
void ParsePageRange(const std::string& text, int pageCount, int& first, int& last) {
    first = 1;
    last = pageCount;
    if (text.empty()) return;
    const auto dash = text.find('-');
    auto number = [&](const std::string& part, int fallback) {
        if (part.empty()) return fallback;
        std::size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(part, &used);
        } catch (const std::exception&) {
            UsageMistake("--pages: \"" + text + "\" is not a page range a-b");
        }
        if (used != part.size() || value < 1)
            UsageMistake("--pages: \"" + text + "\" is not a page range a-b");
        return value;
    };
    if (dash == std::string::npos) {
        first = last = number(text, 1);
    } else {
        first = number(text.substr(0, dash), 1);
        last = number(text.substr(dash + 1), pageCount > 0 ? pageCount : first);
    }
    if (first > last) UsageMistake("--pages: the range \"" + text + "\" is empty");
    if (pageCount <= 0) return;
    if (first > pageCount)
        UsageMistake("--pages: page " + std::to_string(first) + " does not exist (the sheet has " +
                     std::to_string(pageCount) + " pages, counted from 1)");
    if (last > pageCount) last = pageCount;
}

namespace {

// The page number printed in the footer of sheet page `page`, or 0 when none is printed.
int PrintedPageNumber(const Project& project, int page) {
    if (project.settings.pageNumberMode != 2) return 0;
    return page + project.settings.firstPageNumber - 1;
}

struct SheetOptions {
    std::string input;
    std::string output;
    std::string pages;
    std::string pngDir;
    int dpi = 150;
    bool quiet = false;
};

void RunSheet(const SheetOptions& options) {
#ifdef ZEL_WITH_QT
    int first = 1, last = 0;
    ParsePageRange(options.pages, 0, first, last);  // a mistake in the form is found at once
    std::string output = options.output;
    if (output.empty())
        output = JoinPath(FolderOf(options.input), ProposedPdfName(options.input) + ".pdf");
    if (std::string refused = CheckOutputFile(output); !refused.empty())
        Fail("cannot write " + refused);
    if (!options.pngDir.empty()) {
        if (std::string refused = CheckOutputFolder(options.pngDir); !refused.empty())
            Fail("cannot write into " + refused);
    }
    Project project = LoadProjectOrFail(options.input);
    if (PrintedBeamSlots(project).empty()) Fail("no beam to print in " + options.input);

    const auto app = StartHeadlessGui();

    qt::QtSheetFontMetrics metrics;
    // The progress line rewrites itself, so it is only for a terminal.
    const bool progress = !options.quiet && isatty(STDERR_FILENO) != 0;
    const ComposedSheet sheet = ComposeSheet(project, metrics, [&](int placed, int total) {
        if (progress)
            std::cerr << "\rzel: composing beam " << placed << " / " << total << std::flush;
    });
    const int pageCount = sheet.pageCount;
    if (progress) std::cerr << '\n';

    ParsePageRange(options.pages, pageCount, first, last);

    const qt::SheetPageRange range{first, last};
    const qt::SheetExportResult pdf =
        qt::WriteSheetPdf(sheet.document, output, range, {sheet.print.HeadingText, kProgramTitle});
    if (!pdf.Ok()) Fail(pdf.message);
    std::cout << output << ": " << pdf.pages << " page(s)\n";

    if (!options.pngDir.empty()) {
        const qt::SheetExportResult png =
            qt::WriteSheetPngs(sheet.document, options.pngDir, range, options.dpi);
        for (const std::string& path : png.files) std::cout << path << '\n';
        if (!png.Ok()) Fail(png.message);
    }
#else
    (void)options;
    Fail("this zel was built without Qt (ZEL_BUILD_GUI=OFF); it cannot write the sheet", 3);
#endif
}

void RunCheck(const std::string& input, bool why) {
    Project project = LoadProjectOrFail(input);
    const char* const rowNames[] = {"上端筋", "下端筋", "ｽﾀｰﾗｯﾌﾟ", "判  定"};
    for (int slot = 1; slot <= project.BeamCount(); ++slot) {
        const BeamRecord& beam = project.Beam(slot);
        if (beam.skipBeam != 0) {
            // Not calculated, so it has no bars and no judgement to show.
            std::cout << slot << ": [ " << beam.memberName << " ]  (この梁は計算しない)\n";
            continue;
        }
        const CalcResult result = CalculateBeam(project, slot);
        const CheckViewTexts texts = BuildCheckViewTexts(
            beam, result, project.placement[static_cast<std::size_t>(slot - 1)]);
        std::cout << slot << ": " << texts.caption << '\n';
        std::string line = PadRightToWidth("", 10);
        for (const CheckColumn& c : texts.columns) line += PadRightToWidth(c.heading, 20);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::cout << "  " << line << '\n';
        for (int row = 0; row < 4; ++row) {
            line = PadRightToWidth(rowNames[row], 10);
            for (const CheckColumn& c : texts.columns) {
                const std::string& cell = row == 0   ? c.topBars
                                          : row == 1 ? c.bottomBars
                                          : row == 2 ? c.stirrups
                                                     : c.judgement;
                line += PadRightToWidth(cell, 20);
            }
            while (!line.empty() && line.back() == ' ') line.pop_back();
            std::cout << "  " << line << '\n';
        }
        if (!texts.error.empty()) std::cout << "  計算できません: " << texts.error << '\n';
        if (why) {
            for (const std::string& whyLine : texts.whyLines) std::cout << "  " << whyLine << '\n';
        }
    }
}

void RunList(const std::string& input) {
    Project project = LoadProjectOrFail(input);
    // Pages follow from the order of the printed beams alone, so the layout needs no real fonts.
    FixedFontMetrics metrics;
    const ComposedSheet sheet = ComposeSheet(project, metrics);
    // The printed numbers are shown only where they differ from the sheet pages.
    const bool printed =
        project.settings.pageNumberMode == 2 && project.settings.firstPageNumber != 1;
    std::cout << "断面算定結果 一覧表\n";
    std::cout << PadRightToWidth(" 部材名", 19) << PadRightToWidth("判   定", 11) << "ﾍﾟｰｼﾞ"
              << (printed ? "  (印刷)" : "") << '\n';
    for (const ResultListEntry& entry : BuildResultList(project, sheet.pages)) {
        std::cout << entry.line;
        // --pages counts sheet pages; the footer may number them from elsewhere.
        if (printed) {
            const int page = sheet.pages[static_cast<std::size_t>(entry.slot - 1)];
            std::cout << "  (- " << PrintedPageNumber(project, page) << " -)";
        }
        std::cout << '\n';
    }
}

}  // namespace

void AddSheetCommands(CLI::App& app) {
    auto sheet = std::make_shared<SheetOptions>();
    CLI::App* cmd = app.add_subcommand(
        "sheet", "Write the calculation sheet of a .Zel file as PDF (A4, two beams a page)");
    cmd->add_option("file", sheet->input, "data file (.Zel)")->required();
    cmd->add_option("-o,--output", sheet->output,
                    "PDF to write (default: Zel_<name>.pdf beside the data file)");
    cmd->add_option("--pages", sheet->pages,
                    "sheet pages a-b, counted from 1 whatever number the footer prints "
                    "(`zel list` shows both; default: all pages)");
    cmd->add_option("--png", sheet->pngDir,
                    "also write each page as page-NNN.png into this folder");
    cmd->add_option("--dpi", sheet->dpi, "resolution of the PNG pages (10-1200)")
        ->check(CLI::Range(10, 1200))
        ->capture_default_str();
    cmd->add_flag("-q,--quiet", sheet->quiet,
                  "no progress line \"composing beam n / m\" on stderr (it is shown only when "
                  "stderr is a terminal)");
    cmd->callback([sheet] { RunSheet(*sheet); });

    auto checkInput = std::make_shared<std::string>();
    auto checkWhy = std::make_shared<bool>(false);
    CLI::App* check = app.add_subcommand(
        "check", "Print the section check of every beam (bars, stirrups, judgement)");
    check->add_option("file", *checkInput, "data file (.Zel)")->required();
    check->add_flag("--why", *checkWhy,
                    "also a line per design section: the rules that decided its bars, stirrups "
                    "and pitch, the utilisation ratios and why it failed");
    check->callback([checkInput, checkWhy] { RunCheck(*checkInput, *checkWhy); });

    auto listInput = std::make_shared<std::string>();
    CLI::App* list =
        app.add_subcommand("list", "Print the result list: member, judgement and sheet page");
    list->add_option("file", *listInput, "data file (.Zel)")->required();
    list->callback([listInput] { RunList(*listInput); });
}

}  // namespace zel::cli
