#pragma once
// A Prompter for tests: answers come from a queue, every question is logged word for word.
#include <deque>
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
    };

    // Queues the answer for the next question (answers are used in order).
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

    // Text of the last question, "" when none was asked.
    std::string LastText() const { return asked.empty() ? std::string() : asked.back().text; }
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }
    void Clear() {
        asked.clear();
        answers_.clear();
        beeps = 0;
    }

    std::vector<Asked> asked;
    int beeps = 0;

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

    std::deque<int> answers_;
};

}  // namespace zel::test
