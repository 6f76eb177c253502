#pragma once
// Summary of the results stored with the data file. Only the count means anything; the other
// fields are carried as read.
#include <array>
#include <cstdint>
#include <string>

namespace zel {

struct ResultSummary {
    std::int16_t resultCount = 0;  // result records filled by the last save (the beam count)
    std::array<std::uint8_t, 160> unusedBlock{};
    std::array<std::string, 20> unusedTexts;

    bool operator==(const ResultSummary&) const = default;
};

}  // namespace zel
