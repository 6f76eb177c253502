#pragma once
// What the preview window asks of the user and the desktop: message boxes, the save dialog of
// the PDF, opening a file with the desktop's viewer, the wait cursor and the modal dialogs.
// QtPreviewUser shows the real ones; tests answer from a script.
#include <optional>
#include <string>
#include <vector>

#include "editor/MainWindowUi.h"
#include "qt/common/AppSupport.h"

class QWidget;

namespace zel::qt {

class PreviewUser : public Prompter {
  public:
    virtual std::optional<std::string> AskSaveFile(const FileDialogRequest& request) = 0;
    // Opens `path` with the desktop's default application; false (after telling the user) when
    // that was not possible.
    virtual bool OpenWithShell(const std::string& path) = 0;
    virtual void SetWaitCursor(bool busy) = 0;
    // The result list, modal: returns the chosen 1-based line, 0 for no jump, -1 for "ｷｬﾝｾﾙ".
    virtual int ChooseResultLine(const std::vector<std::string>& lines, int preselected) = 0;
    // The printer selection, modal: the name under "選択されているプリンター" after "O K",
    // nullopt after "ｷｬﾝｾﾙ".
    virtual std::optional<std::string> ChoosePrinter(const std::vector<std::string>& printers,
                                                     const std::string& current) = 0;
    virtual void ShowHelp() = 0;
    virtual void ShowAbout() = 0;
};

class QtPreviewUser : public PreviewUser {
  public:
    // `programFolder` holds the help manual and the pictures (empty: the program's folder).
    QtPreviewUser(QWidget* parent, std::string programFolder);
    int ShowMessage(const std::string& text, int buttons, const std::string& title) override;
    void Beep() override;
    std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
    bool OpenWithShell(const std::string& path) override;
    void SetWaitCursor(bool busy) override;
    int ChooseResultLine(const std::vector<std::string>& lines, int preselected) override;
    std::optional<std::string> ChoosePrinter(const std::vector<std::string>& printers,
                                             const std::string& current) override;
    void ShowHelp() override;
    void ShowAbout() override;

  private:
    QWidget* parent_;
    std::string programFolder_;
    WaitCursorDepth waitCursor_;
};

}  // namespace zel::qt
