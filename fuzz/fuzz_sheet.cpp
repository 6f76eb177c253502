// A whole hostile project: decode, calculate every beam, compose the calculation sheet and
// render it. The sheet stays within a budget: two beams a page, a bounded number of drawing
// items, every line and polygon on its page, and (where Qt is built in) a rendering that
// takes bounded time and records a bounded amount of drawing.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#ifdef ZEL_FUZZ_RENDER
#include <QGuiApplication>
#include <QPainter>
#include <cstdlib>

#include "CountingPaintDevice.h"
#include "qt/sheet/SheetExporter.h"
#endif

#include "FuzzCheck.h"
#include "calc/CalculateBeam.h"
#include "data/ZelFile.h"
#include "output/SheetComposer.h"
#include "output/SheetDocument.h"

namespace {

// Far above what a full page of the sample floor needs (at most 18 items); a page beyond them
// means runaway composition.
constexpr std::size_t kMaxItemsPerPage = 4000;
// Texts come from the file, so their bytes may grow with it, but not faster than a few copies.
constexpr std::size_t kTextBytesPerPage = 20000;
constexpr std::size_t kTextCopies = 8;

std::size_t ItemCount(const zel::SheetDocument& document, std::size_t& textBytes) {
    std::size_t count = 0;
    for (const zel::SheetPage& page : document.Pages()) {
        count += page.items.size();
        textBytes += page.header.size() + page.footer.size();
        for (const zel::SheetItem& item : page.items) {
            if (const auto* table = std::get_if<zel::SheetTable>(&item)) {
                for (const auto& row : table->rows)
                    for (const auto& cell : row)
                        for (const auto& line : cell.lines) textBytes += line.size();
            }
        }
    }
    return count;
}

bool OnPage(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return x >= 0 && y >= 0 && x <= width && y <= height;
}

// Lines and polygons are clipped to their areas while composing, so none leaves its page.
bool DrawingsStayOnTheirPages(const zel::SheetDocument& document) {
    const std::int32_t width = document.PageWidth();
    const std::int32_t height = document.PageHeight();
    for (const zel::SheetPage& page : document.Pages()) {
        for (const zel::SheetItem& item : page.items) {
            if (const auto* line = std::get_if<zel::SheetLine>(&item)) {
                if (!OnPage(line->x1, line->y1, width, height) ||
                    !OnPage(line->x2, line->y2, width, height))
                    return false;
            } else if (const auto* polygon = std::get_if<zel::SheetPolygon>(&item)) {
                for (const auto& [x, y] : polygon->points)
                    if (!OnPage(x, y, width, height)) return false;
            }
        }
    }
    return true;
}

#ifdef ZEL_FUZZ_RENDER
// What reaches the painter for one page, far above a full page of the sample floor (at most 877
// primitives and 1,648 characters); more means runaway drawing. Texts come from the file, so
// their characters may grow with it, as in the composition budget.
constexpr std::size_t kMaxPrimitivesPerPage = 50000;
constexpr std::size_t kMaxCharactersPerPage = 40000;
// A runaway drawing took close to a minute; a whole 25-page sheet renders in well under a
// second even with the sanitizers on a busy machine.
constexpr auto kMaxRenderTime = std::chrono::seconds(5);

void RenderWithinBudget(const zel::SheetDocument& document, std::size_t inputSize) {
    const auto start = std::chrono::steady_clock::now();
    for (int page = 1; page <= document.PageCount(); ++page) {
        zel::fuzz::CountingPaintDevice device;
        QPainter painter(&device);
        zel::qt::RenderSheetPage(painter, document, page);
        painter.end();
        FUZZ_CHECK(device.engine().primitives <= kMaxPrimitivesPerPage);
        FUZZ_CHECK(device.engine().textCharacters <= kMaxCharactersPerPage + kTextCopies * inputSize);
    }
    FUZZ_CHECK(std::chrono::steady_clock::now() - start < kMaxRenderTime);
}
#endif

}  // namespace

#ifdef ZEL_FUZZ_RENDER
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);  // the fonts the sheet is measured and drawn in
    return 0;
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zel::Project project;
    if (!zel::DecodeZel(bytes, project).Ok()) return 0;
    zel::CalculateAll(project);

    zel::FixedFontMetrics metrics;
    zel::SheetDocument document(metrics);
    zel::SheetLayout layout;
    const zel::PrintSettings print = zel::PrintSettingsOf(project);
    zel::SetUpSheetPage(document, layout, print);
    zel::BeamPageTable pages{};
    const int pageCount = zel::BuildSheetDocument(document, project, print, layout, pages);

    FUZZ_CHECK(pageCount == static_cast<int>(document.Pages().size()));
    FUZZ_CHECK(pageCount <= (zel::kMaxBeams + 1) / 2 + 1);
    std::size_t textBytes = 0;
    const std::size_t items = ItemCount(document, textBytes);
    const std::size_t pagesPlusOne = static_cast<std::size_t>(pageCount) + 1;
    FUZZ_CHECK(items <= kMaxItemsPerPage * pagesPlusOne);
    FUZZ_CHECK(textBytes <= kTextBytesPerPage * pagesPlusOne + kTextCopies * size);
    FUZZ_CHECK(DrawingsStayOnTheirPages(document));
#ifdef ZEL_FUZZ_RENDER
    RenderWithinBudget(document, size);
#endif
    return 0;
}
