#pragma once
// The lines of the result list: each printed beam's name, overall judgement and page, in
// fixed columns counted in Shift-JIS bytes for the fixed-pitch list font.
#include <string>
#include <string_view>
#include <vector>

#include "data/Project.h"
#include "output/SheetComposer.h"

namespace zel {

// " G1                ＯＫ　　     1": name to 18 columns after a blank (a wider name is cut
// to 16 columns and one blank), "ＯＫ　　" or "設計不可" to 11 columns, the page in 3.
std::string ResultListLine(std::string_view memberName, bool failed, std::int32_t page);

struct ResultListEntry {
    int slot = 0;  // beam slot 1..50
    std::string line;
};

// One entry per printed beam, in list order; judgement from the beams' placement flags.
std::vector<ResultListEntry> BuildResultList(const Project& project, const BeamPageTable& pages);

// Line (1-based) selected when the list opens: the last jump, or the first line; 0 when the
// list is empty.
int PreselectedLine(int jumpRequest, int lineCount);

// Page to show for a jump to line (1-based); 0 when the line does not exist.
std::int32_t JumpPage(const Project& project, const BeamPageTable& pages, int line);

}  // namespace zel
