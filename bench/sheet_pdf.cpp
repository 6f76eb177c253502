// The calculation sheet of a full project: 50 beams composed and written as a 25-page PDF.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "FiftyBeams.h"
#include "data/ZelFile.h"
#include "output/SheetComposer.h"
#include "output/SheetDocument.h"

// The PDF half needs the Qt layer, which is linked (with its headers) when the GUI is built.
#if __has_include(<QGuiApplication>)
#define ZEL_HAVE_QT_BENCH 1
#include <QGuiApplication>

#include "qt/sheet/SheetExporter.h"
#include "qt/sheet/SheetFonts.h"
#endif

namespace {

using zel::bench::FiftyBeams;

void BM_ComposeSheetFixedMetrics(benchmark::State& state) {
    zel::Project project = FiftyBeams();
    zel::FixedFontMetrics metrics;
    for (auto _ : state) {
        const zel::ComposedSheet sheet = zel::ComposeSheet(project, metrics);
        if (sheet.pageCount != 25) state.SkipWithError("expected 25 pages");
        benchmark::DoNotOptimize(sheet.document.Pages().data());
    }
}
BENCHMARK(BM_ComposeSheetFixedMetrics)->Unit(benchmark::kMillisecond);

#ifdef ZEL_HAVE_QT_BENCH
QGuiApplication& App() {
    static std::unique_ptr<QGuiApplication> app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "sheet_pdf";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
    return *app;
}

// What `zel sheet` does after loading: compose with the real fonts and write the PDF.
void BM_SheetPdf50Beams(benchmark::State& state) {
    App();
    zel::Project project = FiftyBeams();
    const std::string path =
        (std::filesystem::temp_directory_path() / "zel_bench_sheet.pdf").string();
    zel::qt::QtSheetFontMetrics metrics;
    for (auto _ : state) {
        const zel::ComposedSheet sheet = zel::ComposeSheet(project, metrics);
        const zel::qt::SheetExportResult written =
            zel::qt::WriteSheetPdf(sheet.document, path, {}, {sheet.print.HeadingText, "bench"});
        if (sheet.pageCount != 25 || !written.Ok()) {
            state.SkipWithError(("PDF not written: " + written.message).c_str());
        }
    }
    state.counters["pages"] = 25;
    std::filesystem::remove(path);
}
BENCHMARK(BM_SheetPdf50Beams)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
