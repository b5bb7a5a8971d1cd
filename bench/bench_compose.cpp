// Composition of the rule body on the Qt surface (offscreen platform): a
// whole face from scratch, and the recomposition after one option change,
// which redraws only the parts that depend on that option and so should cost
// a fraction of a whole face.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/composed_record.h"
#include "model/rule_state.h"
#include "platform/qt_surface.h"
#include "render/rule_body.h"
#include "tables/graduation.h"

namespace tesmark {
namespace {

const GraduationTables& Tables() {
    static const std::unique_ptr<GraduationTables> tables = [] {
        auto built = std::make_unique<GraduationTables>();
        BuildAllTables(*built);
        return built;
    }();
    return *tables;
}

RuleState Face(int16_t face) {
    RuleState state = RuleState::Defaults();
    state.SlideRev = face;
    return state;
}

// A whole face: the record is reset each time, so all three parts redraw.
void BM_ComposeWholeFace(benchmark::State& bench) {
    const RuleState state = Face(static_cast<int16_t>(bench.range(0)));
    QtSurface body(kRuleBodyWidth, kRuleBodyHeight);
    for (auto _ : bench) {
        ComposedRecord last;
        ComposeRuleBody(body, state, Tables(), last);
    }
}
BENCHMARK(BM_ComposeWholeFace)->ArgName("back")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

enum Option { kScaleST, kScalePI, kScaleLL };

// One option toggled back and forth: every composition redraws the parts
// that depend on it (front ScaleST: the slide; back ScalePI: upper stator and
// slide; back ScaleLL: both stators).
void BM_ComposeAfterOptionChange(benchmark::State& bench) {
    const auto option = static_cast<Option>(bench.range(0));
    RuleState a = Face(option == kScaleST ? 0 : 1);
    RuleState b = a;
    switch (option) {
        case kScaleST:
            b.ScaleST = 1;
            break;
        case kScalePI:
            b.ScalePI = 0;
            break;
        case kScaleLL:
            b.ScaleLL = 1;
            break;
    }
    QtSurface body(kRuleBodyWidth, kRuleBodyHeight);
    ComposedRecord last;
    ComposeRuleBody(body, a, Tables(), last);
    bool toB = true;
    for (auto _ : bench) {
        ComposeRuleBody(body, toB ? b : a, Tables(), last);
        toB = !toB;
    }
}
BENCHMARK(BM_ComposeAfterOptionChange)
    ->ArgName("option")
    ->Arg(kScaleST)
    ->Arg(kScalePI)
    ->Arg(kScaleLL)
    ->Unit(benchmark::kMicrosecond);

// Nothing changed: only the tooltips hook runs.
void BM_ComposeUnchanged(benchmark::State& bench) {
    const RuleState state = Face(0);
    QtSurface body(kRuleBodyWidth, kRuleBodyHeight);
    ComposedRecord last;
    ComposeRuleBody(body, state, Tables(), last);
    for (auto _ : bench) ComposeRuleBody(body, state, Tables(), last);
}
BENCHMARK(BM_ComposeUnchanged);

}  // namespace
}  // namespace tesmark
