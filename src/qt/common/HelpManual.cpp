#include "qt/common/HelpManual.h"

#include <QDesktopServices>
#include <QUrl>

#include "editor/Prompter.h"
#include "lib/Paths.h"
#include "qt/common/QtText.h"

namespace zel::qt {

std::string HelpManualPath(const std::string& programFolder) {
    return JoinPath(programFolder, kHelpManualFile);
}

bool OpenHelpManual(Prompter& prompter, const std::string& programFolder) {
    const std::string path = HelpManualPath(programFolder);
    if (!FileExists(path)) {
        prompter.ShowMessage(path + " が見つかりません。", kButtonsOk, kMessageTitleWide);
        return false;
    }
    // A viewer that fails to start gives no message of its own, like any other shell failure.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(path)));
}

}  // namespace zel::qt
