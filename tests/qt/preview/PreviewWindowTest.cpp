// The preview window offscreen: its buttons, menus and page view reach the controller and the
// window shows the result (paging, zoom, the result list, closing, the PDF through the real
// writer, the printer selection). The commands' rules are tested headless in
// tests/editor/PreviewControllerTest.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <fstream>

#include "PreviewFixture.h"
#include "lib/Twips.h"
#include "output/PreviewRules.h"
#include "qt/dialogs/PrinterSelectionDialog.h"
#include "qt/dialogs/ResultListDialog.h"
#include "qt/preview/PageView.h"

namespace zel {
namespace {

namespace fs = std::filesystem;
using test::PreviewFixture;

using PreviewWindowTest = PreviewFixture;

TEST_F(PreviewWindowTest, ButtonsAndViewTurnPagesAndBeepAtTheEnds) {
    Open();
    ASSERT_EQ(window->PageCount(), 6);
    QLabel* indicator = window->PageIndicator();
    EXPECT_EQ(indicator->text(), "1 / 6");
    window->Button("previousButton")->click();
    EXPECT_EQ(user.beeps, 1);
    EXPECT_EQ(indicator->text(), "1 / 6");
    window->Button("lastButton")->click();
    EXPECT_EQ(indicator->text(), "6 / 6");
    window->Button("nextButton")->click();
    EXPECT_EQ(user.beeps, 2);
    EXPECT_EQ(window->Pages()->Page(), 6);
    window->Button("firstButton")->click();
    window->Button("nextButton")->click();
    EXPECT_EQ(indicator->text(), "2 / 6");

    // The view asks for a page several pages away: the window moves one page.
    emit window->Pages()->pageTurnRequested(6);
    EXPECT_EQ(indicator->text(), "3 / 6");
    EXPECT_EQ(window->Pages()->Page(), 3);
    EXPECT_EQ(user.beeps, 2);
}

TEST_F(PreviewWindowTest, KeysAndTheWheelPastThePageEdgeTurnOnePage) {
    Open();
    window->resize(900, 700);
    qt::PageView* view = window->Pages();
    QLabel* indicator = window->PageIndicator();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_EQ(indicator->text(), "2 / 6");
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(indicator->text(), "3 / 6");  // one page at a time, as the buttons would
    QTest::keyClick(view, Qt::Key_PageUp);
    EXPECT_EQ(indicator->text(), "2 / 6");

    // Fit width: the page is taller than the view. The wheel scrolls within it first; only a
    // notch past its bottom turns to the next page, which starts at its top.
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    auto notch = [&](int dy) {
        const QPointF at(view->viewport()->rect().center());
        QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, dy),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view->viewport(), &wheel);
    };
    bar->setValue(0);
    notch(-120);
    EXPECT_EQ(indicator->text(), "2 / 6");
    EXPECT_GT(bar->value(), 0);
    bar->setValue(bar->maximum());
    notch(-120);
    EXPECT_EQ(indicator->text(), "3 / 6");
    EXPECT_EQ(bar->value(), 0);
    notch(120);
    EXPECT_EQ(indicator->text(), "2 / 6");
}

TEST_F(PreviewWindowTest, ZoomEntriesFollowTheViewWidth) {
    Open();
    EXPECT_EQ(window->ZoomList()->currentIndex(), kZoomFitWidth);
    qt::PageView* view = window->Pages();
    // 1000 pixels at 144 dpi are 10000 twips.
    view->SetScreenDpi(144);
    window->resize(window->width() + 1000 - view->width(), 700);
    ASSERT_EQ(view->width(), 1000);
    window->Action("zoomAction3")->trigger();
    EXPECT_EQ(window->ZoomList()->currentIndex(), kZoom200);
    EXPECT_EQ(view->ZoomMode(), qt::PageView::Mode::Zoom);
    EXPECT_NEAR(view->Zoom(), (10000.0 - 350.0) / 11906.0 * 200.0, 1e-9);
    EXPECT_NEAR(view->Zoom(), 162.10, 0.005);
    // The zoom stays when the window changes size, until an entry is chosen again.
    window->resize(window->width() - 200, 700);
    EXPECT_NEAR(view->Zoom(), 162.10, 0.005);
    window->Action("zoomAction1")->trigger();
    EXPECT_NEAR(view->Zoom(), (8000.0 - 350.0) / 11906.0 * 100.0, 1e-9);
}

