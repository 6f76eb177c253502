#pragma once
// Everything the main-window commands need of the user and of the window beyond plain message
// boxes: the three-answer dialog, the file dialogs, the wait cursor, the two result windows and
// the window state that the widgets mirror. The Qt main window implements it; tests script it.
#include <optional>
#include <string>
#include <vector>

#include "data/PrintSettings.h"
#include "data/Project.h"
#include "editor/Prompter.h"
#include "output/CheckViewTexts.h"

namespace zel {

// What the open and save dialogs are asked with.
struct FileDialogRequest {
    std::string title;
    std::string folder;            // initial folder
    std::string fileName;          // initial file name
    std::string defaultExtension;  // without the dot: "Zel"
    std::string filter;            // "text|pattern|text|pattern"
    bool operator==(const FileDialogRequest&) const = default;
};

// What the preview needs to compose the sheet with ComposeSheet: a copy of the project as
// committed, which the preview calculates on, and the print settings. The window never reaches
// into the controller's project.
struct SheetRequest {
    Project project;
    PrintSettings print;
    std::string dataName;  // the data file's path, or "新規データ" never saved
    bool suppressCloseMessage = false;  // "ﾌﾟﾚﾋﾞｭｰ終了時のﾒｯｾｰｼﾞを表示しない"
};

// The parts of the main window that follow the project rather than the input area.
struct MainWindowView {
    std::string caption;
    std::string positionLabel;          // "n/m", empty without beams
    std::vector<std::string> beamList;  // one line per beam: its member name
    int selectedLine = -1;              // 0-based, -1 when nothing is selected
    // "上書き保存(&S)", "名前を付けて保存(&A)", "梁削除", "上げる[↑]", "下げる[↓]".
    bool beamCommandsEnabled = false;
    std::vector<std::string> history;  // captions of the history entries, most recent first
    bool historySeparatorVisible = false;
    bool focusBeamList = false;  // the widget moves the focus there and resets the request
};

class MainWindowUi : public Prompter {
  public:
    // Shows the three-answer dialog with `confirmText` and returns its answer (ConfirmAnswer:
    // 0 cancel, 1 change, 2 add). Closing the dialog any other way must give 0.
    virtual int ShowConfirm(const std::string& confirmText) = 0;
    // File dialogs; nullopt when the user cancels.
    virtual std::optional<std::string> AskOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskSaveFile(const FileDialogRequest& request) = 0;
    virtual void SetWaitCursor(bool busy) = 0;
    // The result check view (modal) of beam `slot`, with the texts of its fresh calculation.
    virtual void OpenCheckView(int slot, const CheckViewTexts& texts) = 0;
    virtual void CloseCheckView() = 0;
    // The preview of the calculation sheet, composed from the request.
    virtual void OpenPreview(const SheetRequest& request) = 0;
    // Called after every command that changed the window's state.
    virtual void MainWindowChanged(const MainWindowView& view) = 0;
};

}  // namespace zel
