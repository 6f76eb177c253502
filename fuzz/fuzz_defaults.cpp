// The defaults file reader: any bytes decode, and the record saves and reloads to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "data/DefaultsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zel::DefaultsRecord defaults;
    zel::DecodeDefaults(bytes, defaults);
    const std::string saved = zel::EncodeDefaults(defaults);
    zel::DefaultsRecord reread;
    FUZZ_CHECK(zel::DecodeDefaults(saved, reread) == zel::DefaultsReadStatus::Read);
    FUZZ_CHECK(zel::EncodeDefaults(reread) == saved);
    return 0;
}
