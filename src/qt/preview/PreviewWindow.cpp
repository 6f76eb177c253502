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

#include "qt/common/HelpManual.h"
#include "qt/common/QtText.h"
#include "qt/common/WidgetMirror.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/PrinterSelectionDialog.h"
#include "qt/dialogs/ResultListDialog.h"
#include "qt/preview/PageView.h"
#include "qt/print/Printers.h"

namespace zel::qt {

PreviewWindow::PreviewWindow(const PreviewRequest& request, PrinterChoice& printer,
                             PreviewMemory& memory, Prompter& user, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      printer_(printer),
      memory_(memory),
      user_(user),
      programFolder_(request.programFolder.empty() ? FromQ(QCoreApplication::applicationDirPath())
                                                   : request.programFolder),
      sheetPrinter_(printer),
      controller_(request.sheet, PdfFolder(), user, *this, pdfWriter_, sheetPrinter_) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ToQ(controller_.View().caption));

    view_ = new PageView(this);
    setCentralWidget(view_);
    BuildToolBar();
    BuildMenus();
    connect(view_, &PageView::pageTurnRequested, this,
            [this](int wanted) { controller_.TurnInView(wanted); });
    connect(view_, &PageView::zoomMenuRequested, this,
            [this](const QPoint& at) { zoomMenu_->popup(at); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 85 / 100, area.height() * 85 / 100);
        move(area.center() - rect().center());
    }
    if (memory_.maximised) setWindowState(windowState() | Qt::WindowMaximized);

    controller_.Compose(metrics_);
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
        auto* button = new QPushButton(ToQ(caption), bar);
        button->setObjectName(ToQ(name));
        button->setToolTip(ToQ(tip));
        button->setAccessibleName(tip[0] != '\0' ? ToQ(tip) : ToQ(caption));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, slot);
        bar->addWidget(button);
        return button;
    };
    addButton("印 刷", "計算書全ページを印刷します", "printButton",
              [this] { controller_.PrintAllPages(); });
    bar->addSeparator();
    indicator_ = new QLabel(bar);
    indicator_->setObjectName(QStringLiteral("pageIndicator"));
    indicator_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral(" 000 / 000 ")));
    indicator_->setAlignment(Qt::AlignCenter);
    indicator_->setAccessibleName(QStringLiteral("ページ"));
    bar->addWidget(indicator_);
    addButton("|<", "先頭ﾍﾟｰｼﾞ", "firstButton", [this] { controller_.Navigate(kMoveFirst); });
    addButton("<", "前ﾍﾟｰｼﾞ", "previousButton", [this] { controller_.Navigate(kMovePrevious); });
    addButton(">", "次ﾍﾟｰｼﾞ", "nextButton", [this] { controller_.Navigate(kMoveNext); });
    addButton(">|", "最終ﾍﾟｰｼﾞ", "lastButton", [this] { controller_.Navigate(kMoveLast); });
    bar->addSeparator();
    zoomList_ = new QComboBox(bar);
    zoomList_->setObjectName(QStringLiteral("zoomList"));
    for (int entry = 0; entry < kZoomEntryCount; ++entry)
        zoomList_->addItem(ToQ(ZoomListText(entry)));
    zoomList_->setCurrentIndex(controller_.View().zoomEntry);
    zoomList_->setToolTip(QStringLiteral("ｽﾞｰﾑ設定"));
    zoomList_->setAccessibleName(QStringLiteral("ｽﾞｰﾑ設定"));
    zoomList_->setCursor(Qt::PointingHandCursor);
    connect(zoomList_, &QComboBox::activated, this,
            [this](int entry) { controller_.ChooseZoom(entry); });
    bar->addWidget(zoomList_);
    bar->addSeparator();
    addButton("結果一覧", "断面算定結果の一覧", "resultListButton",
              [this] { controller_.ShowResultList(); });
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    addButton("閉じる", "メイン画面に戻ります", "closeButton", [this] { close(); });
}

void PreviewWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const char* caption, const char* name, auto slot) {
        QAction* action = menu->addAction(ToQ(caption));
        action->setObjectName(ToQ(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    add(file, "このﾍﾟｰｼﾞのみ印刷(&A)", "printPageAction",
        [this] { controller_.PrintCurrentPage(); });
    add(file, "印刷(&P)...", "printAction", [this] { controller_.PrintAllPages(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    add(file, "計算書のPDF出力(&O)", "pdfAction", [this] { controller_.WritePdf(); });
    file->addSeparator();
    add(file, "ﾌﾟﾘﾝﾀｰの変更(&U)...", "printerAction", [this] { controller_.ChangePrinter(); });
    file->addSeparator();
    // Through close(), so the keys ask the same question as 閉じる.
    add(file, "閉じる(&C)", "closeAction", [this] { close(); })
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    add(view, "結果一覧(&R)", "resultListAction", [this] { controller_.ShowResultList(); });

    zoomMenu_ = menuBar()->addMenu(QStringLiteral("ｽﾞｰﾑ(&Z)"));
    for (int entry = 0; entry < kZoomEntryCount; ++entry) {
        const std::string name = "zoomAction" + std::to_string(entry);
        add(zoomMenu_, ZoomMenuText(entry), name.c_str(),
            [this, entry] { controller_.ChooseZoom(entry); });
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    add(help, "目次(&C)", "helpAction", [this] { OpenHelpManual(user_, programFolder_); })
        ->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    add(help, "ﾊﾞｰｼﾞｮﾝ情報(&V)", "aboutAction", [this] { RunAboutDialog(this, programFolder_); });
}

QAction* PreviewWindow::Action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

QPushButton* PreviewWindow::Button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

std::string PreviewWindow::PdfFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists()) return FromQ(desktop);
    return FromQ(QDir::homePath());
}

// ----- PreviewWindowUi -----

void PreviewWindow::PreviewChanged(const PreviewView& view) {
    setWindowTitle(ToQ(view.caption));
    MirrorListPosition(zoomList_, view.zoomEntry);
    const bool newDocument = view.document != shownDocument_;
    if (newDocument) {
        shownDocument_ = view.document;
        view_->SetDocument(view.document);
    }
    if (newDocument || view.zoomChosen) view_->SetZoomEntry(view.zoomEntry);
    view_->ShowPage(view.page, view.offsetTwips ? *view.offsetTwips : view_->OffsetTwips());
    indicator_->setText(ToQ(view.pageIndicator));
}

int PreviewWindow::ChooseResultLine(const std::vector<std::string>& lines, int preselected) {
    ResultListDialog dialog(lines, preselected, this);
    dialog.exec();
    return dialog.Cancelled() ? -1 : dialog.ChosenLine();
}

std::optional<std::string> PreviewWindow::ChoosePrinter(const std::vector<std::string>& printers,
                                                        const std::string& current) {
    PrinterSelectionDialog dialog(printers, current, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenName();
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    if (!controller_.RequestClose()) {
        event->ignore();
        return;
    }
    memory_.maximised = isMaximized();
    event->accept();
}

PreviewWindow* OpenPreviewWindow(QWidget* mainWindow, const PreviewRequest& request,
                                 PrinterChoice& printer, PreviewMemory& memory, Prompter& user) {
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
