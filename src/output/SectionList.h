#pragma once
// The beam section list (梁断面リスト): one block per calculated beam, in list order, with one
// cell per column of the calculation sheet. Each cell draws the section to scale with the bars
// where the calculation puts them, and writes the check view's texts under it. Pages are A3
// landscape with a title block; blocks never split across pages.
#include <string>
#include <vector>

#include "data/Project.h"
#include "output/Drawing.h"
#include "output/SectionCell.h"

namespace zel {

struct SectionListOptions {
    int scale = 20;            // 1:scale on the paper (kDefaultSectionScale)
    std::string dataFileName;  // shown in the title block
    std::string date;          // shown in the title block, e.g. "2024/05/31"
};

inline constexpr int kMinSectionScale = 1;
inline constexpr int kMaxSectionScale = 500;
inline constexpr int kDefaultSectionScale = 20;

// Today in the local time zone as the title block writes a date: "2024/05/31".
std::string TodayText();

// Calculates every beam that is not marked "この梁は計算しない" and lays out the list. The
// project's placement flags are updated as a calculation always does.
Drawing ComposeSectionList(Project& project, const SectionListOptions& options);

}  // namespace zel
