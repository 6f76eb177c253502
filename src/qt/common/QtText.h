#pragma once
// Texts and colours between the core (UTF-8, "\r" line breaks, classic palette codes) and Qt.
#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "editor/InputAreaView.h"

namespace zel::qt {

inline QString ToQ(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQ(const QString& text) {
    return text.toStdString();
}

// Message texts break lines with "\r" (a "\r\n" pair counts once); Qt wants "\n".
QString MessageText(const std::string& text);

// The 16 colours of the classic palette (0 black, 9 blue, 12 red, 15 white, ...).
QColor PaletteColour(int code);

// The colours a view of the core names (ControlView): face and grey follow the platform's
// palette. Every window shows them through this one map, so a greyed field looks the same in
// a dialog as in the main window.
QColor ViewQColour(ViewColour colour);

}  // namespace zel::qt
