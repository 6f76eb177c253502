#include "output/ResultListLines.h"

#include <cstdio>

#include "calc/CalcResult.h"
#include "lib/ShiftJis.h"
#include "lib/Text.h"

namespace zel {
namespace {

// Leading whole characters of a UTF-8 text up to a display width.
std::string CutToWidth(std::string_view text, int width) {
    std::string out;
    int used = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80    ? 1
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC0 ? 2
                                                  : 1;
        const std::string_view ch = text.substr(i, length);
        const int w = DisplayWidth(ch);
        if (used + w > width) break;
        out += ch;
        used += w;
        i += length;
    }
    return out;
}

}  // namespace

std::string ResultListLine(std::string_view memberName, bool failed, std::int32_t page) {
    const std::string_view name = TrimSpaces(memberName);
    std::string line = " ";
    if (DisplayWidth(name) > 18) {
        // Cut by columns, not characters, and filled to the same width whatever was cut, so
        // that the judgement always starts in the same column; a full-width character that
        // does not fit leaves a blank.
        line += PadRightToWidth(CutToWidth(name, 17), 17) + " ";
    } else {
        line += PadRightToWidth(name, 18);
    }
    line += PadRightToWidth(failed ? kJudgementImpossible : "ＯＫ　　", 11);
    char number[16];
    std::snprintf(number, sizeof number, "%3d", static_cast<int>(page));
    line += number;
    return line;
}

std::vector<ResultListEntry> BuildResultList(const Project& project, const BeamPageTable& pages) {
    std::vector<ResultListEntry> entries;
    for (const int slot : PrintedBeamSlots(project)) {
        const std::size_t i = static_cast<std::size_t>(slot - 1);
        entries.push_back(
            {slot, ResultListLine(project.Beam(slot).memberName,
                                  project.placement[i].anyPlacementFailed != 0, pages[i])});
    }
    return entries;
}

int PreselectedLine(int jumpRequest, int lineCount) {
    if (lineCount <= 0) return 0;
    if (jumpRequest < 1 || jumpRequest > lineCount) return 1;
    return jumpRequest;
}

std::int32_t JumpPage(const Project& project, const BeamPageTable& pages, int line) {
    const std::vector<int> slots = PrintedBeamSlots(project);
    if (line < 1 || line > static_cast<int>(slots.size())) return 0;
    return pages[static_cast<std::size_t>(slots[static_cast<std::size_t>(line - 1)] - 1)];
}

}  // namespace zel
