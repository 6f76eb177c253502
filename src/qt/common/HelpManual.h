#pragma once
// The help manual: where it lies below a support folder, and opening it with the desktop's viewer.
#include <string>

namespace zel {
class Prompter;
}

namespace zel::qt {

inline constexpr const char* kHelpManualFile = "help/index.html";

std::string HelpManualPath(const std::string& programFolder);

// "目次(&C)": opens the help manual of `programFolder`. A missing manual gives
// "<path> が見つかりません。". Returns false when it could not be opened.
bool OpenHelpManual(Prompter& prompter, const std::string& programFolder);

}  // namespace zel::qt
