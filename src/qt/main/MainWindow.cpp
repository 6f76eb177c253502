#include "qt/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "editor/SpreadsheetController.h"
#include "output/CheckViewTexts.h"
#include "qt/common/AppSupport.h"
#include "qt/common/HelpManual.h"
#include "qt/common/PictureArt.h"
#include "qt/common/QtPrompter.h"
#include "qt/common/QtText.h"
#include "qt/common/WidgetMirror.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/input/InputAreaWidget.h"
#include "qt/print/PrinterPageSetup.h"

namespace zel::qt {

MainWindow::MainWindow(Prompter* user, QWidget* parent)
    : QMainWindow(parent),
      ownUser_(user ? nullptr : std::make_unique<QtPrompter>(this)),
      user_(user ? user : ownUser_.get()),
      controller_(*user_, *this) {
    setObjectName(QStringLiteral("mainWindow"));
    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(BuildBeamColumn(content));
    auto* right = new QVBoxLayout;
    positionLabel_ = new QLabel(content);
    positionLabel_->setObjectName(QStringLiteral("positionLabel"));
    right->addWidget(positionLabel_);
    input_ = new InputAreaWidget(controller_.Input(), content);
    right->addWidget(input_);
    layout->addLayout(right, 1);
    connect(input_, &InputAreaWidget::modelChanged, this, &MainWindow::ApplyInputCommands);
    connect(input_, &InputAreaWidget::memberCommandClicked, this, [this](MemberCommand command) {
        Run([this, command] { controller_.RunMemberCommand(command); });
    });
    connect(input_, &InputAreaWidget::spanTypeDialogRequested, this,
            &MainWindow::OpenSpanTypeDialog);
    input_->SetUnitChooser([this](bool output, int index) {
        Run([this, output, index] {
            output ? controller_.SelectOutputUnits(index) : controller_.SelectInputUnits(index);
        });
    });

    // The whole input area stays reachable by scrolling when the window is smaller.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    setCentralWidget(scroll);

    BuildMenus();
    BuildToolBar();
    SetPointingHandCursors(this);
}

MainWindow::~MainWindow() {
    // A preview still open (or closed but not yet deleted) would show this half-destroyed
    // window again when it goes.
    if (preview_) {
        preview_->disconnect(this);
        delete preview_.data();
    }
}

QWidget* MainWindow::BuildBeamColumn(QWidget* parent) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(ToQ("梁リスト"), column);
    layout->addWidget(caption);
    beamList_ = new QListWidget(column);
    beamList_->setObjectName(QStringLiteral("beamList"));
    beamList_->setAccessibleName(caption->text());
    beamList_->setFixedWidth(150);
    layout->addWidget(beamList_, 1);
    connect(beamList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        bool moved = false;
        Run([this, row, &moved] { moved = controller_.SelectBeam(row); });
        // A refused click: the press that made the row current goes on to select it after
        // this returns, so the current beam is shown again once the press is done.
        if (!moved) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const MainWindowView& view = controller_.View();
                    MirrorLines(beamList_, view.beamList, view.selectedLine);
                },
                Qt::QueuedConnection);
        }
    });

    auto button = [&](QWidget* owner, QLayout* into, const char* caption, const char* tip,
                      auto command) {
        auto* b = new QPushButton(ToQ(caption), owner);
        b->setAccessibleName(ToQ(caption));
        if (tip) b->setToolTip(ToQ(tip));
        connect(b, &QPushButton::clicked, this, command);
        into->addWidget(b);
        return b;
    };
    button(column, layout, "梁追加", "梁データを追加します",
           [this] { Run([this] { controller_.AddBeam(); }); });
    beamButtons_.push_back(button(column, layout, "梁削除", "現在選択中の梁データを削除します",
                                  [this] { Run([this] { controller_.DeleteBeam(); }); }));
    button(column, layout, "入力ｴﾘｱ ｸﾘｱｰ",
           "データ入力エリアをクリアーします。元データは変更されません",
           [this] { Run([this] { controller_.ClearInputArea(); }); });
    auto* order = new QGroupBox(ToQ("部材順序"), column);
    auto* orderLayout = new QHBoxLayout(order);
    beamButtons_.push_back(button(order, orderLayout, "上げる[↑]", nullptr,
                                  [this] { Run([this] { controller_.MoveUp(); }); }));
    beamButtons_.push_back(button(order, orderLayout, "下げる[↓]", nullptr,
                                  [this] { Run([this] { controller_.MoveDown(); }); }));
    layout->addWidget(order);
    button(column, layout, "終 了", "終了します", [this] { Exit(); });
    return column;
}