TEST_F(PreviewWindowTest, TheResultListJumpsAndCancelKeepsThePage) {
    Open();
    // Line 4 of the real list, then "ｼﾞｬﾝﾌﾟ": the lower half of page 2.
    test::OnModalDialog<qt::ResultListDialog>([](qt::ResultListDialog* list) {
        EXPECT_EQ(list->List()->count(), 12);
        EXPECT_EQ(list->List()->currentRow(), 0);
        list->List()->setCurrentRow(3);
        list->JumpButton()->click();
    });
    window->Button("resultListButton")->click();
    EXPECT_EQ(window->PageIndicator()->text(), "2 / 6");
    EXPECT_EQ(window->Pages()->Page(), 2);
    const int half = JumpScrollTwips(4, window->Sheet().layout.PrintableHeightCm);
    // Towards the lower half, as far as the view can scroll.
    EXPECT_GT(window->Pages()->OffsetTwips(), 0);
    EXPECT_LE(window->Pages()->OffsetTwips(), half + 30);

    // The menu opens the same list on the last jump; "ｷｬﾝｾﾙ" leaves the page shown.
    test::OnModalDialog<qt::ResultListDialog>([](qt::ResultListDialog* list) {
        EXPECT_EQ(list->List()->currentRow(), 3);
        list->CancelButton()->click();
    });
    window->Action("resultListAction")->trigger();
    EXPECT_EQ(window->Controller().JumpRequest(), 0);
    EXPECT_EQ(window->PageIndicator()->text(), "2 / 6");
    EXPECT_TRUE(user.asked.empty());
}

TEST_F(PreviewWindowTest, ClosingAsksUnlessSuppressedAndShowsTheMainWindowAgain) {
    QWidget main;
    main.show();
    qt::PreviewRequest request;
    project = MakeEmptyProject();
    ASSERT_TRUE(
        LoadZelFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel", project).Ok());
    request.sheet.project = project;
    request.sheet.print = PrintSettingsOf(project);
    request.sheet.dataName = "新規データ";
    window = qt::OpenPreviewWindow(&main, request, printer, memory, user);
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(window->windowTitle(), "新規データ   KAVO-Zel /ＲＣ梁断面算定");
    EXPECT_EQ(user.waitCursor, (std::vector<bool>{true, false}));

    user.Answer(kAnswerNo);
    window->Button("closeButton")->click();
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "プレビュー画面を閉じて、メイン画面へ戻ります。");
    EXPECT_EQ(user.asked[0].buttons, kButtonsYesNo);
    EXPECT_EQ(user.asked[0].title, "確認メッセージ");
    EXPECT_TRUE(window->isVisible());

    window->showMaximized();
    user.Answer(kAnswerYes);
    window->Action("closeAction")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(memory.maximised);

    // Suppressed: no question; the remembered state opens the next preview maximised.
    request.sheet.suppressCloseMessage = true;
    window = qt::OpenPreviewWindow(&main, request, printer, memory, user);
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(user.asked.size(), 2u);
}

TEST_F(PreviewWindowTest, PdfDialogStartsOnTheDesktopWithTheProposedName) {
    Open("/d/梁A.Zel");
    window->Action("pdfAction")->trigger();
    ASSERT_EQ(user.saveRequests.size(), 1u);
    const FileDialogRequest& asked = user.saveRequests.back();
    EXPECT_EQ(asked.fileName, "Zel_梁A");
    EXPECT_EQ(asked.folder, qt::PreviewWindow::PdfFolder());
    EXPECT_TRUE(fs::is_directory(asked.folder));
    EXPECT_TRUE(user.asked.empty());
}

