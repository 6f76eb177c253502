#include "editor/ConfirmDialogRules.h"

#include "lib/Numbers.h"

namespace zel {

std::string ConfirmTextFor(const std::string& storedMemberName, int position) {
    return "[ " + storedMemberName + " ] (Data No." + FormatNumber(position, "#0") +
           ") は、変更されていますが [変更],[追加] 処理が行われていません。";
}

bool ConfirmDialogRules::Press(int button) {
    if (closed_) return false;
    if (button != kConfirmCancel && button != kConfirmChange && button != kConfirmAdd) return false;
    answer_ = button;
    closed_ = true;
    return true;
}

int ConfirmAnswerOf(std::optional<int> pressed) {
    ConfirmDialogRules dialog{std::string()};
    if (pressed) dialog.Press(*pressed);
    dialog.Close();
    return dialog.ConfirmAnswer();
}

}  // namespace zel
