// The JSON reader of `zel import` with its range checks: any text is read or refused without a
// fault, and what it accepts saves, exports and imports again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "data/ProjectJson.h"
#include "data/ProjectLimits.h"
#include "data/ZelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    zel::Project project;
    if (!zel::ProjectFromJson(text, project).empty()) return 0;
    if (!zel::CheckProjectLimits(project).empty()) return 0;
    int altered = 0;
    const std::string saved = zel::EncodeZel(project, &altered);
    if (altered > 0) return 0;  // refused by zel import
    zel::Project loaded;
    FUZZ_CHECK(zel::DecodeZel(saved, loaded).Ok());
    zel::Project again;
    FUZZ_CHECK(zel::ProjectFromJson(zel::ProjectToJson(loaded), again).empty());
    FUZZ_CHECK(zel::EncodeZel(again) == saved);
    return 0;
}
