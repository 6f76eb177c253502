#pragma once
// What the main-window commands show beyond the user's questions (those go to the Prompter):
// the two result windows and the window state that the widgets mirror. The Qt main window
// implements it; tests record it.
#include <string>
#include <vector>

#include "editor/PreviewController.h"
#include "output/CheckViewTexts.h"
#include "output/SheetOutput.h"

namespace zel {

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

class MainWindowUi {
  public:
    virtual ~MainWindowUi() = default;
    // The result check view (modal) of beam `slot`, with the texts of its fresh calculation.
    virtual void OpenCheckView(int slot, const CheckViewTexts& texts) = 0;
    virtual void CloseCheckView() = 0;
    // The preview of the calculation sheet, composed from the request.
    virtual void OpenPreview(const SheetRequest& request) = 0;
    // Pages composed outside the preview (the section list) as a PDF file, written as the
    // preview writes its PDF.
    virtual SheetOutputResult WritePdf(const SheetDocument& document, const std::string& path,
                                       const std::string& title) = 0;
    // Called after every command that changed the window's state.
    virtual void MainWindowChanged(const MainWindowView& view) = 0;
};

}  // namespace zel
