#include "editor/Prompter.h"

#include "lib/Paths.h"

namespace zel {

bool OpenFileWithShell(Prompter& user, const std::string& path) {
    if (!FileExists(path)) {
        user.ShowMessage(path + " が見つかりません。", kButtonsOk, kMessageTitleWide);
        return false;
    }
    // A desktop that cannot start a viewer gives no message of its own, like any shell failure.
    return user.OpenWithShell(path);
}

}  // namespace zel
