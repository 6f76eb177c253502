#include "qt/input/FieldEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace zel::qt {

void FieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the line edit's own handling, which selects everything on Tab.
    emit focusEntered(event->reason());
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLeft(event->reason());
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit escapePressed();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace zel::qt
