#include "editor/Prompter.h"

#include "lib/Paths.h"

namespace zel {

bool ConfirmOverwrite(Prompter& user, const std::string& path) {
    return !FileExists(path) ||
           user.ShowMessage(path + "\r\rはすでに存在します。\r\r上書きしてもよろしいですか？",
                            kButtonsYesNo, kMessageTitle) == kAnswerYes;
}

bool OpenFileWithShell(Prompter& user, const std::string& path) {
    if (!FileExists(path)) {
        user.ShowMessage(path + " が見つかりません。", kButtonsOk, kMessageTitleWide);
        return false;
    }
    // A desktop that cannot start a viewer gives no message of its own, like any shell failure.
    return user.OpenWithShell(path);
}

}  // namespace zel
