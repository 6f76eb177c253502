#pragma once
// The user in every test: answers come from queues, every question is logged word for word.
// It stands in for the one Prompter of the program wherever the editor, the main window, the
// preview or a dialog asks something.
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "editor/Prompter.h"

namespace zel::test {

class ScriptedPrompter : public Prompter {
  public:
    struct Asked {
        std::string text;
        int buttons = 0;
        std::string title;
        bool operator==(const Asked&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const Asked& a) {
            return out << '"' << a.text << "\" buttons " << a.buttons << " \"" << a.title << '"';
        }
    };

    // Queues the answer for the next message box (answers are used in order).
    void Answer(int code) { answers_.push_back(code); }

    // With an empty queue the first button of the set is pressed: OK, Abort, Yes or Retry.
    int ShowMessage(const std::string& text, int buttons, const std::string& title) override {
        asked.push_back({text, buttons, title});
        if (!answers_.empty()) {
            int code = answers_.front();
            answers_.pop_front();
            return code;
        }
        return DefaultAnswer(buttons);
    }

    void Beep() override { ++beeps; }

    // With no scripted answer the dialog is closed by the window manager: "ｷｬﾝｾﾙ".
    int ShowConfirm(const std::string& confirmText) override {
        confirmTexts.push_back(confirmText);
        if (confirmAnswers.empty()) return 0;
        const int answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }

    // With no scripted answer the dialog is cancelled.
    std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return Next(openAnswers);
    }
    std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Next(saveAnswers);
    }

    void SetWaitCursor(bool busy) override {
        waitCursor.push_back(busy);
        waitDepth += busy ? 1 : -1;
    }

    bool OpenWithShell(const std::string& path) override {
        opened.push_back(path);
        return shellOpens;
    }

    // Text of the last message, "" when none was shown.
    std::string LastText() const { return asked.empty() ? std::string() : asked.back().text; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Asked& a : asked) texts.push_back(a.text);
        return texts;
    }
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }
    // Forgets the messages and their queued answers.
    void Clear() {
        asked.clear();
        answers_.clear();
        beeps = 0;
    }
    // Wait-cursor spans begun (each SetWaitCursor(true)).
    int WaitCursorUses() const {
        int uses = 0;
        for (bool busy : waitCursor) uses += busy ? 1 : 0;
        return uses;
    }

    std::vector<Asked> asked;
    int beeps = 0;
    std::deque<int> confirmAnswers;
    std::vector<std::string> confirmTexts;
    std::deque<std::optional<std::string>> openAnswers, saveAnswers;
    std::vector<FileDialogRequest> openRequests, saveRequests;
    std::vector<bool> waitCursor;  // every call, in order
    int waitDepth = 0;
    std::vector<std::string> opened;  // files handed to the desktop
    bool shellOpens = true;

  private:
    static int DefaultAnswer(int buttons) {
        switch (buttons) {
            case kButtonsAbortRetryIgnore:
                return kAnswerAbort;
            case kButtonsYesNoCancel:
            case kButtonsYesNo:
                return kAnswerYes;
            case kButtonsRetryCancel:
                return kAnswerRetry;
            default:
                return kAnswerOk;
        }
    }
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }

    std::deque<int> answers_;
};

}  // namespace zel::test
