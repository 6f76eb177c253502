// CalculateAll on a full project: 50 beams with 20 loads each.
#include <benchmark/benchmark.h>

#include "calc/CalculateBeam.h"
#include "data/Project.h"

namespace {

zel::Project FullProject() {
    zel::Project project = zel::MakeEmptyProject();
    project.settings.beamCount = zel::kMaxBeams;
    for (int slot = 1; slot <= zel::kMaxBeams; ++slot) {
        zel::BeamRecord& beam = project.Beam(slot);
        beam.memberName = "G" + std::to_string(slot);
        const float B = 30.0f + static_cast<float>(slot % 5) * 5.0f;
        const float D = 55.0f + static_cast<float>(slot % 4) * 10.0f;
        beam.sectionWidth = {B, B + 5.0f, B};
        beam.sectionDepth = {D, D - 5.0f, D};
        beam.sectionCover = {5.0f, 5.0f, 5.0f};
        beam.sectionCount = static_cast<std::int16_t>(1 + slot % 3);
        beam.spanLength = 5.0f + static_cast<float>(slot % 6) * 0.5f;
        beam.mainBarGrade = static_cast<std::int16_t>(slot % 2);
        beam.stirrupGrade = zel::kSD295;
        beam.mainBarSize = slot % 2 == 0 ? "D22" : "D25";
        beam.stirrupSize = slot % 3 == 0 ? "D13" : "D10";
        beam.assemblyMethod = static_cast<std::int16_t>(slot % 5);
        beam.maxStirrupPitch = 200;
        beam.compressionBarRatio = 0.6f;
        beam.maxBarLayers = 2;
        beam.maxStirrupLegs = 4;
        beam.spanType = static_cast<std::int16_t>(slot % 7);
        beam.userCoefficients = {0.8f, 0.6f, 0.8f};
        beam.concreteFc = 240.0f;
        beam.selfWeight = B * D * 2.4 / 10000.0;
        beam.supportType = slot % 10 == 0 ? 1 : 0;
        beam.momentPosition = beam.spanLength / 2.0f;
        beam.loadCount = zel::kMaxLoads;
        for (int i = 0; i < zel::kMaxLoads; ++i) {
            const float L = beam.spanLength;
            const float start = L * static_cast<float>(i % 5) / 10.0f;
            beam.loadType[i] = static_cast<std::int16_t>(1 + i % 6);
            beam.loadValue[i] = 0.05f + 0.01f * static_cast<float>(i);
            beam.loadLengths[i] = {start, L / 4.0f, L / 4.0f, L / 8.0f};
            beam.loadHeight[i] = 1.5f;
        }
    }
    return project;
}

void BM_CalculateAll(benchmark::State& state) {
    zel::Project project = FullProject();
    for (auto _ : state) {
        auto results = zel::CalculateAll(project);
        benchmark::DoNotOptimize(results.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * zel::kMaxBeams);
}
BENCHMARK(BM_CalculateAll)->Unit(benchmark::kMicrosecond);

}  // namespace
