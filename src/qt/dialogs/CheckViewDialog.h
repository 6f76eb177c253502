#pragma once
// The result check view of one beam: bars, stirrups and judgement of each design section.
#include <QDialog>

#include "output/CheckViewTexts.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace zel::qt {

class CheckViewDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CheckViewDialog(QWidget* parent = nullptr);

    // Clears every label, then fills as many columns as the texts have.
    void ShowTexts(const CheckViewTexts& texts);

    // Row 0 heading, 1 top bars, 2 bottom bars, 3 stirrups, 4 judgement; column 0..2.
    QLabel* Cell(int row, int column) const { return cells_[row][column]; }
    QGroupBox* Frame() const { return frame_; }
    QLabel* ErrorLabel() const { return error_; }
    QPushButton* OkButton() const { return ok_; }

    static constexpr int kRows = 5;

  private:
    QGroupBox* frame_ = nullptr;
    QLabel* cells_[kRows][3] = {};
    QLabel* error_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace zel::qt
