// The .Zel reader: any bytes decode without a fault, and what it accepts saves and reloads to
// the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "data/ZelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zel::Project project;
    if (!zel::DecodeZel(bytes, project).Ok()) return 0;
    const std::string saved = zel::EncodeZel(project);
    zel::Project reread;
    FUZZ_CHECK(zel::DecodeZel(saved, reread).Ok());
    FUZZ_CHECK(zel::EncodeZel(reread) == saved);
    return 0;
}
