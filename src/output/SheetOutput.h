#pragma once
// How the preview's composed sheet leaves the program: as a PDF file or on the program's
// printer. The Qt layer implements both (qt/sheet, qt/print); tests stand in for them.
#include <string>
#include <vector>

#include "output/SheetDocument.h"

namespace zel {

struct SheetOutputResult {
    bool ok = false;
    std::string message;  // why it failed, in Japanese; empty on success
};

class SheetPdfWriter {
  public:
    virtual ~SheetPdfWriter() = default;
    // Writes every page of `document` to `path` with the document title `title`; an old file
    // there is replaced only by a complete new one.
    virtual SheetOutputResult WritePdf(const SheetDocument& document, const std::string& path,
                                       const std::string& title) = 0;
};

// The printer the program prints to. It changes only by the user's choice inside the program;
// the system's default printer is never touched.
class SheetPrinter {
  public:
    virtual ~SheetPrinter() = default;
    virtual std::string Name() const = 0;
    // The installed printers, in the print system's order.
    virtual std::vector<std::string> InstalledNames() const = 0;
    // Makes `name` the program's printer when a printer of exactly that name is installed;
    // otherwise the printer stays and false is returned.
    virtual bool Choose(const std::string& name) = 0;
    // Pages first..last (1-based) as one job titled `jobTitle`; ok only when the print system
    // accepted the job.
    virtual SheetOutputResult Print(const SheetDocument& document, int first, int last,
                                    const std::string& jobTitle) = 0;
};

}  // namespace zel
