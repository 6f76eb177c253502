#pragma once
// A beam on the clipboard: the project's JSON form of one beam (under the program's own MIME
// type, so that a second running program can paste it) and a short text line for a mail or a
// spreadsheet. Reading converts the loads into the unit system of the project pasted into.
#include <optional>
#include <string>
#include <string_view>

#include "data/BeamRecord.h"

namespace zel {

inline constexpr const char* kBeamMimeType = "application/x-kavozel-beam";

struct BeamClip {
    std::string json;  // BeamToJson with the project's unit code
    std::string text;  // one line, tab-separated
};

// `unitCode` is the project's (it tells how the loads are stored).
BeamClip MakeBeamClip(const BeamRecord& beam, int unitCode);

// The text line: name, span, B×D of the sections in use, bars, Fc and the load count.
std::string BeamClipText(const BeamRecord& beam, bool inputIsSI);

struct PastedBeam {
    std::optional<BeamRecord> beam;
    std::string message;  // why nothing can be pasted (the user's message), "" with a beam
};

// Reads a beam for a project whose input units are SI or not. Loads are converted between
// the systems by 9.80665 (kg ↔ N); Fc is kept, as the program shows 210 kg/cm2 as 21 N/mm2.
// Text that is no beam, values out of range and a load that does not fit its field once
// converted are refused with a message.
PastedBeam ReadBeamClip(std::string_view json, bool targetInputIsSI);

}  // namespace zel
