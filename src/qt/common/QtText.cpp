#include "qt/common/QtText.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace zel::qt {

QString MessageText(const std::string& text) {
    QString out = ToQ(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QChar('\r'), QChar('\n'));
    return out;
}

QColor PaletteColour(int code) {
    static constexpr std::array<QRgb, 16> kColours = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    if (code < 0 || code >= static_cast<int>(kColours.size())) return QColor(Qt::black);
    return QColor(kColours[static_cast<std::size_t>(code)]);
}

QColor ViewQColour(ViewColour colour) {
    const QPalette palette = QApplication::palette();
    switch (colour) {
        case ViewColour::White:
            return QColor(Qt::white);
        case ViewColour::Face:
            return palette.color(QPalette::Window);
        case ViewColour::LightGrey:
            return QColor(0xE0, 0xE0, 0xE0);
        case ViewColour::Grey:
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        case ViewColour::Black:
            return QColor(Qt::black);
    }
    return QColor(Qt::black);
}

}  // namespace zel::qt
