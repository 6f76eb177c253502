#pragma once
// Writes composed sheet pages to a PDF file (A4 or the document's paper, fonts embedded) or to
// PNG pictures. Needs a QGuiApplication.
#include <string>

#include "output/SheetDocument.h"

namespace zel {

struct SheetPdfInfo {
    std::string title;    // document title shown by PDF viewers
    std::string creator;  // program that made it
};

// Pages first..last (1-based, clamped to the document). Returns false with a message when the
// file cannot be written; an existing file is replaced only when the new one is complete.
bool WriteSheetPdf(const SheetDocument& document, const std::string& path, int firstPage,
                   int lastPage, const SheetPdfInfo& info, std::string* error);

// One page (1-based) as a PNG picture at the given resolution, on white.
bool WriteSheetPng(const SheetDocument& document, int page, const std::string& path,
                   int dotsPerInch, std::string* error);

}  // namespace zel
