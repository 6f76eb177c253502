#include "output/SheetComposer.h"

#include "calc/CalculateBeam.h"
#include "output/SheetBody.h"

namespace zel {

void SetUpSheetPage(PageCanvas& canvas, SheetLayout& layout, const PrintSettings& print) {
    canvas.SetMarginLeft("2.5cm");
    canvas.SetMarginTop("2.0cm");
    canvas.SetMarginRight("2.0cm");
    canvas.SetMarginBottom("2.5cm");
    layout.PrintFontSize = 10;
    layout.PrintFontName = SheetFontNameOf(print);
    canvas.SetFontName(layout.PrintFontName);
    canvas.SetFontSize(layout.PrintFontSize);
    canvas.SetPaperSize(kPaperA4);
    canvas.SetOrientation(0);
    ApplyPaperSetup(canvas, layout, 4, 0);
}

std::vector<int> PrintedBeamSlots(const Project& project) {
    std::vector<int> slots;
    for (int a = 1; a <= project.BeamCount(); ++a) {
        if (project.Beam(a).skipBeam == 0) slots.push_back(a);
    }
    return slots;
}

void DrawBeamSheet(PageCanvas& canvas, Project& project, int slot, float y, SheetLayout& layout,
                   BeamPageTable& pages) {
    const CalcResult result = CalculateBeam(project, slot);
    const BeamRecord& beam = project.Beam(slot);
    const PlacementFlags& flags = project.placement[static_cast<std::size_t>(slot - 1)];
    DrawSheetBody(canvas, beam, result, flags, project.settings, y);
    DrawBeamDiagram(canvas, layout, beam, project.settings, layout.PrintableWidthCm / 2.0f, y);
    pages[static_cast<std::size_t>(slot - 1)] = canvas.PageCount();
}

int BuildSheetDocument(PageCanvas& canvas, Project& project, const PrintSettings& print,
                       SheetLayout& layout, BeamPageTable& pages, const SheetProgress& progress) {
    canvas.SetPageStartHandler(
        [print](PageCanvas& c, int page) { SetPageHeaderFooter(c, print, page); });
    canvas.StartDoc();
    const std::vector<int> slots = PrintedBeamSlots(project);
    int n = 0;
    for (const int a : slots) {
        ++n;
        float y = 0.0f;
        if (n % 2 == 0) {
            y = layout.PrintableHeightCm / 2.0f;
        } else if (n > 1) {
            BeginSheetPage(canvas);
        }
        DrawBeamSheet(canvas, project, a, y, layout, pages);
        if (progress) progress(n, static_cast<int>(slots.size()));
    }
    canvas.EndDoc();
    return canvas.PageCount();
}

ComposedSheet ComposeSheet(Project& project, const SheetFontMetrics& metrics,
                           const PrintSettings& print, const SheetProgress& progress) {
    ComposedSheet sheet(metrics);
    sheet.print = print;
    sheet.print.PrintFontName = SheetFontNameOf(print);
    SetUpSheetPage(sheet.document, sheet.layout, sheet.print);
    sheet.pageCount = BuildSheetDocument(sheet.document, project, sheet.print, sheet.layout,
                                         sheet.pages, progress);
    return sheet;
}

ComposedSheet ComposeSheet(Project& project, const SheetFontMetrics& metrics,
                           const SheetProgress& progress) {
    return ComposeSheet(project, metrics, PrintSettingsOf(project), progress);
}

}  // namespace zel
