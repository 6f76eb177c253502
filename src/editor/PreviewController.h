#pragma once
// The commands of the preview window without the window: composing the sheet, paging, zoom,
// the result-list jump, printing, the PDF with its questions, the printer change and closing.
// It reaches the user through the Prompter, the sheet's way out through SheetPdfWriter and
// SheetPrinter, and the window through PreviewWindowUi; the window only forwards its events
// here and shows PreviewView.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/PrintSettings.h"
#include "data/Project.h"
#include "editor/Prompter.h"
#include "output/PreviewRules.h"
#include "output/SheetComposer.h"
#include "output/SheetOutput.h"

namespace zel {

// What the preview is opened with: a copy of the project as committed, which the preview
// calculates on, and the print settings. The preview never reaches into the main window's
// project.
struct SheetRequest {
    Project project;
    PrintSettings print;
    std::string dataName;  // the data file's path, or "新規データ" never saved
    bool suppressCloseMessage = false;  // "ﾌﾟﾚﾋﾞｭｰ終了時のﾒｯｾｰｼﾞを表示しない"
};

// What the preview window shows.
struct PreviewView {
    std::string caption;
    const SheetDocument* document = nullptr;  // nullptr until the sheet is composed
    int page = 1;
    int pageCount = 0;
    std::string pageIndicator;  // "p / m"
    int zoomEntry = kZoomFitWidth;
    // An entry was chosen: the view takes it afresh (a kept zoom does not follow the window's
    // width otherwise). The request is reset after the window has been told.
    bool zoomChosen = false;
    // Where the page is scrolled to, in twips from its top; nullopt keeps the view's offset.
    std::optional<std::int32_t> offsetTwips = 0;
};

class PreviewWindowUi {
  public:
    virtual ~PreviewWindowUi() = default;
    // Called after every command that changed what the window shows.
    virtual void PreviewChanged(const PreviewView& view) = 0;
    // The result list, modal: the chosen 1-based line, 0 for no jump, -1 for "ｷｬﾝｾﾙ".
    virtual int ChooseResultLine(const std::vector<std::string>& lines, int preselected) = 0;
    // The printer selection, modal: the name under "選択されているプリンター" after "O K",
    // nullopt after "ｷｬﾝｾﾙ".
    virtual std::optional<std::string> ChoosePrinter(const std::vector<std::string>& printers,
                                                     const std::string& current) = 0;
};

class PreviewController {
  public:
    // `pdfFolder` is where the PDF dialog starts. The references must outlive the controller.
    PreviewController(SheetRequest request, std::string pdfFolder, Prompter& user,
                      PreviewWindowUi& window, SheetPdfWriter& pdf, SheetPrinter& printer);
    ~PreviewController();

    // Composes the sheet once, under the wait cursor, and shows its first page. `metrics` must
    // outlive the controller: the document measures with them.
    void Compose(const SheetFontMetrics& metrics);

    void Navigate(int move);      // a PageMove of the four buttons
    void TurnInView(int wanted);  // the page view scrolled or keyed towards page `wanted`
    void ChooseZoom(int entry);   // a ZoomEntry of the zoom list or menu
    void ShowResultList();        // "結果一覧": the list, then the jump
    void PrintAllPages();         // "印 刷", "印刷(&P)..."
    void PrintCurrentPage();      // "このﾍﾟｰｼﾞのみ印刷(&A)"
    void WritePdf();              // "計算書のPDF出力(&O)"
    void ChangePrinter();         // "ﾌﾟﾘﾝﾀｰの変更(&U)..."
    // "閉じる" or the window's close box: true when the preview may close.
    bool RequestClose();

    const PreviewView& View() const { return view_; }
    const SheetRequest& Request() const { return request_; }
    const std::string& PdfFolder() const { return pdfFolder_; }
    bool Composed() const { return sheet_ != nullptr; }
    const ComposedSheet& Sheet() const { return *sheet_; }
    int CurrentPage() const { return view_.page; }
    int PageCount() const { return sheet_ ? sheet_->pageCount : 0; }
    // The result line of the last jump (1 at opening, 0 after "ｷｬﾝｾﾙ").
    int JumpRequest() const { return jumpRequest_; }

  private:
    void Show(int page, std::optional<std::int32_t> offsetTwips);
    void Turn(const PageTurn& turn);
    void PrintPages(int first, int last);

    SheetRequest request_;
    std::string pdfFolder_;
    Prompter& user_;
    PreviewWindowUi& window_;
    SheetPdfWriter& pdf_;
    SheetPrinter& printer_;
    std::unique_ptr<ComposedSheet> sheet_;
    int jumpRequest_ = 1;
    PreviewView view_;
};

}  // namespace zel
