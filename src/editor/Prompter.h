#pragma once
// The user, as every window's rules see them: messages, the three-answer question, the file
// dialogs, the wait cursor, the beep and handing a file to the desktop. The Qt layer answers
// with real dialogs (qt/common/QtPrompter); tests answer from a script and keep a log of what
// was asked (tests/support/ScriptedPrompter).
#include <optional>
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

// What the open and save dialogs are asked with.
struct FileDialogRequest {
    std::string title;
    std::string folder;            // initial folder
    std::string fileName;          // initial file name
    std::string defaultExtension;  // without the dot: "Zel"
    std::string filter;            // "text|pattern|text|pattern"
    bool operator==(const FileDialogRequest&) const = default;
};

class Prompter {
  public:
    virtual ~Prompter() = default;
    // Modal message box; line breaks in `text` are "\r". Returns a MessageAnswer code; closing
    // the box any other way answers like its last button.
    virtual int ShowMessage(const std::string& text, int buttons, const std::string& title) = 0;
    virtual void Beep() = 0;
    // The three-answer dialog with `confirmText`; returns its ConfirmAnswer (0 cancel, 1 change,
    // 2 add). Closing it any other way gives 0.
    virtual int ShowConfirm(const std::string& confirmText) = 0;
    // File dialogs; nullopt when the user cancels.
    virtual std::optional<std::string> AskOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskSaveFile(const FileDialogRequest& request) = 0;
    // Nested: every SetWaitCursor(true) is undone by one SetWaitCursor(false).
    virtual void SetWaitCursor(bool busy) = 0;
    // Hands an existing file to the desktop's application for it; false when the desktop
    // could not start one. See OpenFileWithShell below for the check that the file is there.
    virtual bool OpenWithShell(const std::string& path) = 0;
};

// The wait cursor for the length of a scope, whichever way it ends.
class WaitCursor {
  public:
    explicit WaitCursor(Prompter& user) : user_(user) { user_.SetWaitCursor(true); }
    ~WaitCursor() { user_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    Prompter& user_;
};

// The save dialogs leave the overwrite question to the program: true when `path` does not
// exist yet or the user answers Yes to replacing it.
bool ConfirmOverwrite(Prompter& user, const std::string& path);

// Opens `path` with the desktop's application; a missing file is named to the user
// ("<path> が見つかりません。") instead. False when nothing was opened.
bool OpenFileWithShell(Prompter& user, const std::string& path);

}  // namespace zel
