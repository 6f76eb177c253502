// Number reading of the input fields and load lists: any text, no fault, bounded output.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "lib/Numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double leading = zel::LeadingValue(text);
    (void)leading;
    // Repeat groups multiply a list, but by at most 1000 x 100 per group.
    const std::vector<float> numbers = zel::ParseNumberList(text);
    FUZZ_CHECK(numbers.size() <= (size + 1) * 100000);
    return 0;
}
