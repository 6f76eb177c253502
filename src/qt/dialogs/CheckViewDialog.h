#pragma once
// The result check view of one beam: bars, stirrups and judgement of each design section,
// why a section is "設計不可", what decided each section, and "断面を提案..." for a failed beam.
#include <QDialog>
#include <functional>

#include "output/CheckViewTexts.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace zel::qt {

class CheckViewDialog : public QDialog {
    Q_OBJECT
  public:
    // `suggest` runs "断面を提案..." and returns true when it changed the input area, which
    // closes the view; without it the button is not shown.
    explicit CheckViewDialog(QWidget* parent = nullptr, std::function<bool()> suggest = {});

    // Clears every label, then fills as many columns as the texts have.
    void ShowTexts(const CheckViewTexts& texts);

    // Row 0 heading, 1 top bars, 2 bottom bars, 3 stirrups, 4 judgement; column 0..2.
    QLabel* Cell(int row, int column) const { return cells_[row][column]; }
    // Under the judgement of column 0..2: why it is "設計不可".
    QLabel* FailureLabel(int column) const { return failures_[column]; }
    QGroupBox* Frame() const { return frame_; }
    QLabel* ErrorLabel() const { return error_; }
    QLabel* WhyLabel() const { return why_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* SuggestButton() const { return suggestButton_; }

    static constexpr int kRows = 5;

  private:
    QGroupBox* frame_ = nullptr;
    QLabel* cells_[kRows][3] = {};
    QLabel* failures_[3] = {};
    QLabel* error_ = nullptr;
    QGroupBox* whyFrame_ = nullptr;
    QLabel* why_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* suggestButton_ = nullptr;
    std::function<bool()> suggest_;
};

}  // namespace zel::qt
