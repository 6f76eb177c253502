// One undo and one redo of the main window's controller on a 50-beam project: the deletion
// of a beam taken back and done again. The window is a stub, so painting is not counted.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FiftyBeams.h"
#include "editor/MainController.h"

namespace zel::bench {
namespace {

// Says yes to every question.
class YesPrompter : public Prompter {
  public:
    int ShowMessage(const std::string&, int buttons, const std::string&) override {
        return buttons == kButtonsYesNo ? kAnswerYes : kAnswerOk;
    }
    void Beep() override {}
    int ShowConfirm(const std::string&) override { return 0; }
    std::optional<std::string> AskOpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> AskSaveFile(const FileDialogRequest&) override { return {}; }
    void SetWaitCursor(bool) override {}
    bool OpenWithShell(const std::string&) override { return false; }
};

class NoWindow : public MainWindowUi {
  public:
    void OpenCheckView(int, const CheckViewTexts&) override {}
    void CloseCheckView() override {}
    void OpenPreview(const SheetRequest&) override {}
    SheetOutputResult WritePdf(const SheetDocument&, const std::string&,
                               const std::string&) override {
        return {};
    }
    void MainWindowChanged(const MainWindowView&) override {}
};

struct Session {
    Session() {
        folder = std::filesystem::temp_directory_path() / "zel_bench_undo";
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(
            std::filesystem::path(ZEL_SOURCE_DIR) / "resources" / "鉄筋Ｆ値.TBL",
            folder / "鉄筋Ｆ値.TBL", std::filesystem::copy_options::overwrite_existing);
        Project project = FiftyBeams();
        const std::string file = (folder / "fifty.Zel").string();
        if (!SaveZelFile(file, project).ok) std::abort();
        controller.StartUp(folder.string());
        if (!controller.OpenFile(file) || controller.BeamCount() != kMaxBeams) std::abort();
        controller.SelectBeam(24);
        if (!controller.DeleteBeam()) std::abort();
    }
    ~Session() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::filesystem::path folder;
    YesPrompter user;
    NoWindow window;
    MainController controller{user, window};
};

template <bool kUndo>
void Step(benchmark::State& state) {
    Session session;
    MainController& c = session.controller;
    if (!kUndo) c.Undo();  // something to redo
    for (auto _ : state) {
        // Each iteration times one of the pair; the other puts the history back.
        const auto start = std::chrono::steady_clock::now();
        if (!(kUndo ? c.Undo() : c.Redo())) std::abort();
        const auto end = std::chrono::steady_clock::now();
        if (!(kUndo ? c.Redo() : c.Undo())) std::abort();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    if (c.BeamCount() != (kUndo ? kMaxBeams - 1 : kMaxBeams)) std::abort();
}

void BM_UndoDeleteOfFiftyBeams(benchmark::State& state) {
    Step<true>(state);
}
void BM_RedoDeleteOfFiftyBeams(benchmark::State& state) {
    Step<false>(state);
}
BENCHMARK(BM_UndoDeleteOfFiftyBeams)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedoDeleteOfFiftyBeams)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zel::bench
