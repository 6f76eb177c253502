#pragma once
// The three-answer question asked before the calculation sheet of an edited beam: what to do
// with the edit that was neither committed nor added.
#include <optional>
#include <string>
#include <utility>

namespace zel {

enum ConfirmAnswer : int {
    kConfirmCancel = 0,  // "ｷｬﾝｾﾙ"
    kConfirmChange = 1,  // "変更して算定"
    kConfirmAdd = 2,     // "追加して算定"
};

inline constexpr const char* kConfirmQuestion = "この部材データをどうしますか？";
inline constexpr const char* kConfirmChangeCaption = "変更して算定";
inline constexpr const char* kConfirmAddCaption = "追加して算定";
inline constexpr const char* kConfirmCancelCaption = "ｷｬﾝｾﾙ";

// "[ name ] (Data No.n) は、変更されていますが [変更],[追加] 処理が行われていません。"
std::string ConfirmTextFor(const std::string& storedMemberName, int position);

// The dialog's state: the text it shows and the answer it gives back. The answer is written
// only by the three buttons; any other way of closing leaves "ｷｬﾝｾﾙ".
class ConfirmDialogRules {
  public:
    explicit ConfirmDialogRules(std::string confirmText) : text_(std::move(confirmText)) {}

    const std::string& ConfirmText() const { return text_; }
    // Button number 0, 1 or 2; other numbers are ignored. Returns true when the dialog closes.
    bool Press(int button);
    // Window-manager close, Escape, or the dialog destroyed by its owner.
    void Close() { closed_ = true; }
    bool IsClosed() const { return closed_; }
    int ConfirmAnswer() const { return answer_; }

  private:
    std::string text_;
    int answer_ = kConfirmCancel;
    bool closed_ = false;
};

// The answer of a dialog that was closed with `pressed` (nullopt: closed without a button).
int ConfirmAnswerOf(std::optional<int> pressed);

}  // namespace zel
