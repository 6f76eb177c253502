#pragma once
// Shared by the sheet tests of the Qt layer: one QApplication (widgets too) for the whole test
// program and a way to run the poppler tools on a written PDF.
#include <QApplication>
#include <QCoreApplication>
#include <array>
#include <cstdio>
#include <cstdlib>
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
