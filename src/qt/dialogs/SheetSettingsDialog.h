#pragma once
// The print-settings dialog ("出力設定(&P)"): heading, page numbers and font of the sheet.
#include <QDialog>

#include "editor/SheetSettingsDialogRules.h"

class QPushButton;

namespace zel {
class MainController;
}

namespace zel::qt {

class SheetOptionsBox;

class SheetSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    SheetSettingsDialog(MainController& controller, QWidget* parent = nullptr);

    const SheetSettingsForm& Form() const { return form_; }
    SheetOptionsBox* SheetOptions() const { return options_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    void Ok();

    MainController& controller_;
    SheetSettingsForm form_;
    SheetOptionsBox* options_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zel::qt
