#pragma once
// A typed field of the input area: a line edit that reports focus entry, focus leave and
// Escape with their reasons, so that the binding can tell a real leave from the window losing
// the focus to a message box.
#include <QLineEdit>

namespace zel::qt {

class FieldEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  signals:
    void focusEntered(Qt::FocusReason reason);
    void focusLeft(Qt::FocusReason reason);
    void escapePressed();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zel::qt
