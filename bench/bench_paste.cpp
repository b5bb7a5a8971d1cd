// One paste end to end, as Ctrl+P makes it in the window: the clipboard's
// text parsed (first 20 characters, the leading number), the cursor moved by
// the paste command's own path (undo record, MoveToValue), then the window
// painted by the rule view. The parse and the move are also measured alone,
// to show where the time goes.
#include <benchmark/benchmark.h>

#include <QImage>
#include <optional>
#include <string_view>

#include "model/client_size.h"
#include "model/composed_record.h"
#include "ops/headless_window_port.h"
#include "ops/parse_number.h"
#include "ops/rule_session.h"
#include "ops/text_moves.h"
#include "platform/rule_view.h"

namespace tesmark {
namespace {

constexpr int kExtraWidth = 255;

QImage PatternTile() {
    QImage tile(48, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            tile.setPixel(x, y, ((x + y) % 3) ? qRgb(200, 200, 200) : qRgb(170, 170, 170));
    return tile;
}

// Two clipboard texts taken in turn, so that every paste moves the cursor.
constexpr std::string_view kTexts[] = {"2.5 word", "3.14159265358979323846"};

// A port without a window that composes the rule view's body when a move
// asks for it (a paste that takes another log-log pair does).
class ComposingPort : public HeadlessWindowPort {
  public:
    ComposingPort(RuleSession& session, RuleView& view)
        : HeadlessWindowPort(session), session_(session), view_(view) {}
    void composeRuleBody() override { view_.compose(session_.state, session_.composed); }

  private:
    RuleSession& session_;
    RuleView& view_;
};

// The window's rule after its first paint, without the widgets.
struct PastingWindow {
    explicit PastingWindow(const RuleState& initial) : state(initial) {
        view.compose(state, session.composed);
        paint();
    }
    void paint() {
        view.paint(state, session.redraw, session.readings, kExtraWidth, kBlack,
                   /*labelsExposed=*/false);  // a move invalidates only the rule area
    }
    // Every text of the loop must move: a refused paste would measure nothing.
    bool pastes(std::string_view text) {
        const std::optional<int32_t> result =
            PasteToTarget(session, port, MoveTarget::Cursor, text);
        return result && *result >= 0;
    }

    RuleState state;
    RuleSession session{state};
    RuleView view{ClientWidth(kExtraWidth), PatternTile()};
    ComposingPort port{session, view};
};

RuleState Front() {
    RuleState state = RuleState::Defaults();  // focus 14, D under the cursor
    state.CxSize = kExtraWidth;
    return state;
}

RuleState BackFace() {
    RuleState state = Front();
    state.SlideRev = 1;
    state.NumFoucs = 15;  // LL3 under the cursor
    return state;
}

void BM_ParsePastedText(benchmark::State& bench) {
    int i = 0;
    for (auto _ : bench) benchmark::DoNotOptimize(ParsePastedNumber(kTexts[i++ % 2]));
}
BENCHMARK(BM_ParsePastedText);

// Parse and move, no paint: D under the cursor.
void BM_PasteMoveOnly(benchmark::State& bench) {
    PastingWindow window(Front());
    if (!window.pastes(kTexts[0]) || !window.pastes(kTexts[1])) bench.SkipWithError("refused");
    int i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            PasteToTarget(window.session, window.port, MoveTarget::Cursor, kTexts[i++ % 2]));
    }
}
BENCHMARK(BM_PasteMoveOnly);

// Parse, move and paint: D under the cursor, the cursor view repainted.
void BM_PasteEndToEnd(benchmark::State& bench) {
    PastingWindow window(Front());
    if (!window.pastes(kTexts[0]) || !window.pastes(kTexts[1])) bench.SkipWithError("refused");
    int i = 0;
    for (auto _ : bench) {
        PasteToTarget(window.session, window.port, MoveTarget::Cursor, kTexts[i++ % 2]);
        window.paint();
    }
    benchmark::DoNotOptimize(window.view.backBuffer().image().constBits());
}
BENCHMARK(BM_PasteEndToEnd)->Unit(benchmark::kMicrosecond);

// The dearest paste: on the back face every text needs the other log-log
// pair (1.05 on LL1, 3.5 on LL3), so each one recomposes the body and the
// rule is painted whole.
void BM_PasteSwitchingLogLogPair(benchmark::State& bench) {
    PastingWindow window(BackFace());
    constexpr std::string_view kPairTexts[] = {"1.05", "3.5"};
    if (!window.pastes(kPairTexts[0]) || !window.pastes(kPairTexts[1]))
        bench.SkipWithError("refused");
    int i = 0;
    for (auto _ : bench) {
        PasteToTarget(window.session, window.port, MoveTarget::Cursor, kPairTexts[i++ % 2]);
        window.paint();
    }
    benchmark::DoNotOptimize(window.view.backBuffer().image().constBits());
}
BENCHMARK(BM_PasteSwitchingLogLogPair)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesmark
