// The beam CSV reader: any bytes are read or refused without a fault, and what it accepts
// writes and reads back to the same project and the same text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "data/BeamCsv.h"
#include "data/ZelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses whether the range checks apply, as `zel import --unchecked` does.
    const bool checked = (data[0] & 1) != 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    zel::Project project;
    if (!zel::ProjectFromBeamCsv(bytes, project, checked).empty()) return 0;
    FUZZ_CHECK(project.BeamCount() <= zel::kMaxBeams);
    const std::string csv = zel::ProjectToBeamCsv(project);
    zel::Project reread;
    FUZZ_CHECK(zel::ProjectFromBeamCsv(csv, reread, checked).empty());
    FUZZ_CHECK(zel::ProjectToBeamCsv(reread) == csv);
    FUZZ_CHECK(zel::EncodeZel(reread) == zel::EncodeZel(project));
    return 0;
}
