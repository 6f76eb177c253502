#pragma once
// The user, as the editor and the main-window commands see them: every question, message and
// beep goes through this interface. The Qt layer answers with real message boxes; tests answer
// from a script and keep a log of what was asked.
#include <string>

namespace zel {

// Button sets of ShowMessage.
enum MessageButtons : int {
    kButtonsOk = 0,
    kButtonsOkCancel = 1,
    kButtonsAbortRetryIgnore = 2,
    kButtonsYesNoCancel = 3,
    kButtonsYesNo = 4,
    kButtonsRetryCancel = 5,
};

// Codes of the button pressed.
enum MessageAnswer : int {
    kAnswerOk = 1,
    kAnswerCancel = 2,
    kAnswerAbort = 3,
    kAnswerRetry = 4,
    kAnswerIgnore = 5,
    kAnswerYes = 6,
    kAnswerNo = 7,
};

// Title of every message of the input area and most commands.
inline constexpr const char* kMessageTitle = "確認ﾒｯｾｰｼﾞ";
// Title of the exit question, the unit warning, the preview-close and PDF questions and the
// file-not-found message.
inline constexpr const char* kMessageTitleWide = "確認メッセージ";

class Prompter {
public:
    virtual ~Prompter() = default;
    // Modal message box; line breaks in `text` are "\r". Returns a MessageAnswer code.
    virtual int ShowMessage(const std::string& text, int buttons, const std::string& title) = 0;
    virtual void Beep() = 0;
};

}  // namespace zel
