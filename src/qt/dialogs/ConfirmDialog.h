#pragma once
// The three-answer question before the calculation sheet of an edited beam.
#include <QDialog>
#include <array>

#include "editor/ConfirmDialogRules.h"

class QLabel;
class QPushButton;

namespace zel::qt {

class ConfirmDialog : public QDialog {
    Q_OBJECT
  public:
    ConfirmDialog(const std::string& confirmText, QWidget* parent = nullptr);

    // ConfirmAnswer: the button pressed, "ｷｬﾝｾﾙ" (0) when the window was closed otherwise.
    int Answer() const { return model_.ConfirmAnswer(); }
    // The buttons from left to right: "変更して算定", "追加して算定", "ｷｬﾝｾﾙ".
    QPushButton* Button(int answer) const;

  protected:
    void done(int result) override;

  private:
    ConfirmDialogRules model_;
    std::array<QPushButton*, 3> buttons_{};  // indexed by answer
};

}  // namespace zel::qt
