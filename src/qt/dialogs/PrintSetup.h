#pragma once
// The print-settings dialog ("出力設定(&P)"): heading, page numbers and font of the sheet.
#include <QDialog>
#include <array>

#include "editor/PrintSettingsRules.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zel {
class MainController;
}

namespace zel::qt {

class PrintSetup : public QDialog {
    Q_OBJECT
  public:
    PrintSetup(MainController& controller, QWidget* parent = nullptr);

    const PrintSettingsForm& form() const { return form_; }
    // Font option 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック".
    QRadioButton* fontOption(int index) const { return fonts_[index]; }
    // Page-number option kPageNumbersOff "付けない", kPageNumbersOn "付ける".
    QRadioButton* pageNumberOption(int index) const { return pageNumbers_[index]; }
    QLineEdit* headingField() const { return heading_; }
    QLineEdit* startField() const { return start_; }
    QLabel* startLabel() const { return startLabel_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    void ShowForm();
    void Ok();

    MainController& controller_;
    PrintSettingsForm form_;
    std::array<QRadioButton*, 2> fonts_{};
    std::array<QRadioButton*, 2> pageNumbers_{};
    QLineEdit* heading_ = nullptr;
    QLineEdit* start_ = nullptr;
    QLabel* startLabel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zel::qt
