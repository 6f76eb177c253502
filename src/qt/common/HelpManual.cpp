#include "qt/common/HelpManual.h"

#include "editor/Prompter.h"
#include "lib/Paths.h"

namespace zel::qt {

std::string HelpManualPath(const std::string& programFolder) {
    return JoinPath(programFolder, kHelpManualFile);
}

bool OpenHelpManual(Prompter& prompter, const std::string& programFolder) {
    return OpenFileWithShell(prompter, HelpManualPath(programFolder));
}

}  // namespace zel::qt
