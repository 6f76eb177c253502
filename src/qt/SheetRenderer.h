#pragma once
// Paints the pages of a SheetDocument with QPainter: the same code serves the preview, the
// printer, PDF files and PNG pictures.
#include <QPainter>
#include <QString>
#include <string>

#include "output/SheetDocument.h"

class QPaintDevice;

namespace zel {

// Paints page `index` (0-based) on a painter whose coordinates are twips of the page (origin
// at the top-left corner of the paper). The caller fills the background if it needs to.
void PaintSheetPage(QPainter& painter, const SheetDocument& document, int index);

// Scales the painter from device pixels to twips for a device of the given resolution.
void ScalePainterToTwips(QPainter& painter, double dotsPerInchX, double dotsPerInchY);

}  // namespace zel
