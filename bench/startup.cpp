// Start-up of KavoZel: from process start to the first paint of the main window, on the
// offscreen platform (the program quits right after that paint). Median over repetitions.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string ProgramBesideMe() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "KavoZel").string();
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
    const std::string command = "QT_QPA_PLATFORM=offscreen KAVOZEL_EXIT_AFTER_FIRST_PAINT=1 '" +
                                ProgramBesideMe() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("KavoZel did not start");
            break;
        }
    }
}
BENCHMARK(BM_StartUpToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace
