// The settings file reader: any text parses, and what is written from it reads back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "data/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zel::SettingsFile settings = zel::ParseSettingsText(text);
    FUZZ_CHECK(settings.history.size() <= static_cast<std::size_t>(zel::kMaxHistory));
    const std::string written = zel::FormatSettingsText(settings);
    FUZZ_CHECK(zel::FormatSettingsText(zel::ParseSettingsText(written)) == written);
    return 0;
}
