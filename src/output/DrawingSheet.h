#pragma once
// A drawing (Drawing.h) on the pages of a canvas, at its scale on its paper: what the sheet
// exporter then shows, prints or writes as PDF.
#include "output/Drawing.h"
#include "output/PageCanvas.h"

namespace zel {

// Starts the document, sets A3 landscape (the drawing's paper) without margins and paints every
// drawing page on a page of its own.
void PaintDrawing(PageCanvas& canvas, const Drawing& drawing);

}  // namespace zel
