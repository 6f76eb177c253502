#pragma once
// The calculation result of one beam as the data file stores it (100 slots; slot i belongs to
// beam slot i). Only the leading fields carry meaning; the rest of each numeric block and the
// trailing texts are carried exactly as read so that a file round-trips byte for byte.
//
// On disk, in order (offsets within each numeric block):
//   4-byte block   : 0 sectionCount (int32)
//   1 text         : memberName
//   3 texts        : sectionLabels
//   132-byte block : 0 sectionWidth[3], 12 sectionDepth[3], 24 sectionCover[3],
//                    36..131 unusedBlock132 (96 bytes)
//   12 texts       : barNames
//   60-byte block  : 0 barCounts[12] (int32), 48 stirrupLegs[3] (int32)
//   3 texts        : stirrupNames
//   24-byte block  : 0 stirrupPitch[3] (int32), 12..23 unusedBlock24 (12 bytes)
//   3 texts        : unusedTexts3
//   188-byte block : unusedBlock188
//   20 texts       : unusedTexts20
// 408 numeric bytes and 42 texts in all.
#include <array>
#include <cstdint>
#include <string>

namespace zel {

inline constexpr int kResultSlots = 100;

struct ResultRecord {
    std::int32_t sectionCount = 0;
    std::string memberName;
    // "全断面","","" for one section; "端部","中央","" for two; "左端","中央","右端" for three.
    std::array<std::string, 3> sectionLabels;
    std::array<float, 3> sectionWidth{};  // cm
    std::array<float, 3> sectionDepth{};
    std::array<float, 3> sectionCover{};
    std::array<std::uint8_t, 96> unusedBlock132{};
    // Bar names and counts per section s (0..2) in the order top 1st layer, bottom 1st layer,
    // top 2nd layer, bottom 2nd layer: index = s * 4 + layer * 2 + face (face 0 top, 1 bottom).
    std::array<std::string, 12> barNames;
    std::array<std::int32_t, 12> barCounts{};
    std::array<std::int32_t, 3> stirrupLegs{};
    std::array<std::string, 3> stirrupNames;
    std::array<std::int32_t, 3> stirrupPitch{};  // mm
    std::array<std::uint8_t, 12> unusedBlock24{};
    std::array<std::string, 3> unusedTexts3;
    std::array<std::uint8_t, 188> unusedBlock188{};
    std::array<std::string, 20> unusedTexts20;

    // section 0..2, layer 0..1, face 0 top / 1 bottom.
    static constexpr int BarIndex(int section, int layer, int face) {
        return section * 4 + layer * 2 + face;
    }

    bool operator==(const ResultRecord&) const = default;
};

}  // namespace zel
