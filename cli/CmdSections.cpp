// `zel sections`: the beam section list (梁断面リスト) as PDF, through the sheet exporter, or
// as DXF, which needs no Qt.
#include <algorithm>
#include <cctype>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>

#include "Commands.h"
#include "DrawingProgram.h"
#include "data/AtomicFile.h"
#include "lib/Paths.h"
#include "lib/Version.h"
#include "output/DrawingSheet.h"
#include "output/DxfWriter.h"
#include "output/SectionList.h"
#include "output/SheetComposer.h"

#ifdef ZEL_WITH_QT
#include "HeadlessGui.h"
#include "qt/sheet/SheetExporter.h"
#endif

namespace zel::cli {
namespace {

struct SectionsOptions {
    std::string input;
    std::string output;
    int scale = 20;
};

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y/%m/%d", &local);
    return text;
}

#ifdef ZEL_WITH_QT
void WritePdf(const Drawing& drawing, const SectionsOptions& options, const std::string& title) {
    const auto app = StartHeadlessGui();
    FixedFontMetrics metrics;  // nothing on these pages is laid out by measured text
    SheetDocument document(metrics);
    PaintDrawing(document, drawing);
    const qt::SheetExportResult pdf =
        qt::WriteSheetPdf(document, options.output, {}, {title, kProgramTitle});
    if (!pdf.Ok()) Fail(pdf.message);
}
#endif

void RunSections(const SectionsOptions& options) {
    const std::string extension = LowerExtension(options.output);
    if (extension != "pdf" && extension != "dxf")
        UsageMistake("-o: \"" + options.output + "\" must end in .pdf or .dxf");
#ifndef ZEL_WITH_QT
    // The PDF is drawn through Qt, the DXF needs none: only the PDF goes to zel-draw, before
    // anything is read or said.
    if (extension == "pdf") HandToDrawingProgram("write the section list as PDF");
#endif
    if (std::string refused = CheckOutputFile(options.output); !refused.empty())
        Fail("cannot write " + refused);
    Project project = LoadProjectOrFail(options.input);
    if (PrintedBeamSlots(project).empty()) Fail("no beam to draw in " + options.input);

    const Drawing drawing =
        ComposeSectionList(project, {options.scale, FileNameOf(options.input), Today()});
    if (extension == "dxf") {
        if (std::string error = WriteDxfFile(options.output, drawing); !error.empty())
            Fail("cannot write " + options.output + ": " + error);
    } else {
#ifdef ZEL_WITH_QT
        WritePdf(drawing, options, "梁断面リスト " + project.settings.sheetTitle);
#endif
    }
    std::cout << options.output << ": " << drawing.pages.size() << " page(s), "
              << PrintedBeamSlots(project).size() << " beam(s), 1:" << drawing.scale << '\n';
}

}  // namespace

void AddSectionsCommands(CLI::App& app) {
    auto options = std::make_shared<SectionsOptions>();
    CLI::App* cmd = app.add_subcommand(
        "sections",
        "Draw the beam section list (梁断面リスト) of a .Zel file as PDF or DXF (A3 landscape)");
    cmd->add_option("file", options->input, "data file (.Zel)")->required();
    cmd->add_option("-o,--output", options->output,
                    "file to write: .pdf (needs Qt) or .dxf (R2000, Shift-JIS texts)")
        ->required();
    cmd->add_option("--scale", options->scale, "drawing scale 1:N on the paper")
        ->check(CLI::Range(kMinSectionScale, kMaxSectionScale))
        ->capture_default_str();
    cmd->callback([options] { RunSections(*options); });
}

}  // namespace zel::cli
