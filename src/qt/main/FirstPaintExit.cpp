#include "qt/main/FirstPaintExit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zel::qt {

namespace {

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget* window) : QObject(window), window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The window's own area is covered by its children: any of them painting counts.
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && !done_ && widget && widget->window() == window_) {
            done_ = true;
            // Once this paint has finished; exit() and not quit(), which would close the
            // window and ask the exit question.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
    bool done_ = false;
};

}  // namespace

void ExitAfterFirstPaintIfAsked(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("KAVOZEL_EXIT_AFTER_FIRST_PAINT")) return;
    qApp->installEventFilter(new FirstPaint(window));
}

}  // namespace zel::qt