TEST_F(PreviewWindowTest, PdfOverwriteAndFailureAnswers) {
    const fs::path dir = fs::temp_directory_path() / "zel_preview_pdf";
    fs::create_directories(dir);
    const std::string path = (dir / "Zel_floor.pdf").string();
    std::ofstream(path) << "old";
    Open();

    // Cancel at the overwrite question: the old file stays.
    user.saveAnswers = {path, path};
    user.Answer(kAnswerCancel);
    window->Action("pdfAction")->trigger();
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, PdfOverwriteQuestion(path));
    EXPECT_EQ(user.asked[0].buttons, kButtonsOkCancel);
    EXPECT_EQ(fs::file_size(path), 3u);

    // OK: written through the exporter, then the offer to open it.
    user.Answer(kAnswerOk);
    user.Answer(kAnswerYes);
    window->Action("pdfAction")->trigger();
    ASSERT_EQ(user.asked.size(), 3u);
    EXPECT_EQ(user.asked[2].text, PdfCreatedQuestion(path));
    EXPECT_EQ(user.asked[2].title, "確認メッセージ");
    EXPECT_EQ(test::PdfPageCount(path), 6);
    EXPECT_EQ(user.opened, std::vector<std::string>{path});

    // A folder that does not exist: the reason, and no question about a PDF that is not there.
    user.Clear();
    user.saveAnswers = {(dir / "missing" / "x.pdf").string()};
    window->Action("pdfAction")->trigger();
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_NE(user.asked[0].text.find("を作成できませんでした。"), std::string::npos);
    EXPECT_NE(user.asked[0].text.find("missing"), std::string::npos);
    EXPECT_EQ(user.asked[0].buttons, kButtonsOk);
    EXPECT_EQ(user.opened.size(), 1u);
    fs::remove_all(dir);
}

TEST_F(PreviewWindowTest, PrinterChangeShowsTheProgramsPrinterAndCancelKeepsIt) {
    Open();
    test::OnModalDialog<qt::PrinterSelectionDialog>([](qt::PrinterSelectionDialog* dialog) {
        EXPECT_EQ(dialog->ChosenLabel()->text(), "zeltest");
        dialog->CancelButton()->click();
    });
    window->Action("printerAction")->trigger();
    EXPECT_EQ(printer.Name(), "zeltest");
}

TEST_F(PreviewWindowTest, OnlyVisiblePagesArePaintedAndPicturesAreKept) {
    // 25 pages: the floor's beams repeated up to 50.
    project = MakeEmptyProject();
    ASSERT_TRUE(
        LoadZelFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel", project).Ok());
    const int count = project.BeamCount();
    for (int slot = 1; slot <= count; ++slot) project.Beam(slot).skipBeam = 0;
    for (int slot = count + 1; slot <= kMaxBeams; ++slot)
        project.Beam(slot) = project.Beam((slot - 1) % count + 1);
    project.settings.beamCount = kMaxBeams;
    loaded = true;
    Open();
    ASSERT_EQ(window->PageCount(), 25);
    qt::PageView* view = window->Pages();
    window->resize(900, 700);
    view->viewport()->grab();
    const int first = view->RenderCount();
    EXPECT_LE(first, 1);
    window->Button("nextButton")->click();
    view->viewport()->grab();
    window->Button("previousButton")->click();
    view->viewport()->grab();
    EXPECT_EQ(view->RenderCount(), first + 1);

    window->Action("zoomAction5")->trigger();
    view->viewport()->grab();
    const int thumbnails = view->RenderCount() - first - 1;
    EXPECT_GT(thumbnails, 0);
    EXPECT_LT(thumbnails, 25);
    view->viewport()->grab();
    EXPECT_EQ(view->RenderCount() - first - 1, thumbnails);
}

}  // namespace
}  // namespace zel
