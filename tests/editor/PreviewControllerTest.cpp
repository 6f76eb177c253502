// The preview's commands without a window: the PDF with every answer of its questions and a
// failed write, printing with its questions and a refusing printer, the result-list jump,
// paging and closing. The sample floor (12 printed beams, 6 pages) is composed with the fixed
// metrics; the PDF writer and the printer are recorders.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <random>

#include "data/ZelFile.h"
#include "editor/PreviewController.h"
#include "support/ScriptedPrompter.h"

namespace zel::test {
namespace {

namespace fs = std::filesystem;
using Asked = ScriptedPrompter::Asked;

class RecordedPreviewWindow : public PreviewWindowUi {
  public:
    void PreviewChanged(const PreviewView& view) override { views.push_back(view); }
    int ChooseResultLine(const std::vector<std::string>& lines, int preselected) override {
        resultLines = lines;
        preselections.push_back(preselected);
        if (resultAnswers.empty()) return 0;
        const int line = resultAnswers.front();
        resultAnswers.pop_front();
        return line;
    }
    std::optional<std::string> ChoosePrinter(const std::vector<std::string>& printers,
                                             const std::string& current) override {
        printerLists.push_back(printers);
        currentPrinters.push_back(current);
        return printerAnswer;
    }

    std::vector<PreviewView> views;
    std::deque<int> resultAnswers;
    std::vector<std::string> resultLines;
    std::vector<int> preselections;
    std::optional<std::string> printerAnswer;
    std::vector<std::vector<std::string>> printerLists;
    std::vector<std::string> currentPrinters;
};

// Writes a small file in place of the PDF, or fails with `failure`.
class RecordedPdfWriter : public SheetPdfWriter {
  public:
    SheetOutputResult WritePdf(const SheetDocument& document, const std::string& path,
                               const std::string& title) override {
        written.push_back({path, title, document.PageCount()});
        if (!failure.empty()) return {false, failure};
        std::ofstream(path) << "new";
        return {true, {}};
    }
    struct Call {
        std::string path, title;
        int pages = 0;
    };
    std::vector<Call> written;
    std::string failure;
};

class RecordedPrinter : public SheetPrinter {
  public:
    std::string Name() const override { return name; }
    std::vector<std::string> InstalledNames() const override { return installed; }
    bool Choose(const std::string& wanted) override {
        if (std::find(installed.begin(), installed.end(), wanted) == installed.end()) return false;
        name = wanted;
        return true;
    }
    SheetOutputResult Print(const SheetDocument&, int first, int last,
                            const std::string& jobTitle) override {
        jobs.push_back({first, last, jobTitle});
        if (!refusal.empty()) return {false, refusal};
        return {true, {}};
    }
    struct Job {
        int first = 0, last = 0;
        std::string title;
        bool operator==(const Job&) const = default;
    };
    std::string name = "zeltest";
    std::vector<std::string> installed{"refuser", "zeltest"};
    std::vector<Job> jobs;
    std::string refusal;
};

class PreviewControllerTest : public ::testing::Test {
  protected:
    PreviewControllerTest() {
        std::random_device rd;
        folder_ = fs::temp_directory_path() /
                  ("zel_preview_ctl_" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(folder_);
    }
    ~PreviewControllerTest() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    // The preview of the sample floor, composed.
    PreviewController& Open(const std::string& dataName = "/data/floor.Zel",
                            bool suppressClose = false) {
        SheetRequest request;
        request.project = MakeEmptyProject();
        EXPECT_TRUE(LoadZelFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel",
                                request.project)
                        .Ok());
        request.print = PrintSettingsOf(request.project);
        request.dataName = dataName;
        request.suppressCloseMessage = suppressClose;
        preview_ = std::make_unique<PreviewController>(std::move(request), folder_.string(), user,
                                                       window, pdf, printer);
        preview_->Compose(metrics_);
        return *preview_;
    }
    std::string Path(const char* name) const { return (folder_ / name).string(); }

    ScriptedPrompter user;
    RecordedPreviewWindow window;
    RecordedPdfWriter pdf;
    RecordedPrinter printer;
    fs::path folder_;

  private:
    FixedFontMetrics metrics_;
    std::unique_ptr<PreviewController> preview_;
};

TEST_F(PreviewControllerTest, OpeningComposesUnderTheWaitCursorAndShowsPageOne) {
    PreviewController& preview = Open("新規データ");
    EXPECT_EQ(preview.PageCount(), 6);
    EXPECT_EQ(user.waitCursor, (std::vector<bool>{true, false}));
    ASSERT_EQ(window.views.size(), 1u);
    const PreviewView& shown = window.views[0];
    EXPECT_EQ(shown.caption, "新規データ   KAVO-Zel /ＲＣ梁断面算定");
    EXPECT_EQ(shown.document, &preview.Sheet().document);
    EXPECT_EQ(shown.pageIndicator, "1 / 6");
    EXPECT_EQ(shown.zoomEntry, kZoomFitWidth);
    EXPECT_EQ(shown.offsetTwips, std::optional<std::int32_t>(0));
}

TEST_F(PreviewControllerTest, PagingBeepsAtTheEndsAndAZoomChoiceKeepsTheOffset) {
    PreviewController& preview = Open();
    preview.Navigate(kMovePrevious);
    EXPECT_EQ(user.beeps, 1);
    EXPECT_EQ(window.views.back().pageIndicator, "1 / 6");
    preview.TurnInView(5);  // the view ran far ahead: one page at a time
    EXPECT_EQ(window.views.back().pageIndicator, "2 / 6");
    EXPECT_EQ(window.views.back().offsetTwips, std::optional<std::int32_t>(0));
    EXPECT_FALSE(window.views.back().zoomChosen);

    preview.ChooseZoom(kZoom200);
    EXPECT_TRUE(window.views.back().zoomChosen);
    EXPECT_EQ(window.views.back().zoomEntry, kZoom200);
    EXPECT_EQ(window.views.back().offsetTwips, std::nullopt);
    EXPECT_EQ(preview.CurrentPage(), 2);
    // The request is one-shot: the next page turn does not take the zoom afresh.
    preview.Navigate(kMoveNext);
    EXPECT_FALSE(window.views.back().zoomChosen);
    EXPECT_EQ(window.views.back().zoomEntry, kZoom200);
    EXPECT_EQ(user.beeps, 1);
}

TEST_F(PreviewControllerTest, TheResultListJumpsAndCancelForgetsTheLastJump) {
    PreviewController& preview = Open();
    window.resultAnswers = {4, 3, 0, -1, 0};
    preview.ShowResultList();
    ASSERT_EQ(window.resultLines.size(), 12u);  // 2G7 is not calculated
    for (const std::string& line : window.resultLines)
        EXPECT_EQ(line.find("2G7"), std::string::npos) << line;
    EXPECT_EQ(window.preselections.back(), 1);
    // Line 4 is the lower half of page 2.
    EXPECT_EQ(window.views.back().page, 2);
    EXPECT_EQ(window.views.back().offsetTwips,
              JumpScrollTwips(4, preview.Sheet().layout.PrintableHeightCm));
    EXPECT_GT(*window.views.back().offsetTwips, 0);

    preview.ShowResultList();  // line 3: the top of page 2
    EXPECT_EQ(window.preselections.back(), 4);
    EXPECT_EQ(window.views.back().offsetTwips, std::optional<std::int32_t>(0));
    EXPECT_EQ(preview.JumpRequest(), 3);

    // No jump leaves everything; "ｷｬﾝｾﾙ" forgets the jump: the next list opens on line 1.
    const std::size_t shown = window.views.size();
    preview.ShowResultList();
    EXPECT_EQ(preview.JumpRequest(), 3);
    preview.ShowResultList();
    EXPECT_EQ(preview.JumpRequest(), 0);
    preview.ShowResultList();
    EXPECT_EQ(window.preselections, (std::vector<int>{1, 4, 3, 3, 1}));
    EXPECT_EQ(window.views.size(), shown);
    EXPECT_EQ(preview.CurrentPage(), 2);
}

struct PrintCase {
    const char* name;
    bool allPages;
    int answer;
    const char* refusal;
    int jobs;
};

class PreviewPrintCommandTest : public PreviewControllerTest,
                                public ::testing::WithParamInterface<PrintCase> {};

TEST_P(PreviewPrintCommandTest, AsksThenPrintsOrSaysWhyNot) {
    const PrintCase& c = GetParam();
    PreviewController& preview = Open();
    preview.Navigate(kMoveNext);
    printer.refusal = c.refusal;
    user.Answer(c.answer);
    if (c.allPages)
        preview.PrintAllPages();
    else
        preview.PrintCurrentPage();

    ASSERT_GE(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0], (Asked{c.allPages ? kPrintAllQuestion : kPrintPageQuestion,
                                    kButtonsOkCancel, kMessageTitle}));
    ASSERT_EQ(static_cast<int>(printer.jobs.size()), c.jobs);
    if (c.jobs == 0) {
        EXPECT_EQ(user.asked.size(), 1u);
        return;
    }
    const RecordedPrinter::Job expected{c.allPages ? 1 : 2, c.allPages ? 6 : 2,
                                        "floor.Zel   KAVO-Zel /ＲＣ梁断面算定"};
    EXPECT_EQ(printer.jobs[0], expected);
    EXPECT_EQ(user.waitCursor, (std::vector<bool>{true, false, true, false}));
    if (*c.refusal == '\0') {
        EXPECT_EQ(user.asked.size(), 1u);
    } else {
        ASSERT_EQ(user.asked.size(), 2u);
        EXPECT_EQ(user.asked[1], (Asked{PrintFailedMessage(c.refusal), kButtonsOk, kMessageTitle}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PreviewPrintCommandTest,
    ::testing::Values(PrintCase{"AllCancelled", true, kAnswerCancel, "", 0},
                      PrintCase{"PageCancelled", false, kAnswerCancel, "", 0},
                      PrintCase{"AllPrinted", true, kAnswerOk, "", 1},
                      PrintCase{"PagePrinted", false, kAnswerOk, "", 1},
                      PrintCase{"AllRefused", true, kAnswerOk, "受け付けていません。", 1},
                      PrintCase{"PageRefused", false, kAnswerOk, "受け付けていません。", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreviewControllerTest, ThePdfDialogStartsInThePdfFolderOnTheProposedName) {
    Open("/d/梁A.Zel").WritePdf();  // the dialog is cancelled
    EXPECT_EQ(user.saveRequests,
              (std::vector<FileDialogRequest>{{"『 KAVO-Zel 計算書の PDF 出力 』", folder_.string(),
                                               "Zel_梁A", "pdf", kPdfDialogFilter}}));
    EXPECT_TRUE(user.asked.empty());
    EXPECT_TRUE(pdf.written.empty());
}

struct PdfCase {
    const char* name;
    bool exists;                     // a file is there already
    std::vector<int> answers;        // to the questions, in order
    const char* failure;             // the writer's reason, "" when it writes
    std::vector<const char*> asked;  // "overwrite", "failed", "created"
    bool written;
    bool opened;
};

class PreviewPdfTest : public PreviewControllerTest,
                       public ::testing::WithParamInterface<PdfCase> {};

TEST_P(PreviewPdfTest, QuestionsAndAnswers) {
    const PdfCase& c = GetParam();
    const std::string path = Path("Zel_floor.pdf");
    if (c.exists) std::ofstream(path) << "old";
    PreviewController& preview = Open();
    user.saveAnswers.push_back(path);
    for (int answer : c.answers) user.Answer(answer);
    pdf.failure = c.failure;
    preview.WritePdf();

    std::vector<Asked> expected;
    for (const std::string kind : c.asked) {
        if (kind == "overwrite")
            expected.push_back({PdfOverwriteQuestion(path), kButtonsOkCancel, kMessageTitle});
        else if (kind == "failed")
            expected.push_back({PdfFailedMessage(path, c.failure), kButtonsOk, kMessageTitle});
        else
            expected.push_back({PdfCreatedQuestion(path), kButtonsYesNo, kMessageTitleWide});
    }
    EXPECT_EQ(user.asked, expected);
    ASSERT_EQ(pdf.written.size(), c.written ? 1u : 0u);
    if (c.written) {
        EXPECT_EQ(pdf.written[0].path, path);
        EXPECT_EQ(pdf.written[0].pages, 6);
        EXPECT_EQ(pdf.written[0].title, preview.Sheet().print.HeadingText);
        // The wait cursor spans the write alone.
        EXPECT_EQ(user.waitCursor, (std::vector<bool>{true, false, true, false}));
    }
    EXPECT_EQ(user.opened, c.opened ? std::vector<std::string>{path} : std::vector<std::string>{});
    // Refused or failed, an old file is not touched.
    if (c.exists && !(c.written && *c.failure == '\0')) {
        std::ifstream in(path);
        std::string content;
        in >> content;
        EXPECT_EQ(content, "old");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PreviewPdfTest,
    ::testing::Values(
        PdfCase{"OverwriteCancelled", true, {kAnswerCancel}, "", {"overwrite"}, false, false},
        PdfCase{"OverwrittenAndShown",
                true,
                {kAnswerOk, kAnswerYes},
                "",
                {"overwrite", "created"},
                true,
                true},
        PdfCase{"NewAndNotShown", false, {kAnswerNo}, "", {"created"}, true, false},
        PdfCase{"WriteFailed",
                true,
                {kAnswerOk},
                "（フォルダーがありません）",
                {"overwrite", "failed"},
                true,
                false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreviewControllerTest, ThePrinterChangeTakesOnlyAnInstalledPrinter) {
    PreviewController& preview = Open();
    window.printerAnswer = "no such printer";
    preview.ChangePrinter();
    EXPECT_EQ(window.currentPrinters, std::vector<std::string>{"zeltest"});
    EXPECT_EQ(window.printerLists.back(), printer.installed);
    EXPECT_EQ(printer.name, "zeltest");
    window.printerAnswer = "refuser";
    preview.ChangePrinter();
    EXPECT_EQ(printer.name, "refuser");
    window.printerAnswer.reset();  // "ｷｬﾝｾﾙ"
    preview.ChangePrinter();
    EXPECT_EQ(printer.name, "refuser");
}

TEST_F(PreviewControllerTest, ClosingAsksUnlessTheMessageIsSuppressed) {
    PreviewController& asking = Open();
    user.Answer(kAnswerNo);
    EXPECT_FALSE(asking.RequestClose());
    EXPECT_EQ(user.asked, (std::vector<Asked>{{"プレビュー画面を閉じて、メイン画面へ戻ります。",
                                               kButtonsYesNo, "確認メッセージ"}}));
    user.Answer(kAnswerYes);
    EXPECT_TRUE(asking.RequestClose());

    EXPECT_TRUE(Open("/data/floor.Zel", true).RequestClose());
    EXPECT_EQ(user.asked.size(), 2u);
}

}  // namespace
}  // namespace zel::test
