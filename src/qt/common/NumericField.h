#pragma once
// A line edit that takes a number: what a Japanese input method types there ("６．５", "－１")
// turns into half-width characters as it is typed, before the field's own check reads it, and
// the input method is told to start in direct input.
class QLineEdit;

namespace zel::qt {

void MakeNumericField(QLineEdit* field);

}  // namespace zel::qt
