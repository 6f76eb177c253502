#pragma once
// The Qt application `zel sheet` and `zel print` need for the sheet's fonts and painting, never
// a display. Only in a zel built with Qt.
#ifdef ZEL_WITH_QT
#include <QGuiApplication>
#include <memory>

namespace zel::cli {

// Starts it on the offscreen platform unless QT_QPA_PLATFORM names another, passes Qt's
// warnings on as "zel: …" (without its remark about the missing runtime folder, which every
// headless run has), and warns when the sheet's IPA fonts are missing.
std::unique_ptr<QGuiApplication> StartHeadlessGui();

}  // namespace zel::cli
#endif
