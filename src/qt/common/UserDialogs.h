#pragma once
// The questions the main window puts to the user, as one interface: message boxes, the
// three-answer dialog, the file dialogs and the result check view. The window forwards to it;
// the Qt implementation shows real dialogs, tests answer from a script.
#include <QString>
#include <optional>
#include <string>

#include "editor/MainWindowUi.h"
#include "output/CheckViewTexts.h"

class QWidget;

namespace zel::qt {

class UserDialogs : public Prompter {
  public:
    virtual int ShowConfirm(const std::string& confirmText) = 0;
    virtual std::optional<std::string> AskOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskSaveFile(const FileDialogRequest& request) = 0;
    virtual void RunCheckViewDialog(const CheckViewTexts& texts) = 0;
};

// Message boxes without icon that keep their title, text and button set; file dialogs with
// the request's title, folder, name, filter and default extension.
class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent) : parent_(parent) {}
    int ShowMessage(const std::string& text, int buttons, const std::string& title) override;
    void Beep() override;
    int ShowConfirm(const std::string& confirmText) override;
    std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
    void RunCheckViewDialog(const CheckViewTexts& texts) override;

  private:
    QWidget* parent_;
};

// "text|pattern|text|pattern" as a Qt name filter list ("text;;text").
QString QtNameFilters(const std::string& filter);

}  // namespace zel::qt
