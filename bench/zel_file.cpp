// Reading and writing a full data file (50 beams with Japanese names, 100 result slots).
#include <benchmark/benchmark.h>

#include <memory>

#include "data/ZelFile.h"

namespace {

std::unique_ptr<zel::Project> FullProject() {
    auto p = std::make_unique<zel::Project>();
    p->settings.beamCount = 50;
    p->settings.sheetTitle = "梁断面算定結果";
    for (int i = 1; i <= 50; ++i) {
        zel::BeamRecord& b = p->Beam(i);
        b.memberName = "大梁G" + std::to_string(i);
        b.mainBarSize = "D22";
        b.stirrupSize = "D10";
        b.loadCount = 20;
        zel::ResultRecord& r = p->Result(i);
        r.memberName = b.memberName;
        r.sectionLabels = {"左端", "中央", "右端"};
        for (auto& name : r.barNames) name = "D22";
        r.stirrupNames = {"D10", "D10", "D10"};
    }
    p->font.fontName = "ＭＳ 明朝";
    return p;
}

void BM_EncodeZel(benchmark::State& state) {
    const auto p = FullProject();
    for (auto _ : state) benchmark::DoNotOptimize(zel::EncodeZel(*p));
}
BENCHMARK(BM_EncodeZel)->Unit(benchmark::kMillisecond);

void BM_DecodeZel(benchmark::State& state) {
    const std::string bytes = zel::EncodeZel(*FullProject());
    auto p = std::make_unique<zel::Project>();
    for (auto _ : state) benchmark::DoNotOptimize(zel::DecodeZel(bytes, *p));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DecodeZel)->Unit(benchmark::kMillisecond);

}  // namespace
