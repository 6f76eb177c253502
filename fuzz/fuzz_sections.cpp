// A whole hostile project drawn as the beam section list and written as DXF: every item stays
// on its page with finite coordinates, bars are real circles inside a drawn section, and the
// DXF is complete.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "data/ZelFile.h"
#include "output/DxfWriter.h"
#include "output/SectionList.h"

namespace {

bool OnPage(const zel::Drawing& drawing, const zel::DrawingPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && p.x >= 0.0 && p.y >= 0.0 &&
           p.x <= drawing.PageWidth() && p.y <= drawing.PageHeight();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    zel::Project project;
    if (!zel::DecodeZel(bytes, project).Ok()) return 0;
    // The first byte picks the scale, from 1:1 (nothing fits) to 1:256.
    const zel::Drawing drawing = zel::ComposeSectionList(project, {1 + data[0], "f.Zel", "d"});
    FUZZ_CHECK(drawing.pages.size() <= static_cast<std::size_t>(zel::kMaxBeams));
    for (const zel::DrawingPage& page : drawing.pages) {
        for (const zel::DrawingPolyline& line : page.polylines)
            for (const zel::DrawingPoint& p : line.points) FUZZ_CHECK(OnPage(drawing, p));
        for (const zel::DrawingCircle& circle : page.circles) {
            FUZZ_CHECK(OnPage(drawing, circle.centre));
            FUZZ_CHECK(circle.radius > 0.0 && circle.radius < 100.0);
        }
        for (const zel::DrawingText& text : page.texts) {
            FUZZ_CHECK(OnPage(drawing, text.at));
            FUZZ_CHECK(text.widthFactor > 0.0 && text.widthFactor <= 1.0);
        }
    }
    const std::string dxf = zel::DxfBytes(drawing);
    FUZZ_CHECK(dxf.size() >= 5 && dxf.compare(dxf.size() - 5, 5, "EOF\r\n") == 0);
    return 0;
}
