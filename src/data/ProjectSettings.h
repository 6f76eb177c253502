#pragma once
// Project-wide values that travel with the data file.
#include <cstdint>
#include <string>

namespace zel {

inline constexpr const char* kDefaultSheetTitle = "梁断面算定結果";

struct ProjectSettings {
    std::int16_t beamCount = 0;       // beams in use, 0..50
    std::int16_t unitCode = 0;        // 2 × (input in SI) + (output in SI), 0..3
    std::string sheetTitle;           // title of the calculation sheet
    std::int16_t pageNumberMode = 0;  // 1 no page numbers ("付けない"), 2 printed ("付ける")
    std::int16_t firstPageNumber = 0;

    bool inputIsSI() const { return unitCode >= 2; }
    bool outputIsSI() const { return (unitCode & 1) != 0; }
    void SetUnits(bool inputSI, bool outputSI) {
        unitCode = static_cast<std::int16_t>((inputSI ? 2 : 0) + (outputSI ? 1 : 0));
    }

    bool operator==(const ProjectSettings&) const = default;
};

}  // namespace zel
