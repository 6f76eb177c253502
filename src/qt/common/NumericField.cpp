#include "qt/common/NumericField.h"

#include <QLineEdit>
#include <QValidator>

#include "lib/Text.h"
#include "qt/common/QtText.h"

namespace zel::qt {
namespace {

// Changes characters one for one, so the cursor keeps its place; refuses nothing, the
// field's own check does that when it is left.
class HalfWidthNumbers final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const std::string typed = FromQ(input);
        const std::string half = HalfWidthNumberText(typed);
        if (half != typed) input = ToQ(half);
        return Acceptable;
    }
};

}  // namespace

void MakeNumericField(QLineEdit* field) {
    field->setValidator(new HalfWidthNumbers(field));
    field->setInputMethodHints(field->inputMethodHints() | Qt::ImhFormattedNumbersOnly |
                               Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText);
}

}  // namespace zel::qt
