#pragma once
// The dialogs of the main window, one call each. Every dialog is also a class of its own (see
// the headers beside this one) so that tests can fill and press it without a modal loop.
#include <functional>
#include <string>

class QWidget;

namespace zel {
struct CheckViewTexts;
class InputArea;
class MainController;
}  // namespace zel

namespace zel::qt {

// The three-answer question; returns a ConfirmAnswer. The window's close box answers "ｷｬﾝｾﾙ" (0).
int RunConfirmDialog(QWidget* parent, const std::string& confirmText);
// The result check view of one beam (modal). `suggest` is "断面を提案..." (shown for a failed beam): true when it changed the input area.
void RunCheckViewDialog(QWidget* parent, const zel::CheckViewTexts& texts,
                        std::function<bool()> suggest = {});
// "ﾃﾞﾌｫﾙﾄ設定(&D)": the default-data dialog; its button goes through the controller.
void RunDefaultsDialog(QWidget* parent, zel::MainController& controller);
// "出力設定(&P)": the print-settings dialog.
void RunSheetSettingsDialog(QWidget* parent, zel::MainController& controller);
// "略算方法": the span-type dialog. True when "OK" stored a choice in the input area. The
// moment-diagram pictures are read from `pictureFolder` (empty: the program's own folder).
bool RunSpanTypeDialog(QWidget* parent, zel::InputArea& area,
                       const std::string& pictureFolder = std::string());
// "ﾊﾞｰｼﾞｮﾝ情報(&V)". The picture is read from `pictureFolder` (empty: the program's folder).
void RunAboutDialog(QWidget* parent, const std::string& pictureFolder = std::string());

}  // namespace zel::qt
