#pragma once
// Texts and colours between the core (UTF-8, "\r" line breaks, classic palette codes) and Qt.
#include <QColor>
#include <QString>
#include <string>

#include "editor/InputAreaView.h"

namespace zel::qt {

inline QString ToQ(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQ(const QString& text) {
    return text.toStdString();
}

// Message texts break lines with "\r" (a "\r\n" pair counts once); Qt wants "\n".
QString MessageText(const std::string& text);

// The 16 colours of the classic palette (0 black, 9 blue, 12 red, 15 white, ...).
QColor PaletteColour(int code);

// Colours of the input area's view: face and grey follow the platform's palette.
QColor ViewQColour(ViewColour colour);

}  // namespace zel::qt
