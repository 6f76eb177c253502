#pragma once
// The preview window of the calculation sheet. Its commands are PreviewController's: the
// window forwards the buttons, menus and the page view's requests there and shows PreviewView;
// the result list and the printer selection are its modal dialogs. Everything it shows, prints
// or writes is the one document composed when it opens.
#include <QMainWindow>
#include <string>

#include "editor/PreviewController.h"
#include "qt/print/SheetPrinting.h"
#include "qt/sheet/SheetExporter.h"
#include "qt/sheet/SheetFonts.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace zel::qt {

class PageView;
class PrinterChoice;

// Kept by the main window from one opening of the preview to the next.
struct PreviewMemory {
    bool maximised = false;
};

struct PreviewRequest {
    SheetRequest sheet;         // the preview's own copy of the project, calculated as composed
    std::string programFolder;  // icon, help manual and about picture (empty: the program's)
};

class PreviewWindow : public QMainWindow, public PreviewWindowUi {
    Q_OBJECT
  public:
    // Questions go to `user`; prints go to `printer`. Composes the sheet at once.
    PreviewWindow(const PreviewRequest& request, PrinterChoice& printer, PreviewMemory& memory,
                  Prompter& user, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    PreviewController& Controller() { return controller_; }
    int CurrentPage() const { return controller_.CurrentPage(); }
    int PageCount() const { return controller_.PageCount(); }
    PrinterChoice& Printer() const { return printer_; }
    const ComposedSheet& Sheet() const { return controller_.Sheet(); }
    PageView* Pages() const { return view_; }
    QLabel* PageIndicator() const { return indicator_; }
    QComboBox* ZoomList() const { return zoomList_; }
    QAction* Action(const QString& objectName) const;
    QPushButton* Button(const QString& objectName) const;

    // The folder the PDF dialog starts in: the desktop, or the home folder without one.
    static std::string PdfFolder();

    // PreviewWindowUi
    void PreviewChanged(const PreviewView& view) override;
    int ChooseResultLine(const std::vector<std::string>& lines, int preselected) override;
    std::optional<std::string> ChoosePrinter(const std::vector<std::string>& printers,
                                             const std::string& current) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildToolBar();
    void BuildMenus();

    PrinterChoice& printer_;
    PreviewMemory& memory_;
    Prompter& user_;
    std::string programFolder_;
    QtSheetFontMetrics metrics_;
    QtSheetPdfWriter pdfWriter_;
    QtSheetPrinter sheetPrinter_;
    PreviewController controller_;
    const SheetDocument* shownDocument_ = nullptr;

    PageView* view_ = nullptr;
    QLabel* indicator_ = nullptr;
    QComboBox* zoomList_ = nullptr;
    QMenu* zoomMenu_ = nullptr;
};

// Opens the preview over `mainWindow`, hides the main window while it is open and shows it
// again when the preview closes. The preview deletes itself when closed.
PreviewWindow* OpenPreviewWindow(QWidget* mainWindow, const PreviewRequest& request,
                                 PrinterChoice& printer, PreviewMemory& memory, Prompter& user);

}  // namespace zel::qt