QAction* MainWindow::AddAction(QMenu* menu, const char* caption, const char* name,
                               void (MainWindow::*slot)()) {
    QAction* action = menu->addAction(ToQ(caption));
    action->setObjectName(ToQ(name));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

template <typename Call>
QAction* MainWindow::AddCommand(QMenu* menu, const char* caption, const char* name, Call call) {
    QAction* action = menu->addAction(ToQ(caption));
    action->setObjectName(ToQ(name));
    connect(action, &QAction::triggered, this,
            [this, call] { Run([this, call] { call(controller_); }); });
    return action;
}

void MainWindow::Run(const std::function<void()>& command) {
    command();
    input_->Mirror();
    ApplyInputCommands();
}

void MainWindow::BuildMenus() {
    fileMenu_ = menuBar()->addMenu(ToQ("ﾌｧｲﾙ(&F)"));
    newAction_ = AddCommand(fileMenu_, "新規作成(&N)", "newAction",
                            [](MainController& c) { c.NewProject(); });
    openAction_ =
        AddCommand(fileMenu_, "ﾃﾞｰﾀ読込み(&D)", "openAction", [](MainController& c) { c.Open(); });
    fileMenu_->addSeparator();
    saveAction_ =
        AddCommand(fileMenu_, "上書き保存(&S)", "saveAction", [](MainController& c) { c.Save(); });
    beamCommands_.push_back(saveAction_);
    beamCommands_.push_back(AddCommand(fileMenu_, "名前を付けて保存(&A)", "saveAsAction",
                                       [](MainController& c) { c.SaveAs(); }));
    fileMenu_->addSeparator();
    sectionListAction_ =
        AddCommand(fileMenu_, "断面リストの出力(&L)...", "sectionListAction",
                   [](MainController& c) { c.RunMemberCommand(MemberCommand::SectionList); });
    beamCommands_.push_back(
        AddCommand(fileMenu_, "結果一覧表の出力(&T)...", "scheduleAction",
                   [this](MainController& c) { ExportResultSchedule(c, *user_); }));
    AddCommand(fileMenu_, "CSVから梁を追加(&I)...", "csvBeamsAction",
               [this](MainController& c) { AddBeamsFromCsv(c, *user_); });
    fileMenu_->addSeparator();
    AddAction(fileMenu_, "ﾌﾟﾘﾝﾀｰの設定(&U)...", "printerAction", &MainWindow::OpenPrinterPageSetup);
    historySeparator_ = fileMenu_->addSeparator();
    exitSeparator_ = fileMenu_->addSeparator();
    exitAction_ = AddAction(fileMenu_, "終了(&X)", "exitAction", &MainWindow::Exit);
    // The keys a desktop user expects, beside the menus' own accelerators.
    newAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    openAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Action(QStringLiteral("saveAsAction"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    BuildEditMenu();

    QMenu* run = menuBar()->addMenu(ToQ("実行(&J)"));
    calcSheetAction_ = AddCommand(run, "計算書(&G)", "calcSheetAction", [](MainController& c) {
        c.RunMemberCommand(MemberCommand::CalcSheet);
    });
    calcSheetAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    checkAction_ = AddCommand(run, "部材個別ﾁｪｯｸ(&C)", "checkAction",
                              [](MainController& c) { c.RunMemberCommand(MemberCommand::Check); });

    QMenu* settings = menuBar()->addMenu(ToQ("設定(&S)"));
    AddAction(settings, "出力設定(&P)", "printSettingsAction",
              &MainWindow::OpenSheetSettingsDialog);
    settings->addSeparator();
    AddAction(settings, "ﾃﾞﾌｫﾙﾄ設定(&D)", "defaultsAction", &MainWindow::OpenDefaultsDialog);

    QMenu* help = menuBar()->addMenu(ToQ("ﾍﾙﾌﾟ(&H)"));
    AddAction(help, "目次(&C)", "helpAction", &MainWindow::OpenHelp)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    AddAction(help, "ﾊﾞｰｼﾞｮﾝ情報(&V)", "aboutAction", &MainWindow::OpenAboutDialog);
}

void MainWindow::BuildToolBar() {
    QToolBar* bar = addToolBar(ToQ("ﾂｰﾙﾊﾞｰ"));
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The buttons are the menu's own commands (so they are enabled with them), shown with an
    // icon and a shorter caption; the menus stay without icons.
    auto tool = [&](QAction* action, QStyle::StandardPixmap icon, const char* caption) {
        action->setIcon(style()->standardIcon(icon));
        action->setIconVisibleInMenu(false);
        action->setIconText(ToQ(caption));
        action->setToolTip(ToQ(caption));
        bar->addAction(action);
    };
    tool(newAction_, QStyle::SP_FileIcon, "新規作成");
    tool(openAction_, QStyle::SP_DialogOpenButton, "データ読込み");
    tool(saveAction_, QStyle::SP_DialogSaveButton, "上書き保存");
    AddEditButtons(bar);
    bar->addSeparator();
    tool(exitAction_, QStyle::SP_DialogCloseButton, "閉じる");
}

QAction* MainWindow::Action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void MainWindow::StartUp(const std::string& programFolder) {
    controller_.StartUp(programFolder);
    const ProgramFiles& files = controller_.Files();
    pictureFolder_ = files.SupportFolder(LoadPictureFile(1, 0));
    helpFolder_ = files.SupportFolder(kHelpManualFile);
    setWindowIcon(ProgramIcon(files.SupportFolder(kIconFile)));
    input_->SetPictureFolder(pictureFolder_);
    input_->Mirror();
    ApplyInputCommands();
    FitToScreen();
}

void MainWindow::OpenFile(const std::string& path) {
    Run([this, &path] { controller_.OpenFile(path); });
}

QSize MainWindow::DesignedSize() const {
    const auto* scroll = static_cast<const QScrollArea*>(centralWidget());
    const int chrome = menuBar()->sizeHint().height() + findChild<QToolBar*>()->sizeHint().height();
    return scroll->widget()->sizeHint() + QSize(4, chrome + 4);
}

void MainWindow::FitToScreen() {
    QSize wanted = DesignedSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        // On small screens the window shrinks and the input area scrolls.
        if (free.width() < 800) wanted = QSize(free.width() * 85 / 100, free.height() * 85 / 100);
        wanted = wanted.boundedTo(free.size());
    }
    resize(wanted);
}

void MainWindow::ApplyInputCommands() {
    const InputAreaView& view = controller_.Input().View();
    calcSheetAction_->setEnabled(view.calcSheetMenu.enabled);
    // The section list checks and commits the input as 計算書 does, so it is offered with it.
    sectionListAction_->setEnabled(view.calcSheetMenu.enabled);
    checkAction_->setEnabled(view.checkMenu.enabled);
    UpdateEditActions();  // typing makes the input area's edits the step to undo
}

// ----- MainWindowUi -----

void MainWindow::OpenCheckView(int, const CheckViewTexts& texts) {
    // The command that opened the view mirrors the input area when the view closes.
    RunCheckViewDialog(this, texts, [this] { return controller_.SuggestSection(); });
}

SheetOutputResult MainWindow::WritePdf(const SheetDocument& document, const std::string& path,
                                       const std::string& title) {
    return pdfWriter_.WritePdf(document, path, title);
}

void MainWindow::CloseCheckView() {
    // The check view is modal: it is already closed when another command runs.
}

void MainWindow::OpenPreview(const SheetRequest& request) {
    preview_ = OpenPreviewWindow(this, PreviewRequest{request, helpFolder_}, printer_,
                                 previewMemory_, *user_);
}

void MainWindow::MainWindowChanged(const MainWindowView& view) {
    setWindowTitle(ToQ(view.caption));
    positionLabel_->setText(ToQ(view.positionLabel));
    MirrorLines(beamList_, view.beamList, view.selectedLine);
    for (QAction* a : beamCommands_) a->setEnabled(view.beamCommandsEnabled);
    for (QPushButton* b : beamButtons_) b->setEnabled(view.beamCommandsEnabled);

    for (QAction* old : historyActions_) {
        fileMenu_->removeAction(old);
        old->deleteLater();
    }
    historyActions_.clear();
    for (std::size_t i = 0; i < view.history.size(); ++i) {
        QString caption = ToQ(view.history[i]);
        caption.replace(QChar('&'), QStringLiteral("&&"));  // a path is not a mnemonic
        auto* entry = new QAction(caption, fileMenu_);
        entry->setObjectName(QStringLiteral("history%1").arg(i));
        const int index = static_cast<int>(i);
        connect(entry, &QAction::triggered, this, [this, index] { OpenHistoryEntry(index); });
        fileMenu_->insertAction(exitSeparator_, entry);
        historyActions_.push_back(entry);
    }
    historySeparator_->setVisible(view.historySeparatorVisible);
    if (view.focusBeamList) beamList_->setFocus(Qt::OtherFocusReason);
    UpdateEditActions();
}

void MainWindow::OpenHistoryEntry(int index) {
    // The entries are rebuilt by the command itself: leave the triggering action alone.
    QMetaObject::invokeMethod(
        this, [this, index] { Run([this, index] { controller_.OpenHistory(index); }); },
        Qt::QueuedConnection);
}

// ----- Commands -----

void MainWindow::closeEvent(QCloseEvent* event) {
    if (exitConfirmed_ || controller_.RequestExit()) {
        exitConfirmed_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::Exit() {
    close();
}

void MainWindow::OpenPrinterPageSetup() {
    qt::OpenPrinterPageSetup(this, *user_, printer_);
}

void MainWindow::OpenSheetSettingsDialog() {
    Run([this] { RunSheetSettingsDialog(this, controller_); });
}

void MainWindow::OpenDefaultsDialog() {
    Run([this] { RunDefaultsDialog(this, controller_); });
}

void MainWindow::OpenHelp() {
    OpenHelpManual(*user_, helpFolder_);
}

void MainWindow::OpenAboutDialog() {
    RunAboutDialog(this, helpFolder_);
}

void MainWindow::OpenSpanTypeDialog() {
    Run([this] { RunSpanTypeDialog(this, controller_.Input(), pictureFolder_); });
}

}  // namespace zel::qt
