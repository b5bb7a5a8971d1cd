// Building all sixteen graduation tables, as the main window does once.
#include <benchmark/benchmark.h>

#include <memory>

#include "tables/graduation.h"

namespace {

void BM_BuildAllTables(benchmark::State& state) {
    const auto tables = std::make_unique<tesmark::GraduationTables>();
    for (auto _ : state) {
        tesmark::BuildAllTables(*tables);
        benchmark::DoNotOptimize(tables->LlTable[0].count);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildAllTables);

void BM_BuildScaleTables(benchmark::State& state) {
    const auto tables = std::make_unique<tesmark::GraduationTables>();
    for (auto _ : state) {
        tesmark::BuildScaleTables(*tables);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildScaleTables);

void BM_BuildLogLogTables(benchmark::State& state) {
    const auto tables = std::make_unique<tesmark::GraduationTables>();
    for (auto _ : state) {
        tesmark::BuildLLTables(*tables);
        tesmark::BuildReciprocalLLTables(*tables);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildLogLogTables);

}  // namespace

BENCHMARK_MAIN();
