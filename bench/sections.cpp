// The beam section list of a full project: 50 beams composed, written as DXF and as PDF.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "FiftyBeams.h"
#include "output/DxfWriter.h"
#include "output/SectionList.h"

#if __has_include(<QGuiApplication>)
#define ZEL_HAVE_QT_BENCH 1
#include <QGuiApplication>

#include "output/DrawingSheet.h"
#include "qt/sheet/SheetExporter.h"
#endif

namespace {

using zel::bench::FiftyBeams;

const zel::SectionListOptions kOptions{20, "fifty.Zel", "2024/05/31"};

void BM_ComposeSectionList(benchmark::State& state) {
    zel::Project project = FiftyBeams();
    for (auto _ : state) {
        const zel::Drawing drawing = zel::ComposeSectionList(project, kOptions);
        benchmark::DoNotOptimize(drawing.pages.data());
    }
}
BENCHMARK(BM_ComposeSectionList)->Unit(benchmark::kMillisecond);

// What `zel sections -o OUT.dxf` does after loading.
void BM_SectionListDxf50Beams(benchmark::State& state) {
    zel::Project project = FiftyBeams();
    const std::string path =
        (std::filesystem::temp_directory_path() / "zel_bench_sections.dxf").string();
    for (auto _ : state) {
        const zel::Drawing drawing = zel::ComposeSectionList(project, kOptions);
        if (const std::string error = zel::WriteDxfFile(path, drawing); !error.empty())
            state.SkipWithError(error.c_str());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SectionListDxf50Beams)->Unit(benchmark::kMillisecond);

#ifdef ZEL_HAVE_QT_BENCH
// What `zel sections -o OUT.pdf` does after loading.
void BM_SectionListPdf50Beams(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "sections";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    zel::Project project = FiftyBeams();
    const std::string path =
        (std::filesystem::temp_directory_path() / "zel_bench_sections.pdf").string();
    zel::FixedFontMetrics metrics;
    for (auto _ : state) {
        const zel::Drawing drawing = zel::ComposeSectionList(project, kOptions);
        zel::SheetDocument document(metrics);
        zel::PaintDrawing(document, drawing);
        const zel::qt::SheetExportResult written =
            zel::qt::WriteSheetPdf(document, path, {}, {"bench", "bench"});
        if (!written.Ok()) state.SkipWithError(written.message.c_str());
        state.counters["pages"] = static_cast<double>(drawing.pages.size());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SectionListPdf50Beams)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
