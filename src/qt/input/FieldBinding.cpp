#include "qt/input/FieldBinding.h"

#include "editor/FieldRules.h"
#include "editor/InputArea.h"
#include "qt/common/NumericField.h"
#include "qt/common/QtText.h"
#include "qt/input/FieldEdit.h"

namespace zel::qt {

void FieldBinding::Bind(FieldEdit* edit, Field field) {
    edit->setMaxLength(MaxChars(field));
    if (field != Field::MemberName) MakeNumericField(edit);
    edit->setAlignment(field == Field::MemberName ? Qt::AlignLeft | Qt::AlignVCenter
                                                  : Qt::AlignRight | Qt::AlignVCenter);
    connect(edit, &FieldEdit::focusEntered, this,
            [this, edit, field](Qt::FocusReason reason) { Entered(edit, field, reason); });
    connect(edit, &FieldEdit::focusLeft, this,
            [this, edit, field](Qt::FocusReason reason) { Left(edit, field, reason); });
    connect(edit, &FieldEdit::escapePressed, this, [this, edit, field] {
        area_.KeyEscape(field);
        emit modelChanged();
        ApplySelection(edit);
    });
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        area_.TextChanged(field, FromQ(text));
        emit modelChanged();
    });
}

bool FieldBinding::IsWindowSwitch(Qt::FocusReason reason) {
    // The window losing or regaining the focus (a message box, another program) is neither
    // entering nor leaving the field.
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

void FieldBinding::Entered(FieldEdit* edit, Field field, Qt::FocusReason reason) {
    if (returningFocus_ || IsWindowSwitch(reason)) return;
    area_.FocusEnter(field);
    emit modelChanged();
    ApplySelection(edit);
}

void FieldBinding::Left(FieldEdit* edit, Field field, Qt::FocusReason reason) {
    if (returningFocus_ || IsWindowSwitch(reason)) return;
    const bool rejected =
        !LeaveRejection(field, area_.Text(field), area_.Text(Field::Span), area_.CurrentLoadType())
             .empty();
    bool returnFailed = false;
    returningFocus_ = true;
    if (rejected) {
        // The focus goes back before the message, and the message box taking the focus is
        // not a second leave: the user sees the message once.
        if (edit->isVisible() && edit->isEnabled() && edit->window()->isActiveWindow())
            edit->setFocus(Qt::OtherFocusReason);
        returnFailed = !edit->hasFocus();
    }
    const LeaveResult result = area_.FocusLeave(field, returnFailed);
    returningFocus_ = false;
    emit modelChanged();
    if (!result.accepted && !returnFailed) ApplySelection(edit);
}

void FieldBinding::ApplySelection(FieldEdit* edit) {
    const FieldSelection& s = area_.View().selection;
    if (s.length > 0)
        edit->setSelection(s.start, s.length);
    else
        edit->setCursorPosition(s.start);
}

}  // namespace zel::qt
