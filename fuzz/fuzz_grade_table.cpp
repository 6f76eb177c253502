// The grade table reader: any text gives either four positive finite F values or an error.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "data/GradeTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zel::GradeTableReadResult result = zel::ParseGradeTable(text, "鉄筋Ｆ値.TBL");
    FUZZ_CHECK(result.ok == result.error.empty());
    if (result.ok) {
        for (float value : result.table.values) FUZZ_CHECK(std::isfinite(value) && value > 0.0f);
    }
    return 0;
}
