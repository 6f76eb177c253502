#pragma once
// Shared by the tests of the Qt layer: one QApplication (widgets too) for the whole test
// program, answering a modal dialog, and a way to run the poppler tools on a written PDF.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace zel::test {

inline void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zel_qt_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's devices must outlive every static of the test program.
    new QApplication(argc, argv);
}

// Runs `action` on the modal dialog once its event loop runs.
inline void OnModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

// The same for a modal dialog of type `Dialog`, which the test expects to open.
template <typename Dialog>
void OnModalDialog(std::function<void(Dialog*)> action) {
    OnModal([action](QWidget* modal) {
        auto* dialog = qobject_cast<Dialog*>(modal);
        ASSERT_NE(dialog, nullptr) << modal->metaObject()->className();
        action(dialog);
    });
}

// The colour a field shows behind its text: a pixel near its left edge, inside its frame (the
// fields that are greyed hold numbers, which stand on the right).
inline QColor ShownBackground(QWidget* field) {
    const QImage picture = field->grab().toImage();
    return picture.pixelColor(5, picture.height() / 2);
}

// Output of a shell command (stdout), empty when it cannot run.
inline std::string CommandOutput(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe.get()))
        out += buffer.data();
    return out;
}

// Number of pages pdfinfo reports, -1 when it cannot tell.
inline int PdfPageCount(const std::string& path) {
    const std::string info = CommandOutput("pdfinfo '" + path + "'");
    const auto at = info.find("Pages:");
    if (at == std::string::npos) return -1;
    return std::atoi(info.c_str() + at + 6);
}

}  // namespace zel::test
