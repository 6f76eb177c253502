// A whole hostile project: decode, calculate every beam, compose the calculation sheet. The
// sheet stays within a budget: two beams a page, and a bounded number of drawing items.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "FuzzCheck.h"
#include "calc/CalculateBeam.h"
#include "data/ZelFile.h"
#include "output/SheetComposer.h"
#include "output/SheetDocument.h"

namespace {

// Far above what a full page of the sample floor needs (see the measurement in the README of
// this folder); a page beyond them means runaway composition.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zel::Project project;
    if (!zel::DecodeZel(bytes, project).ok()) return 0;
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
    return 0;
}
