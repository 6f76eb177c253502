#pragma once
// The main window: menus, toolbar, beam list and buttons around the input area.
// One action or button is one controller call; MainWindowChanged applies the controller's
// view. The questions go to the Prompter (real dialogs, or a script in tests), which the
// preview opened from here shares.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/MainController.h"
#include "qt/preview/PreviewWindow.h"
#include "qt/print/Printers.h"
#include "qt/sheet/SheetExporter.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QToolBar;

namespace zel::qt {

class InputAreaWidget;
class QtPrompter;

class MainWindow : public QMainWindow, public MainWindowUi {
    Q_OBJECT
  public:
    // `user` answers the questions; nullptr shows real message boxes and dialogs.
    explicit MainWindow(Prompter* user = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the settings, defaults and grade table of `programFolder` and shows the defaults.
    void StartUp(const std::string& programFolder);

    // A data file named on the command line, opened with the checks of "ﾃﾞｰﾀ読込み(&D)".
    void OpenFile(const std::string& path);

    // The size that shows the whole input area without scrolling.
    QSize DesignedSize() const;

    MainController& Controller() { return controller_; }
    InputAreaWidget* InputWidget() const { return input_; }
    QListWidget* BeamList() const { return beamList_; }
    QAction* Action(const QString& objectName) const;
    // The printer the preview prints to, kept from start to exit.
    PrinterChoice& Printer() { return printer_; }
    PreviewWindow* Preview() const { return preview_; }

    // MainWindowUi
    void OpenCheckView(int slot, const CheckViewTexts& texts) override;
    void CloseCheckView() override;
    void OpenPreview(const SheetRequest& request) override;
    SheetOutputResult WritePdf(const SheetDocument& document, const std::string& path,
                               const std::string& title) override;
    void MainWindowChanged(const MainWindowView& view) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolBar();
    QWidget* BuildBeamColumn(QWidget* parent);
    QAction* AddAction(QMenu* menu, const char* caption, const char* name,
                       void (MainWindow::*slot)());
    // A menu command that runs `call` on the controller.
    template <typename Call>
    QAction* AddCommand(QMenu* menu, const char* caption, const char* name, Call call);
    // Runs one controller command, then mirrors the input area.
    void Run(const std::function<void()>& command);
    void ApplyInputCommands();
    void OpenHistoryEntry(int index);
    void FitToScreen();
    // The edit menu ("編集(&E)") and its toolbar buttons.
    void BuildEditMenu();
    void AddEditButtons(QToolBar* bar);
    void UpdateEditActions();
    void CopyBeam();
    void PasteBeam();
    void DuplicateBeam();
    void UndoStep();
    void RedoStep();

    // Commands without a controller call of their own.
    void OpenPrinterPageSetup();
    void OpenSheetSettingsDialog();
    void OpenDefaultsDialog();
    void OpenHelp();
    void OpenAboutDialog();
    void OpenSpanTypeDialog();
    void Exit();

    std::unique_ptr<QtPrompter> ownUser_;
    Prompter* user_;
    MainController controller_;
    InputAreaWidget* input_ = nullptr;
    QListWidget* beamList_ = nullptr;
    QLabel* positionLabel_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* historySeparator_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    std::vector<QAction*> historyActions_;
    std::vector<QAction*> beamCommands_;
    std::vector<QPushButton*> beamButtons_;
    QAction* calcSheetAction_ = nullptr;
    QAction* checkAction_ = nullptr;
    QAction* sectionListAction_ = nullptr;
    // The menu commands the toolbar shows too.
    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    PrinterChoice printer_;
    QtSheetPdfWriter pdfWriter_;
    PreviewMemory previewMemory_;
    QPointer<PreviewWindow> preview_;
    // Where the pictures, icon and help manual were found (program folder or ../share).
    std::string pictureFolder_;
    std::string helpFolder_;
    bool exitConfirmed_ = false;
};

}  // namespace zel::qt
