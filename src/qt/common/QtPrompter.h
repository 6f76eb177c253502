#pragma once
// The user reached through real dialogs: the one Prompter of the program, shared by the main
// window and the preview.
#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "editor/Prompter.h"
#include "qt/common/AppSupport.h"

class QWidget;

namespace zel::qt {

// Message boxes without icon that keep their title, text and button set (the first button is
// the default, Esc and the close box answer like the last one); file dialogs with the request's
// title, folder, name, filter and default extension; the program's one nested wait cursor.
class QtPrompter : public Prompter {
  public:
    // Dialogs open over `window`, or over the active window while `window` is hidden (the
    // main window hides behind the preview).
    explicit QtPrompter(QWidget* window) : window_(window) {}

    int ShowMessage(const std::string& text, int buttons, const std::string& title) override;
    void Beep() override;
    int ShowConfirm(const std::string& confirmText) override;
    std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
    void SetWaitCursor(bool busy) override;
    bool OpenWithShell(const std::string& path) override;

  private:
    QWidget* DialogParent() const;
    // The window under a closed dialog is painted again at once, so that a long step after
    // the answer does not leave the dialog's picture on it.
    void RepaintAfterDialog() const;
    std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save);

    QPointer<QWidget> window_;
    WaitCursorDepth waitCursor_;
};

// "text|pattern|text|pattern" as a Qt name filter list ("text;;text").
QString QtNameFilters(const std::string& filter);

}  // namespace zel::qt
