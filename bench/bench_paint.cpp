// The window's paint after a cursor step, after a slide step, in full and
// after a width change, each with its readout panel, on the Qt back buffer
// (offscreen platform).
// A step repaints only the blocks that moved, so it should cost a fraction of
// a full paint. The steps and the full paint are measured at the device
// pixel ratios of screens, given as the argument in hundredths (100 is
// ratio 1, 200 is ratio 2): a screen of ratio r has r x r device pixels per
// pixel to fill and copy.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstring>
#include <memory>
#include <vector>

#include "model/client_size.h"
#include "model/composed_record.h"
#include "platform/device_grid.h"
#include "platform/qt_surface.h"
#include "platform/rule_view.h"
#include "render/rule_body.h"
#include "render/window_painter.h"
#include "tables/graduation.h"

namespace tesmark {
namespace {

constexpr int kExtraWidth = 255;
constexpr int32_t kPixelStep = 3000;  // one pixel in position units

QImage PatternTile() {
    QImage tile(48, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            tile.setPixel(x, y, ((x + y) % 3) ? qRgb(200, 200, 200) : qRgb(170, 170, 170));
    return tile;
}

qreal RatioOf(const benchmark::State& bench) {
    return static_cast<qreal>(bench.range(0)) / 100.0;
}

// A main window's painting state after its first paint.
struct PaintedWindow {
    std::unique_ptr<GraduationTables> tables = std::make_unique<GraduationTables>();
    RuleState state;
    RedrawState redraw;
    ReadingTable table;
    PaintMemory memory;
    QtSurface body;
    QtSurface buffer;

    explicit PaintedWindow(qreal ratio = 1.0)
        : body(2501, 170, kWhite, ratio), buffer(625 + kExtraWidth, 325, kWhite, ratio) {
        body.setEvenStrokes(true);
        BuildAllTables(*tables);
        state.CxSize = kExtraWidth;
        ComposedRecord record;
        ComposeRuleBody(body, state, *tables, record);
        buffer.setPatternImage(PatternTile());
        paint();
    }

    void paint() {
        const PaintPlan plan = PreparePaint(state, redraw, table, memory, kExtraWidth);
        PaintWindow(buffer, body, state, table, plan, memory, redraw, kBlack,
                    /*labelsExposed=*/false);  // a move invalidates only the rule area
    }
};

// One pixel to and fro, so every iteration moves the element and the
// position stays near home.
int32_t Step(int64_t iteration) {
    return (iteration % 2 == 0) ? kPixelStep : -kPixelStep;
}

void BM_CursorStepRepaint(benchmark::State& bench) {
    PaintedWindow window(RatioOf(bench));
    int64_t i = 0;
    for (auto _ : bench) {
        window.state.CursorPos += Step(i++);
        window.redraw.RedrawHint = kRedrawCursor;
        window.paint();
    }
    benchmark::DoNotOptimize(window.buffer.image().constBits());
}
BENCHMARK(BM_CursorStepRepaint)
    ->Arg(100)
    ->Arg(125)
    ->Arg(150)
    ->Arg(200)
    ->Arg(300)
    ->Unit(benchmark::kMicrosecond);

// The floor under a cursor step's paint: copying, row by row, the device
// pixels of every rectangle the step above may change (the view blocks that
// moved and the readout boxes rewritten, as the window asks the platform to
// repaint them), from one image to another with nothing drawn. The cursor
// step's paint is judged against this.
void BM_CursorStepCopyFloor(benchmark::State& bench) {
    const qreal ratio = RatioOf(bench);
    PaintedWindow window(ratio);
    const int16_t lastCursorSlideSource = window.memory.painter.CursorSlideSource;
    window.state.CursorPos += kPixelStep;
    window.redraw.RedrawHint = kRedrawCursor;
    const PaintPlan plan =
        PreparePaint(window.state, window.redraw, window.table, window.memory, kExtraWidth);
    const std::vector<PixelRect> damage = PaintDamage(plan, lastCursorSlideSource);
    std::vector<QRect> blocks;  // the damage in device pixels
    double pixels = 0;
    for (const PixelRect& rect : damage) {
        const QRect logical(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        blocks.push_back(DeviceRect(logical, ratio));
        pixels += double(logical.width()) * double(logical.height());
    }
    const QImage& from = window.buffer.image();
    QImage to(from.size(), from.format());
    to.fill(Qt::black);
    const qsizetype line = from.bytesPerLine();
    for (auto _ : bench) {
        for (const QRect& block : blocks) {
            const int left = block.left() * 4;
            const auto bytes = static_cast<std::size_t>(block.width()) * 4;
            for (int y = block.top(); y <= block.bottom(); ++y)
                std::memcpy(to.bits() + y * line + left, from.constBits() + y * line + left, bytes);
        }
        benchmark::ClobberMemory();
    }
    bench.counters["rects"] = static_cast<double>(damage.size());
    bench.counters["pixels"] = pixels;
    benchmark::DoNotOptimize(to.constBits());
}
BENCHMARK(BM_CursorStepCopyFloor)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_SlideStepRepaint(benchmark::State& bench) {
    PaintedWindow window(RatioOf(bench));
    int64_t i = 0;
    for (auto _ : bench) {
        window.state.SlidePos += Step(i++);
        window.redraw.RedrawHint = kRedrawSlide;
        window.paint();
    }
    benchmark::DoNotOptimize(window.buffer.image().constBits());
}
BENCHMARK(BM_SlideStepRepaint)
    ->Arg(100)
    ->Arg(125)
    ->Arg(150)
    ->Arg(200)
    ->Arg(300)
    ->Unit(benchmark::kMicrosecond);

void BM_FullRepaint(benchmark::State& bench) {
    PaintedWindow window(RatioOf(bench));
    for (auto _ : bench) {
        window.redraw.RedrawHint = kRedrawAll;
        window.paint();
    }
    benchmark::DoNotOptimize(window.buffer.image().constBits());
}
BENCHMARK(BM_FullRepaint)
    ->Arg(100)
    ->Arg(125)
    ->Arg(150)
    ->Arg(200)
    ->Arg(300)
    ->Unit(benchmark::kMicrosecond);

// One width change with its paint, as a drag of the window's side makes it:
// the back buffer takes the new width and the rule is painted whole, once.
void BM_ResizeStep(benchmark::State& bench) {
    RuleState state;
    state.CxSize = kExtraWidth;
    RuleView view(ClientWidth(kExtraWidth), PatternTile());
    ComposedRecord composed;
    view.compose(state, composed);
    RedrawState redraw = RedrawState::ForPositions(state.SlidePos, state.CursorPos);
    ReadingTable readings;
    view.paint(state, redraw, readings, kExtraWidth, kBlack, true);
    int64_t i = 0;
    for (auto _ : bench) {
        const int extra = kExtraWidth + static_cast<int>(i++ % 2);
        state.CxSize = static_cast<int16_t>(extra);
        if (view.fitWidth(ClientWidth(extra))) redraw.RedrawHint = kRedrawAll;
        view.paint(state, redraw, readings, extra, kBlack, true);
    }
    benchmark::DoNotOptimize(view.backBuffer().image().constBits());
}
BENCHMARK(BM_ResizeStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesmark
