#include "editor/PreviewController.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "output/PdfNaming.h"
#include "output/ResultListLines.h"

namespace zel {

PreviewController::PreviewController(SheetRequest request, std::string pdfFolder, Prompter& user,
                                     PreviewWindowUi& window, SheetPdfWriter& pdf,
                                     SheetPrinter& printer)
    : request_(std::move(request)),
      pdfFolder_(std::move(pdfFolder)),
      user_(user),
      window_(window),
      pdf_(pdf),
      printer_(printer) {
    view_.caption = PreviewCaption(request_.dataName);
}

PreviewController::~PreviewController() = default;

void PreviewController::Compose(const SheetFontMetrics& metrics) {
    {
        WaitCursor wait(user_);
        sheet_ = std::make_unique<ComposedSheet>(
            ComposeSheet(request_.project, metrics, request_.print));
    }
    jumpRequest_ = 1;
    view_.document = &sheet_->document;
    view_.pageCount = sheet_->pageCount;
    Show(1, 0);
}

void PreviewController::Show(int page, std::optional<std::int32_t> offsetTwips) {
    view_.page = page;
    view_.pageIndicator = PageIndicatorText(page, PageCount());
    view_.offsetTwips = offsetTwips;
    window_.PreviewChanged(view_);
    view_.zoomChosen = false;
}

void PreviewController::Turn(const PageTurn& turn) {
    if (turn.beep) user_.Beep();
    Show(turn.page, 0);
}

void PreviewController::Navigate(int move) {
    Turn(TurnPage(view_.page, PageCount(), move));
}

void PreviewController::TurnInView(int wanted) {
    Turn(TurnPageInView(view_.page, PageCount(), wanted));
}

void PreviewController::ChooseZoom(int entry) {
    if (entry < 0 || entry >= kZoomEntryCount) return;
    view_.zoomEntry = entry;
    view_.zoomChosen = true;
    Show(view_.page, std::nullopt);
}

void PreviewController::ShowResultList() {
    if (!sheet_) return;
    std::vector<std::string> lines;
    for (const ResultListEntry& entry : BuildResultList(request_.project, sheet_->pages))
        lines.push_back(entry.line);
    const int chosen = window_.ChooseResultLine(
        lines, PreselectedLine(jumpRequest_, static_cast<int>(lines.size())));
    if (chosen < 0) {
        // "ｷｬﾝｾﾙ" forgets the last jump: the next list opens on its first line.
        jumpRequest_ = 0;
        return;
    }
    if (chosen == 0) return;
    const std::int32_t page = JumpPage(request_.project, sheet_->pages, chosen);
    if (page < 1) return;
    jumpRequest_ = chosen;
    Show(std::min<int>(page, PageCount()),
         JumpScrollTwips(jumpRequest_, sheet_->layout.PrintableHeightCm));
}

void PreviewController::PrintPages(int first, int last) {
    if (!sheet_) return;
    SheetOutputResult printed;
    {
        WaitCursor wait(user_);
        printed = printer_.Print(sheet_->document, first, last, view_.caption);
    }
    if (!printed.ok)
        user_.ShowMessage(PrintFailedMessage(printed.message), kButtonsOk, kMessageTitle);
}

void PreviewController::PrintAllPages() {
    if (user_.ShowMessage(kPrintAllQuestion, kButtonsOkCancel, kMessageTitle) == kAnswerCancel)
        return;
    PrintPages(1, PageCount());
}

void PreviewController::PrintCurrentPage() {
    if (user_.ShowMessage(kPrintPageQuestion, kButtonsOkCancel, kMessageTitle) == kAnswerCancel)
        return;
    PrintPages(view_.page, view_.page);
}

void PreviewController::WritePdf() {
    if (!sheet_) return;
    FileDialogRequest request;
    request.title = kPdfDialogTitle;
    request.folder = pdfFolder_;
    request.fileName = ProposedPdfName(request_.dataName);
    request.defaultExtension = "pdf";
    request.filter = kPdfDialogFilter;
    const std::optional<std::string> chosen = user_.AskSaveFile(request);
    if (!chosen) return;
    const std::string& path = *chosen;
    std::error_code ec;
    // The old file stays until the new one is complete: the writer replaces it at the end.
    if (std::filesystem::exists(path, ec) &&
        user_.ShowMessage(PdfOverwriteQuestion(path), kButtonsOkCancel, kMessageTitle) ==
            kAnswerCancel)
        return;
    SheetOutputResult written;
    {
        WaitCursor wait(user_);
        written = pdf_.WritePdf(sheet_->document, path, sheet_->print.HeadingText);
    }
    if (!written.ok) {
        user_.ShowMessage(PdfFailedMessage(path, written.message), kButtonsOk, kMessageTitle);
        return;
    }
    if (user_.ShowMessage(PdfCreatedQuestion(path), kButtonsYesNo, kMessageTitleWide) == kAnswerYes)
        OpenFileWithShell(user_, path);
}

void PreviewController::ChangePrinter() {
    // A name no installed printer has leaves the current printer as it was.
    if (const auto chosen = window_.ChoosePrinter(printer_.InstalledNames(), printer_.Name()))
        printer_.Choose(*chosen);
}

bool PreviewController::RequestClose() {
    return request_.suppressCloseMessage ||
           user_.ShowMessage(kPreviewCloseQuestion, kButtonsYesNo, kMessageTitleWide) == kAnswerYes;
}

}  // namespace zel
