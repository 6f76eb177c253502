#include "qt/preview/PreviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>
#include <filesystem>

#include "lib/Version.h"
#include "output/PdfNaming.h"
#include "output/PreviewRules.h"
#include "output/ResultListLines.h"
#include "qt/preview/PageView.h"
#include "qt/preview/PreviewUser.h"
#include "qt/print/Printers.h"
#include "qt/print/SheetPrinting.h"
#include "qt/sheet/SheetExporter.h"

namespace zel::qt {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
QString Q(const char* text) {
    return QString::fromUtf8(text);
}

// The wait cursor for the length of a scope.
class WaitCursor {
  public:
    explicit WaitCursor(PreviewUser& user) : user_(user) { user_.SetWaitCursor(true); }
    ~WaitCursor() { user_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    PreviewUser& user_;
};

}  // namespace

PreviewWindow::PreviewWindow(const PreviewRequest& request, PrinterChoice& printer,
                             PreviewMemory& memory, PreviewUser* user, QWidget* parent)
    : QMainWindow(parent, Qt::Window), request_(request), printer_(printer), memory_(memory) {
    if (user == nullptr) {
        ownUser_ = std::make_unique<QtPreviewUser>(this, request.programFolder);
        user = ownUser_.get();
    }
    user_ = user;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Q(PreviewCaption(request_.sheet.dataName)));

    view_ = new PageView(this);
    setCentralWidget(view_);
    BuildToolBar();
    BuildMenus();
    connect(view_, &PageView::pageTurnRequested, this, &PreviewWindow::TurnInView);
    connect(view_, &PageView::zoomMenuRequested, this,
            [this](const QPoint& at) { zoomMenu_->popup(at); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 85 / 100, area.height() * 85 / 100);
        move(area.center() - rect().center());
    }
    if (memory_.maximised) setWindowState(windowState() | Qt::WindowMaximized);

    Compose();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("計算書"));
    bar->setObjectName(QStringLiteral("previewToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setEnabled(false);
    auto addButton = [&](const char* caption, const char* tip, const char* name,
                         auto slot) -> QPushButton* {
        auto* button = new QPushButton(Q(caption), bar);
        button->setObjectName(Q(name));
        button->setToolTip(Q(tip));
        button->setAccessibleName(tip[0] != '\0' ? Q(tip) : Q(caption));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, slot);
        bar->addWidget(button);
        return button;
    };
    addButton("印 刷", "計算書全ページを印刷します", "printButton", [this] { PrintAllPages(); });
    bar->addSeparator();
    indicator_ = new QLabel(bar);
    indicator_->setObjectName(QStringLiteral("pageIndicator"));
    indicator_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral(" 000 / 000 ")));
    indicator_->setAlignment(Qt::AlignCenter);
    indicator_->setAccessibleName(QStringLiteral("ページ"));
    bar->addWidget(indicator_);
    addButton("|<", "先頭ﾍﾟｰｼﾞ", "firstButton", [this] { Navigate(kMoveFirst); });
    addButton("<", "前ﾍﾟｰｼﾞ", "previousButton", [this] { Navigate(kMovePrevious); });
    addButton(">", "次ﾍﾟｰｼﾞ", "nextButton", [this] { Navigate(kMoveNext); });
    addButton(">|", "最終ﾍﾟｰｼﾞ", "lastButton", [this] { Navigate(kMoveLast); });
    bar->addSeparator();
    zoomList_ = new QComboBox(bar);
    zoomList_->setObjectName(QStringLiteral("zoomList"));
    for (int entry = 0; entry < kZoomEntryCount; ++entry)
        zoomList_->addItem(Q(ZoomListText(entry)));
    zoomList_->setCurrentIndex(kZoomFitWidth);
    zoomList_->setToolTip(QStringLiteral("ｽﾞｰﾑ設定"));
    zoomList_->setAccessibleName(QStringLiteral("ｽﾞｰﾑ設定"));
    zoomList_->setCursor(Qt::PointingHandCursor);
    connect(zoomList_, &QComboBox::activated, this, &PreviewWindow::ApplyZoom);
    bar->addWidget(zoomList_);
    bar->addSeparator();
    addButton("結果一覧", "断面算定結果の一覧", "resultListButton", [this] { ShowResultList(); });
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    addButton("閉じる", "メイン画面に戻ります", "closeButton", [this] { close(); });
}

void PreviewWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const char* caption, const char* name, auto slot) {
        QAction* action = menu->addAction(Q(caption));
        action->setObjectName(Q(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    add(file, "このﾍﾟｰｼﾞのみ印刷(&A)", "printPageAction", [this] { PrintCurrentPage(); });
    add(file, "印刷(&P)...", "printAction", [this] { PrintAllPages(); });
    file->addSeparator();
    add(file, "計算書のPDF出力(&O)", "pdfAction", [this] { WritePdf(); });
    file->addSeparator();
    add(file, "ﾌﾟﾘﾝﾀｰの変更(&U)...", "printerAction", [this] { ChangePrinter(); });
    file->addSeparator();
    add(file, "閉じる(&C)", "closeAction", [this] { close(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    add(view, "結果一覧(&R)", "resultListAction", [this] { ShowResultList(); });

    zoomMenu_ = menuBar()->addMenu(QStringLiteral("ｽﾞｰﾑ(&Z)"));
    for (int entry = 0; entry < kZoomEntryCount; ++entry) {
        const std::string name = "zoomAction" + std::to_string(entry);
        add(zoomMenu_, ZoomMenuText(entry), name.c_str(), [this, entry] { ApplyZoom(entry); });
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    add(help, "目次(&C)", "helpAction", [this] { user_->ShowHelp(); });
    help->addSeparator();
    add(help, "ﾊﾞｰｼﾞｮﾝ情報(&V)", "aboutAction", [this] { user_->ShowAbout(); });
}

QAction* PreviewWindow::Action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

QPushButton* PreviewWindow::Button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

void PreviewWindow::Compose() {
    WaitCursor wait(*user_);
    sheet_ = std::make_unique<ComposedSheet>(
        ComposeSheet(request_.sheet.project, metrics_, request_.sheet.print));
    currentPage_ = 1;
    jumpRequest_ = 1;
    view_->SetDocument(&sheet_->document);
    view_->SetZoomEntry(zoomList_->currentIndex());
    ShowCurrentPage();
}

void PreviewWindow::ShowCurrentPage(int offsetTwips) {
    view_->ShowPage(currentPage_, offsetTwips);
    indicator_->setText(Q(PageIndicatorText(currentPage_, PageCount())));
}

void PreviewWindow::Navigate(int move) {
    const PageTurn turn = TurnPage(currentPage_, PageCount(), move);
    if (turn.beep) user_->Beep();
    currentPage_ = turn.page;
    ShowCurrentPage();
}

void PreviewWindow::TurnInView(int wanted) {
    const PageTurn turn = TurnPageInView(currentPage_, PageCount(), wanted);
    if (turn.beep) user_->Beep();
    currentPage_ = turn.page;
    ShowCurrentPage();
}

void PreviewWindow::ApplyZoom(int entry) {
    // Also reached from the menus: the list must name the zoom shown.
    zoomList_->setCurrentIndex(entry);
    view_->SetZoomEntry(entry);
    ShowCurrentPage(view_->OffsetTwips());
}

void PreviewWindow::ShowResultList() {
    const std::vector<ResultListEntry> entries =
        BuildResultList(request_.sheet.project, sheet_->pages);
    std::vector<std::string> lines;
    for (const ResultListEntry& entry : entries) lines.push_back(entry.line);
    const int chosen = user_->ChooseResultLine(
        lines, PreselectedLine(jumpRequest_, static_cast<int>(lines.size())));
    if (chosen < 0) {
        jumpRequest_ = 0;
        return;
    }
    if (chosen == 0) return;
    const std::int32_t page = JumpPage(request_.sheet.project, sheet_->pages, chosen);
    if (page < 1) return;
    jumpRequest_ = chosen;
    currentPage_ = std::min<int>(page, PageCount());
    ShowCurrentPage(JumpScrollTwips(jumpRequest_, sheet_->layout.PrintableHeightCm));
}

void PreviewWindow::PrintPages(int first, int last) {
    SheetPrintResult result;
    {
        WaitCursor wait(*user_);
        result = PrintSheetPages(sheet_->document, first, last, printer_.Name(),
                                 PreviewCaption(request_.sheet.dataName));
    }
    if (!result.ok)
        user_->ShowMessage(PrintFailedMessage(result.message), kButtonsOk, kMessageTitle);
}

void PreviewWindow::PrintAllPages() {
    if (user_->ShowMessage(kPrintAllQuestion, kButtonsOkCancel, kMessageTitle) == kAnswerCancel)
        return;
    PrintPages(1, PageCount());
}

void PreviewWindow::PrintCurrentPage() {
    if (user_->ShowMessage(kPrintPageQuestion, kButtonsOkCancel, kMessageTitle) == kAnswerCancel)
        return;
    PrintPages(currentPage_, currentPage_);
}

std::string PreviewWindow::PdfFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists()) return desktop.toStdString();
    return QDir::homePath().toStdString();
}

void PreviewWindow::WritePdf() {
    FileDialogRequest request;
    request.title = kPdfDialogTitle;
    request.folder = PdfFolder();
    request.fileName = ProposedPdfName(request_.sheet.dataName);
    request.defaultExtension = "pdf";
    request.filter = kPdfDialogFilter;
    const std::optional<std::string> chosen = user_->AskSaveFile(request);
    if (!chosen) return;
    const std::string& path = *chosen;
    std::error_code ec;
    // The old file stays until the new one is complete: the writer replaces it at the end.
    if (std::filesystem::exists(path, ec) &&
        user_->ShowMessage(PdfOverwriteQuestion(path), kButtonsOkCancel, kMessageTitle) ==
            kAnswerCancel)
        return;
    repaint();
    SheetExportResult written;
    {
        WaitCursor wait(*user_);
        const SheetPdfInfo info{sheet_->print.HeadingText, kProgramTitle};
        written = WriteSheetPdf(sheet_->document, path, {1, PageCount()}, info);
    }
    if (!written.Ok()) {
        user_->ShowMessage(PdfFailedMessage(path, written.message), kButtonsOk, kMessageTitle);
        return;
    }
    if (user_->ShowMessage(PdfCreatedQuestion(path), kButtonsYesNo, kMessageTitleWide) ==
        kAnswerYes)
        user_->OpenWithShell(path);
}

void PreviewWindow::ChangePrinter() {
    std::vector<std::string> names;
    for (const InstalledPrinter& printer : InstalledPrinters()) names.push_back(printer.name);
    // A name no installed printer has leaves the current printer as it was.
    if (const auto chosen = user_->ChoosePrinter(names, printer_.Name())) printer_.Choose(*chosen);
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    if (!request_.sheet.suppressCloseMessage &&
        user_->ShowMessage(kPreviewCloseQuestion, kButtonsYesNo, kMessageTitleWide) != kAnswerYes) {
        event->ignore();
        return;
    }
    memory_.maximised = isMaximized();
    event->accept();
}

PreviewWindow* OpenPreviewWindow(QWidget* mainWindow, const PreviewRequest& request,
                                 PrinterChoice& printer, PreviewMemory& memory, PreviewUser* user) {
    auto* preview = new PreviewWindow(request, printer, memory, user, mainWindow);
    if (mainWindow) {
        QObject::connect(preview, &QObject::destroyed, mainWindow,
                         [mainWindow] { mainWindow->show(); });
        mainWindow->hide();
    }
    preview->show();
    return preview;
}

}  // namespace zel::qt
