#pragma once
// The whole calculation sheet of a project: page setup, two beams per page in list order
// (beams marked "この梁は計算しない" leave no gap), and the page of every printed beam.
#include <array>
#include <cstdint>
#include <functional>

#include "data/Project.h"
#include "output/PageCanvas.h"
#include "output/PageFurniture.h"
#include "output/SheetDocument.h"
#include "output/SheetPrimitives.h"

namespace zel {

// Page on which each beam slot (index 0 = slot 1) is printed; entries of beams not printed
// keep what they held.
using BeamPageTable = std::array<std::int32_t, kMaxBeams>;

// Called after each printed beam with the number placed so far and the number to place.
using SheetProgress = std::function<void(int placed, int total)>;

// A composed calculation sheet: the pages, the geometry they were composed against, the page of
// every printed beam and the settings used.
struct ComposedSheet {
    explicit ComposedSheet(const SheetFontMetrics& metrics) : document(metrics) {}

    SheetDocument document;  // refers to the metrics it was composed with
    SheetLayout layout;
    BeamPageTable pages{};  // 0 for beams that are not printed
    int pageCount = 0;
    PrintSettings print;
};

// The one way to compose the sheet: sets up the page, calculates and draws every printed beam
// and numbers the pages. The metrics must outlive the result. The project's placement flags and
// allowable stresses are updated by the calculation, as a calculation always does.
ComposedSheet ComposeSheet(Project& project, const SheetFontMetrics& metrics,
                           const PrintSettings& print, const SheetProgress& progress = {});
// With the print settings the project carries.
ComposedSheet ComposeSheet(Project& project, const SheetFontMetrics& metrics,
                           const SheetProgress& progress = {});

// The steps of ComposeSheet, for tests of a single step.
// Margins 2.5/2.0/2.0/2.5 cm, the sheet font at 10 points, A4 portrait; fills the printable
// area of the layout.
void SetUpSheetPage(PageCanvas& canvas, SheetLayout& layout, const PrintSettings& print);

// Composes every printed beam (calculating each just before it is drawn) and returns the page
// count. The canvas must have been set up with SetUpSheetPage.
int BuildSheetDocument(PageCanvas& canvas, Project& project, const PrintSettings& print,
                       SheetLayout& layout, BeamPageTable& pages,
                       const SheetProgress& progress = {});

// One beam at the top y (cm) of its half page: body, diagram, loads; records its page.
void DrawBeamSheet(PageCanvas& canvas, Project& project, int slot, float y, SheetLayout& layout,
                   BeamPageTable& pages);

// Slots of the printed beams in list order (beam count clamped to 0..50).
std::vector<int> PrintedBeamSlots(const Project& project);

}  // namespace zel
