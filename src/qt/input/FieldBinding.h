#pragma once
// Forwards the events of the typed fields to the input-area model: focus entry, Escape, typing
// and focus leave. One binding serves every field, so that while a rejected field takes the
// focus back and shows its message no other field's events reach the model.
#include <QObject>
#include <functional>

#include "editor/InputField.h"

namespace zel {
class InputArea;
}

namespace zel::qt {

class FieldEdit;

class FieldBinding : public QObject {
    Q_OBJECT
  public:
    explicit FieldBinding(InputArea& area, QObject* parent = nullptr)
        : QObject(parent), area_(area) {}

    // `field` is asked at event time: load fields address the page in front.
    void Bind(FieldEdit* edit, Field field);

  signals:
    // After every model call, so that the widgets mirror the model again.
    void modelChanged();

  private:
    void Entered(FieldEdit* edit, Field field, Qt::FocusReason reason);
    void Left(FieldEdit* edit, Field field, Qt::FocusReason reason);
    void ApplySelection(FieldEdit* edit);
    static bool IsWindowSwitch(Qt::FocusReason reason);

    InputArea& area_;
    bool returningFocus_ = false;
};

}  // namespace zel::qt
