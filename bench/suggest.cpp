// `zel suggest` over 50 beams that all fail: the search in process, and the whole program run
// (process start to exit, median of 15 runs) on a data file holding them. Argument 0: beams a
// deeper section mends; 1: beams nothing within the default limits mends.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "FiftyBeams.h"
#include "calc/CalculateBeam.h"
#include "calc/SectionSuggestion.h"
#include "data/AtomicFile.h"

namespace {

// The sample floor's beams, each with one layer of bars and made 5 cm shallower until it
// fails, so the search has to climb back. Hopeless beams carry 30 times their loads: no
// section within the limits passes, and the search tries every one.
zel::Project FiftyFailingBeams(bool hopeless) {
    zel::Project project = zel::bench::FiftyBeams();
    for (int slot = 1; slot <= zel::kMaxBeams; ++slot) {
        zel::BeamRecord& beam = project.Beam(slot);
        beam.maxBarLayers = 1;
        if (hopeless) {
            for (float& load : beam.loadValue) load *= 30.0f;
        }
        for (int cut = 0;; ++cut) {
            zel::Project check = project;
            if (zel::CalculateBeam(check, slot).DesignImpossible()) break;
            if (cut == 20) std::abort();
            for (float& D : beam.sectionDepth) D -= 5.0f;
            beam.selfWeight = zel::ComputeSelfWeight(beam);
        }
    }
    return project;
}

void BM_SuggestFiftyFailingBeams(benchmark::State& state) {
    const zel::Project project = FiftyFailingBeams(state.range(0) != 0);
    int tried = 0;
    for (auto _ : state) {
        for (int slot = 1; slot <= zel::kMaxBeams; ++slot) {
            const zel::SectionSuggestion s = zel::SuggestSection(project, slot, {});
            tried += s.tried;
            benchmark::DoNotOptimize(s.found);
        }
    }
    state.counters["sections"] = benchmark::Counter(tried, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SuggestFiftyFailingBeams)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ZelSuggestProcess(benchmark::State& state) {
    const std::filesystem::path bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string file =
        (std::filesystem::temp_directory_path() / "zel_bench_fifty_failing.Zel").string();
    if (!zel::WriteFileAtomically(file, zel::EncodeZel(FiftyFailingBeams(state.range(0) != 0)))
             .empty()) {
        state.SkipWithError("cannot write the data file");
        return;
    }
    const std::string command =
        "'" + (bin / "zel").string() + "' suggest '" + file + "' >/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("zel suggest failed");
            break;
        }
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_ZelSuggestProcess)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace
