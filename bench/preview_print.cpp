// The preview and printing of a full project (50 beams, 25 pages) on the offscreen platform:
// opening the preview (composition and the first paint of the shown page), and printing all 25
// pages through a private print server until its backend has kept the document.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <memory>
#include <string>

#include "../tests/support/PrivateCups.h"
#include "../tests/support/ScriptedPrompter.h"
#include "FiftyBeams.h"
#include "data/ZelFile.h"
#include "output/SheetComposer.h"
#include "qt/preview/PageView.h"
#include "qt/preview/PreviewWindow.h"
#include "qt/print/Printers.h"
#include "qt/print/SheetPrinting.h"
#include "qt/sheet/SheetFonts.h"

namespace {

using zel::bench::FiftyBeams;

QApplication& App() {
    static int argc = 1;
    static char name[] = "preview_print";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(argc, argv);
    return app;
}

void BM_OpenPreviewFiftyBeams(benchmark::State& state) {
    App();
    zel::qt::PreviewRequest request;
    request.sheet.project = FiftyBeams();
    request.sheet.print = zel::PrintSettingsOf(request.sheet.project);
    request.sheet.dataName = "floor.Zel";
    request.sheet.suppressCloseMessage = true;
    zel::qt::PrinterChoice printer{std::string("none")};
    zel::qt::PreviewMemory memory;
    zel::test::ScriptedPrompter user;  // the preview asks nothing here
    for (auto _ : state) {
        auto window = std::make_unique<zel::qt::PreviewWindow>(request, printer, memory, user);
        window->resize(1000, 760);
        window->show();
        // The first paint of the page view, as the offscreen platform has no screen to expose.
        window->Pages()->viewport()->grab();
        if (window->PageCount() != 25 || window->Pages()->RenderCount() < 1) {
            state.SkipWithError("expected 25 pages and a painted page");
            break;
        }
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPreviewFiftyBeams)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PrintTwentyFivePagesToTestQueue(benchmark::State& state) {
    App();
    zel::test::PrivateCups cups;
    if (!cups.Start() || !cups.AddQueue("zelbench")) {
        state.SkipWithError(("no private print server: " + cups.Error()).c_str());
        return;
    }
    zel::Project project = FiftyBeams();
    zel::qt::QtSheetFontMetrics metrics;
    const zel::ComposedSheet sheet = zel::ComposeSheet(project, metrics);
    std::size_t jobs = 0;
    for (auto _ : state) {
        const zel::qt::SheetPrintResult result =
            zel::qt::PrintSheetPages(sheet.document, 1, sheet.pageCount, "zelbench", "bench");
        ++jobs;
        if (!result.ok || cups.WaitForJobs(jobs).size() != jobs) {
            state.SkipWithError(("the job was not kept: " + result.message).c_str());
            break;
        }
    }
    state.counters["pages"] = sheet.pageCount;
}
BENCHMARK(BM_PrintTwentyFivePagesToTestQueue)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
