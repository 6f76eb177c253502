#pragma once
// "プリンターの設定": chooses among the installed printers the one the program prints to.
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace zel::qt {

class PrinterSelectionDialog : public QDialog {
    Q_OBJECT
  public:
    PrinterSelectionDialog(const std::vector<std::string>& printers, const std::string& current,
                           QWidget* parent = nullptr);

    // The name under "選択されているプリンター" when "O K" closed the dialog.
    std::string ChosenName() const;

    QListWidget* List() const { return list_; }
    QLabel* ChosenLabel() const { return chosen_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    QListWidget* list_ = nullptr;
    QLabel* chosen_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zel::qt
