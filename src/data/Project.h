#pragma once
// The whole project of one data file: 50 beam slots, the settings, the result area and the
// sheet font. Plain data; the editing state (current beam, dirty flags, current file) belongs
// to the editor.
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "data/BeamRecord.h"
#include "data/PlacementFlags.h"
#include "data/ProjectHeader.h"
#include "data/ProjectSettings.h"
#include "data/ResultRecord.h"
#include "data/ResultSummary.h"
#include "data/SheetFontSetting.h"

namespace zel {

inline constexpr int kMaxBeams = 50;

// Shift-JIS bytes of a text that do not survive the trip to UTF-8 and back (invalid bytes,
// characters with two codes). The writer reuses them while the text is unchanged.
struct CarriedText {
    std::string utf8;  // the text as it was decoded
    std::string sjis;  // the bytes as they were read
    bool operator==(const CarriedText&) const = default;
};

struct Project {
    ProjectHeader header;
    ProjectSettings settings;                 // settings.beamCount is the beam count
    std::array<BeamRecord, kMaxBeams> beams;  // beams[0] is slot 1
    ResultSummary resultSummary;
    std::array<ResultRecord, kResultSlots> results;  // results[0] is slot 1
    SheetFontSetting font;
    std::array<PlacementFlags, kMaxBeams> placement;  // not saved
    // Key: ordinal of the text in the data file (0 = version text). Filled by the reader.
    std::map<int, CarriedText> carriedTexts;

    int BeamCount() const;  // settings.beamCount clamped to 0..50

    // 1-based slot access as the rest of the program counts (slot 1..50 / 1..100).
    BeamRecord& Beam(int slot) { return beams.at(static_cast<std::size_t>(slot - 1)); }
    const BeamRecord& Beam(int slot) const { return beams.at(static_cast<std::size_t>(slot - 1)); }
    ResultRecord& Result(int slot) { return results.at(static_cast<std::size_t>(slot - 1)); }
    const ResultRecord& Result(int slot) const {
        return results.at(static_cast<std::size_t>(slot - 1));
    }

    // Removes beam slot n (1-based, within the count): the slots above move down by one, the
    // former last slot keeps its data but gets loadCount 0, and the count drops by one.
    // Placement flags move with their beams.
    // Returns false (and changes nothing) for a slot outside 1..count.
    bool DeleteSlot(int slot);

    // Swaps two beam slots whole (1-based), with their placement flags. Returns false for a
    // slot outside 1..50.
    bool SwapSlots(int a, int b);

    bool operator==(const Project&) const = default;
};

// A fresh project as the data file's reader starts from: every slot reset (numbers 0, texts
// empty), header "205"/"KAVO-Zel".
Project MakeEmptyProject();

}  // namespace zel
