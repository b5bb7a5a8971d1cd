// The moves of the rule: setting a value (the work behind every value step,
// paste and edit-box move) and one line step of a bar through the scroll
// handler. The paint that follows a move is measured in bench_paint.
#include <benchmark/benchmark.h>

#include "model/reading_table.h"
#include "ops/headless_window_port.h"
#include "ops/move_to_value.h"
#include "ops/rule_session.h"
#include "ops/scroll_handler.h"

namespace {

using namespace tesmark;

// Values spread over a decade, so the loop is not one cached case.
double SweepValue(int i, double low, double high) {
    return low + (high - low) * static_cast<double>(i % 997) / 997.0;
}

// A rule without a window, its body taken as composed for the state.
struct HeadlessRule {
    explicit HeadlessRule(RuleState initial) : state(initial), session(state), port(session) {
        HeadlessWindowPort::RecordComposition(session);
    }
    RuleState state;
    RuleSession session;
    HeadlessWindowPort port;
};

RuleState BackFace() {
    RuleState state = RuleState::Defaults();
    state.SlideRev = 1;
    return state;
}

void MoveToValueOnD(benchmark::State& run) {
    HeadlessRule rule(RuleState::Defaults());  // focus 14, D under the cursor
    auto& [state, session, port] = rule;
    const bool apply = run.range(0) != 0;
    int i = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(
            MoveToValue(session, port, SweepValue(i++, 1.0, 9.99), MoveTarget::Cursor, apply));
    }
}
BENCHMARK(MoveToValueOnD)->Arg(0)->Arg(1)->ArgName("apply");

void MoveToValueOnLogLog(benchmark::State& run) {
    HeadlessRule rule(BackFace());
    auto& [state, session, port] = rule;
    int i = 0;
    for (auto _ : run) {
        // Within LL3 (pair 2): no pair switch, the focus stays on slot 15.
        state.NumFoucs = 15;
        benchmark::DoNotOptimize(
            MoveToValue(session, port, SweepValue(i++, 3.0, 20000.0), MoveTarget::Cursor, false));
    }
}
BENCHMARK(MoveToValueOnLogLog);

void MoveToValueAcrossLogLogPairs(benchmark::State& run) {
    HeadlessRule rule(BackFace());
    auto& [state, session, port] = rule;
    int i = 0;
    for (auto _ : run) {
        // 0.5 .. 30 takes the reciprocal rows and all three pairs.
        benchmark::DoNotOptimize(
            MoveToValue(session, port, SweepValue(i++, 0.5, 30.0), MoveTarget::Cursor, false));
    }
}
BENCHMARK(MoveToValueAcrossLogLogPairs);

// One Right arrow on the cursor bar: arg 0 the number lock off (one unit),
// arg 1 on with the focus on D (a value step through MoveToValue). The
// reading table is not refreshed between steps (that is the paint's work),
// so each value step repeats the same request.
void CursorLineStep(benchmark::State& run) {
    HeadlessRule rule(RuleState::Defaults());
    auto& [state, session, port] = rule;
    state.NumberVariable = static_cast<int16_t>(run.range(0));
    RefreshAllReadings(state, session.readings);
    for (auto _ : run) {
        HandleScroll(session, port, BarId::Cursor, ScrollCode::LineRight);
        benchmark::DoNotOptimize(state.CursorPos);
        if (state.CursorPos >= MaxKeptPos) state.CursorPos = 0;
    }
}
BENCHMARK(CursorLineStep)->Arg(0)->Arg(1)->ArgName("numberLock");

}  // namespace

BENCHMARK_MAIN();
