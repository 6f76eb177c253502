#pragma once
// The result list ("結果一覧"): the printed beams with their judgement and sheet page, in the
// fixed-pitch sheet font, from which the preview jumps to a beam.
#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace zel::qt {

class ResultListDialog : public QDialog {
    Q_OBJECT
  public:
    // `preselected` is the 1-based line selected at opening (0 when the list is empty).
    ResultListDialog(const std::vector<std::string>& lines, int preselected,
                     QWidget* parent = nullptr);

    // The 1-based line "ｼﾞｬﾝﾌﾟ" chose; 0 after "ｷｬﾝｾﾙ" or the close box.
    int ChosenLine() const { return chosen_; }
    // True when "ｷｬﾝｾﾙ" was pressed (which forgets the last jump).
    bool Cancelled() const { return cancelled_; }

    QListWidget* List() const { return list_; }
    QPushButton* JumpButton() const { return jump_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    void Jump();

    QListWidget* list_ = nullptr;
    QPushButton* jump_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int chosen_ = 0;
    bool cancelled_ = false;
};

}  // namespace zel::qt
