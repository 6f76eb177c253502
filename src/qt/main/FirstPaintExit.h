#pragma once
// For the start-up benchmark: ends the program as soon as `window` has been painted once.
class QWidget;

namespace zel::qt {

// Does nothing unless the environment variable KAVOZEL_EXIT_AFTER_FIRST_PAINT is set.
void ExitAfterFirstPaintIfAsked(QWidget* window);

}  // namespace zel::qt
