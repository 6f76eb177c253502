#pragma once
// The one exporter of the calculation sheet: every way a composed sheet (ComposeSheet) leaves
// the program goes through here.
//
//   RenderSheetPage  paints one page on any QPainter (the preview's page view, a printer, a
//                    picture); the painter's coordinates must be twips from the paper's corner,
//                    which ScalePainterToTwips sets up for a device of a given resolution.
//   PrintSheet       prints a page range on a QPrinter, using the whole paper (the pages are
//                    drawn from the paper's corner, so the printer's margins must not move them).
//   WriteSheetPdf    writes a page range as a PDF with the fonts embedded; the file is written
//                    beside the target and renamed at the end, so an old file survives a failure.
//   WriteSheetPng(s) writes pages as PNG pictures on white.
//
// Pages are numbered from 1; a range beyond the document is cut to it. Every export returns a
// SheetExportResult: what failed and a message for the user, never a bare bool. All of it needs
// a QGuiApplication (fonts).
#include <climits>
#include <string>
#include <vector>

#include "output/SheetDocument.h"
#include "output/SheetOutput.h"

class QPainter;
class QPrinter;
class QPageLayout;

namespace zel::qt {

struct SheetPageRange {
    int first = 1;
    int last = INT_MAX;
};

struct SheetExportResult {
    enum class Failure {
        None,
        NoPages,       // the range holds no page of the document
        CannotCreate,  // the file or folder cannot be created
        CannotStart,   // the printer or PDF device does not start
        CannotFinish,  // writing or printing failed on the way; nothing was replaced
    };
    Failure failure = Failure::None;
    std::string message;             // what failed and why, in Japanese; empty when ok
    int pages = 0;                   // pages drawn
    std::vector<std::string> files;  // files written, in page order

    bool Ok() const { return failure == Failure::None; }
};

struct SheetPdfInfo {
    std::string title;    // document title shown by PDF viewers
    std::string creator;  // program that made it
};

void RenderSheetPage(QPainter& painter, const SheetDocument& document, int page);
void ScalePainterToTwips(QPainter& painter, double dotsPerInchX, double dotsPerInchY);

// The document's paper and orientation with no margins, for a printer or a PDF writer.
QPageLayout SheetPageLayout(const SheetDocument& document);

SheetExportResult PrintSheet(const SheetDocument& document, QPrinter& printer,
                             SheetPageRange range = {});
SheetExportResult WriteSheetPdf(const SheetDocument& document, const std::string& path,
                                SheetPageRange range = {}, const SheetPdfInfo& info = {});
// One page at `dotsPerInch` (clamped to 10..1200).
SheetExportResult WriteSheetPng(const SheetDocument& document, int page, const std::string& path,
                                int dotsPerInch);
// Every page of the range as "page-NNN.png" in `folder`, which is made when missing.
SheetExportResult WriteSheetPngs(const SheetDocument& document, const std::string& folder,
                                 SheetPageRange range, int dotsPerInch);

// The preview's PDF writer: every page through WriteSheetPdf, the program named as creator.
class QtSheetPdfWriter final : public SheetPdfWriter {
  public:
    SheetOutputResult WritePdf(const SheetDocument& document, const std::string& path,
                               const std::string& title) override;
};

}  // namespace zel::qt
