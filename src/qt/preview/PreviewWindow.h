#pragma once
// The preview window of the calculation sheet: composes the sheet once when it
// opens, then pages, zooms, jumps from the result list, prints on the program's printer and
// writes the PDF. Everything it shows, prints or writes is the one composed document.
#include <QMainWindow>
#include <memory>
#include <string>

#include "data/Project.h"
#include "editor/MainWindowUi.h"
#include "output/SheetComposer.h"
#include "output/SheetDocument.h"
#include "qt/sheet/SheetFonts.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace zel::qt {

class PrinterChoice;

class PageView;
class PreviewUser;

// Kept by the main window from one opening of the preview to the next.
struct PreviewMemory {
    bool maximised = false;
};

struct PreviewRequest {
    SheetRequest sheet;         // the preview's own copy of the project, calculated as composed
    std::string programFolder;  // icon, help manual and about picture
};

class PreviewWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `user` answers the questions (nullptr: real dialogs). Composes the sheet at once.
    PreviewWindow(const PreviewRequest& request, PrinterChoice& printer, PreviewMemory& memory,
                  PreviewUser* user = nullptr, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // The commands, as the buttons and menus run them.
    void Navigate(int move);  // PageMove
    void ApplyZoom(int entry);
    void ShowResultList();
    void PrintAllPages();
    void PrintCurrentPage();
    void WritePdf();
    void ChangePrinter();

    int CurrentPage() const { return currentPage_; }
    int PageCount() const { return sheet_ ? sheet_->pageCount : 0; }
    PrinterChoice& Printer() const { return printer_; }
    int JumpRequest() const { return jumpRequest_; }
    const ComposedSheet& Sheet() const { return *sheet_; }
    PageView* Pages() const { return view_; }
    QLabel* PageIndicator() const { return indicator_; }
    QComboBox* ZoomList() const { return zoomList_; }
    QAction* Action(const QString& objectName) const;
    QPushButton* Button(const QString& objectName) const;

    // The folder the PDF dialog starts in: the desktop, or the home folder without one.
    static std::string PdfFolder();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildToolBar();
    void BuildMenus();
    void Compose();
    void ShowCurrentPage(int offsetTwips = 0);
    void TurnInView(int wanted);
    void PrintPages(int first, int last);

    PreviewRequest request_;
    PrinterChoice& printer_;
    PreviewMemory& memory_;
    std::unique_ptr<PreviewUser> ownUser_;
    PreviewUser* user_;
    QtSheetFontMetrics metrics_;
    std::unique_ptr<ComposedSheet> sheet_;
    int currentPage_ = 1;
    int jumpRequest_ = 1;

    PageView* view_ = nullptr;
    QLabel* indicator_ = nullptr;
    QComboBox* zoomList_ = nullptr;
    QMenu* zoomMenu_ = nullptr;
};

// Opens the preview over `mainWindow`, hides the main window while it is open and shows it
// again when the preview closes. The preview deletes itself when closed.
PreviewWindow* OpenPreviewWindow(QWidget* mainWindow, const PreviewRequest& request,
                                 PrinterChoice& printer, PreviewMemory& memory,
                                 PreviewUser* user = nullptr);

}  // namespace zel::qt
