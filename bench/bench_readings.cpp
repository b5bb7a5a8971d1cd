// The readout panel refreshes the reading table and formats up to 22 texts on
// every paint; these measure one full refresh and the texts of one panel.
#include <benchmark/benchmark.h>

#include <string>

#include "model/number_format.h"
#include "model/reading_table.h"

namespace {

using namespace tesmark;

void RefreshEveryGroup(benchmark::State& run) {
    RuleState state;
    state.SlideRev = static_cast<int16_t>(run.range(0));
    ReadingTable table;
    int32_t cursor = 0;
    for (auto _ : run) {
        state.CursorPos = cursor;
        cursor = (cursor + 3000) % DecadeUnits;
        RefreshAllReadings(state, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(RefreshEveryGroup)->Arg(0)->Arg(1)->ArgName("back");

void FormatPanelTexts(benchmark::State& run) {
    RuleState state;
    state.SlideRev = 1;
    ReadingTable table;
    RefreshAllReadings(state, table);
    const NumberStyle styles[] = {NumberStyle::Sig6, NumberStyle::Sig6Mantissa, NumberStyle::Sig7,
                                  NumberStyle::Frac7};
    for (auto _ : run) {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            std::string text = FormatNumber(table[slot], styles[slot % 4]);
            benchmark::DoNotOptimize(text);
        }
    }
}
BENCHMARK(FormatPanelTexts);

}  // namespace

BENCHMARK_MAIN();
