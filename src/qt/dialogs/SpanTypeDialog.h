#pragma once
// The span-type dialog of the approximate method ("略算方法").
#include <QDialog>
#include <array>
#include <string>

#include "editor/SpanTypeDialogRules.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zel::qt {

class SpanTypeDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens on the area's span type; the pictures come from `pictureFolder`.
    SpanTypeDialog(InputArea& area, const std::string& pictureFolder, QWidget* parent = nullptr);

    const SpanTypeDialogRules& Model() const { return model_; }
    QRadioButton* Option(int spanType) const { return options_[spanType]; }
    QLineEdit* CoefficientField(int index) const { return fields_[index]; }
    QLabel* Picture() const { return picture_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    // True once "OK" has stored the choice in the input area.
    bool Stored() const { return stored_; }

  private:
    void ShowModel();
    void Ok();

    InputArea& area_;
    SpanTypeDialogRules model_;
    QString pictureFolder_;
    std::array<QRadioButton*, 7> options_{};
    std::array<QLabel*, 3> fieldLabels_{};
    std::array<QLineEdit*, 3> fields_{};
    QLabel* picture_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool stored_ = false;
};

}  // namespace zel::qt
