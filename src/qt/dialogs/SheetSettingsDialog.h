#pragma once
// The print-settings dialog ("出力設定(&P)"): heading, page numbers and font of the sheet.
#include <QDialog>
#include <array>

#include "editor/SheetSettingsDialogRules.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zel {
class MainController;
}

namespace zel::qt {

class SheetSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    SheetSettingsDialog(MainController& controller, QWidget* parent = nullptr);

    const SheetSettingsForm& Form() const { return form_; }
    // Font option 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック".
    QRadioButton* FontOption(int index) const { return fonts_[index]; }
    // Page-number option kPageNumbersOff "付けない", kPageNumbersOn "付ける".
    QRadioButton* PageNumberOption(int index) const { return pageNumbers_[index]; }
    QLineEdit* HeadingField() const { return heading_; }
    QLineEdit* StartField() const { return start_; }
    QLabel* StartLabel() const { return startLabel_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    void ShowForm();
    void Ok();

    MainController& controller_;
    SheetSettingsForm form_;
    std::array<QRadioButton*, 2> fonts_{};
    std::array<QRadioButton*, 2> pageNumbers_{};
    QLineEdit* heading_ = nullptr;
    QLineEdit* start_ = nullptr;
    QLabel* startLabel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zel::qt
