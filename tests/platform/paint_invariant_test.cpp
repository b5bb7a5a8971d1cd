// The invariant the partial repaints rest on: after any sequence of slide and
// cursor moves, each painted with only the blocks the move named, the back
// buffer holds exactly the pixels of one full paint of the final state. The
// same holds on a screen of more device pixels per pixel, device pixel for
// device pixel: whole ratios and 1.5, where the blocks of the device grid
// differ in width.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "model/composed_record.h"
#include "platform/device_grid.h"
#include "platform/qt_surface.h"
#include "render/rule_body.h"
#include "render/window_painter.h"
#include "support/built_graduation_tables.h"
#include "tables/graduation.h"

namespace tesmark {
namespace {

constexpr int kA = 255;
constexpr Rgb kButtonText{0, 0, 0};
constexpr Rgb kUnpainted{1, 2, 3};

const GraduationTables& Tables() {
    return testing::BuiltGraduationTables();
}

// A tile that shows where it is anchored, so a background filled from the
// wrong origin would not match.
QImage CheckerTile() {
    QImage tile(48, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            tile.setPixel(x, y, ((x / 6 + y / 4) % 2) ? qRgb(200, 180, 150) : qRgb(90, 110, 70));
    return tile;
}

std::unique_ptr<QtSurface> ComposedBody(const RuleState& state, qreal ratio) {
    auto body = std::make_unique<QtSurface>(2501, 170, kWhite, ratio);
    body->setEvenStrokes(true);
    ComposedRecord record;
    ComposeRuleBody(*body, state, Tables(), record);
    return body;
}

// The window's side of painting: the back buffer and the memory the paints
// keep, over a composed body.
struct Window {
    RuleState state;
    RedrawState redraw;
    ReadingTable table;
    PaintMemory memory;
    const QtSurface& body;
    QtSurface buffer;

    Window(const RuleState& initial, const QtSurface& composed)
        : state(initial), body(composed), buffer(625 + kA, 325, kUnpainted, composed.ratio()) {
        state.CxSize = kA;
        redraw = RedrawState::ForPositions(state.SlidePos, state.CursorPos);
        buffer.setPatternImage(CheckerTile());
    }

    // Paints and returns what the paint said it may change.
    std::vector<PixelRect> paint() {
        const int16_t lastSource = memory.painter.CursorSlideSource;
        const PaintPlan plan = PreparePaint(state, redraw, table, memory, kA);
        PaintWindow(buffer, body, state, table, plan, memory, redraw, kButtonText);
        return PaintDamage(plan, lastSource);
    }
};

// What the window shows after one full paint of a state on a fresh buffer.
QImage FullPaint(const RuleState& state, const QtSurface& body) {
    Window window(state, body);
    window.paint();
    return window.buffer.toImage();
}

// The moves' own pixel test: the column a position stands on, rounded as the
// slide bars round it (truncation toward zero of the value plus a half).
int MovePixel(int32_t p) {
    return static_cast<int>(p / 21000.0 / 300 * 2100 + 0.5);
}

// One event between paints, with the hint a move would leave: a move assigns
// 1 (slide) or 2 (cursor) when its element changed pixels since the last
// paint, 3 when both move together, 0 otherwise; a SinNum switch leaves 0; a
// click on a box changes the focus and leaves the hint as it is.
struct Event {
    std::optional<int32_t> slide;
    std::optional<int32_t> cursor;
    std::optional<int16_t> sinNum;
    std::optional<int16_t> focus;
    bool paint = true;  // false: the next event comes before the paint
};

Event Slide(int32_t to) {
    return {to, {}, {}, {}};
}
Event Cursor(int32_t to) {
    return {{}, to, {}, {}};
}
Event Both(int32_t slide, int32_t cursor) {
    return {slide, cursor, {}, {}};
}
Event SinNum(int16_t value) {
    return {{}, {}, value, {}};
}
Event Focus(int16_t slot) {
    return {{}, {}, {}, slot};
}
Event Unpainted(Event event) {
    event.paint = false;
    return event;
}

void Apply(Window& window, const Event& event) {
    RuleState& state = window.state;
    int16_t& hint = window.redraw.RedrawHint;
    if (event.slide || event.cursor) {
        hint = 0;
        if (event.slide && MovePixel(window.redraw.DrawnSlidePos) != MovePixel(*event.slide))
            hint |= kRedrawSlide;
        if (event.cursor && MovePixel(window.redraw.DrawnCursorPos) != MovePixel(*event.cursor))
            hint |= kRedrawCursor;
        if (window.redraw.PaintedFlag == 0) hint = kRedrawAll;
        if (event.slide) state.SlidePos = *event.slide;
        if (event.cursor) state.CursorPos = *event.cursor;
    }
    if (event.sinNum) {
        state.SinNum = *event.sinNum;
        hint = kRedrawNothing;
    }
    if (event.focus) state.NumFoucs = *event.focus;
}

struct Scenario {
    const char* name;
    RuleState start;
    std::vector<Event> events;
};

RuleState Start(int32_t slide, int32_t cursor, int16_t face = 0, int16_t focus = 14) {
    RuleState state;
    state.SlidePos = slide;
    state.CursorPos = cursor;
    state.SlideRev = face;
    state.NumFoucs = focus;
    return state;
}

std::vector<Event> Steps(bool slide, int32_t from, int32_t step, int count) {
    std::vector<Event> events;
    for (int i = 1; i <= count; ++i)
        events.push_back(slide ? Slide(from + i * step) : Cursor(from + i * step));
    return events;
}

std::vector<Event> Join(std::initializer_list<std::vector<Event>> parts) {
    std::vector<Event> events;
    for (const std::vector<Event>& part : parts)
        events.insert(events.end(), part.begin(), part.end());
    return events;
}

// The first device pixel that changed between two pictures outside the
// damage (in pixels, which cover their blocks of the device grid).
std::string ChangeOutside(const QImage& before, const QImage& after,
                          const std::vector<PixelRect>& damage, qreal ratio) {
    std::vector<QRect> device;
    for (const PixelRect& r : damage)
        device.push_back(
            DeviceRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), ratio));
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y)) continue;
            bool inside = false;
            for (const QRect& r : device) inside = inside || r.contains(x, y);
            if (!inside) return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    return {};
}

std::string FirstDifference(const QImage& got, const QImage& want) {
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y))
                return "first difference at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "none";
}

void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

class PartialRepaint : public ::testing::TestWithParam<std::tuple<Scenario, qreal>> {};

TEST_P(PartialRepaint, LeavesThePixelsOfAFullPaintOfTheSameState) {
    const auto& [scenario, ratio] = GetParam();
    const std::unique_ptr<QtSurface> body = ComposedBody(scenario.start, ratio);
    Window window(scenario.start, *body);
    window.paint();
    const QImage initial = window.buffer.toImage();
    int step = 0;
    for (const Event& event : scenario.events) {
        ++step;
        Apply(window, event);
        if (!event.paint) continue;
        ASSERT_NE(window.redraw.RedrawHint, kRedrawAll) << "every step must paint partially";
        const QImage before = window.buffer.toImage();
        const std::vector<PixelRect> damage = window.paint();
        const QImage got = window.buffer.toImage();
        const QImage want = FullPaint(window.state, *body);
        ASSERT_TRUE(got == want) << "after step " << step << ": " << FirstDifference(got, want);
        // Only the damage reaches the screen, so nothing may change outside it.
        ASSERT_EQ(ChangeOutside(before, got, damage, ratio), "")
            << "after step " << step << ", a pixel changed outside the paint's damage";
    }
    EXPECT_NE(window.buffer.toImage(), initial) << "the scenario should change the picture";
}

// A cursor position that puts S (the slide column under the hairline, less
// 78) at the given value for a slide position.
int32_t CursorForS(int s, int32_t slide) {
    return 3000 * (s + 78 + 1050) - slide;
}

// The device pixels per pixel of the screens the rule is painted for.
std::string RatioName(qreal ratio) {
    std::string name = "AtRatio" + std::to_string(static_cast<int>(ratio));
    const int hundredths = static_cast<int>(ratio * 100) % 100;
    if (hundredths != 0) name += "_" + std::to_string(hundredths);
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Moves, PartialRepaint,
    ::testing::Combine(
        ::testing::Values(
            Scenario{"CursorPixelSteps", Start(3150000, 3150000),
                     Join({Steps(false, 3150000, 3000, 4), Steps(false, 3162000, -7000, 3)})},
            Scenario{"CursorUnitSteps", Start(3150000, 3150000), Steps(false, 3150000, 700, 8)},
            // Through the place where the left view starts to follow, and back.
            Scenario{"SlideThroughTheLeftFollowing", Start(3075000, 3150000),
                     Join({Steps(true, 3075000, -3000, 10), Steps(true, 3045000, 4500, 6)})},
            Scenario{"SlideThroughTheRightFollowing", Start(3225000, 3150000),
                     Join({Steps(true, 3225000, 3000, 10), Steps(true, 3255000, -4500, 6)})},
            Scenario{"SlideFarAwayAndBack",
                     Start(3150000, 3150000),
                     {Slide(3300000), Slide(1000000), Slide(-90000), Slide(3000000), Slide(6390000),
                      Slide(3150001)}},
            Scenario{
                "IndexOffTheStatorMovesTheFocus",
                Start(3150000, 3150000, 0, 20),
                {Slide(2700000), Slide(2550000), Slide(2400000), Slide(3760000), Slide(3200000)}},
            Scenario{"BothTogether",
                     Start(3150000, 3150000),
                     {Both(3100000, 3200000), Both(3050000, 3250000), Both(3350000, 2000000)}},
            // Past the slide's column 0 on the view's last column (S = -247).
            Scenario{"CursorOverTheSlidesLeftEnd", Start(-90000, CursorForS(-150, -90000)),
                     Join({Steps(false, CursorForS(-150, -90000), -3000, 3),
                           Steps(false, CursorForS(-243, -90000), -3000, 7)})},
            Scenario{"CursorOverTheSlidesRightEnd", Start(6390000, CursorForS(2048, 6390000)),
                     Join({Steps(false, CursorForS(2048, 6390000), 3000, 7),
                           Steps(false, CursorForS(2183, 6390000), 3000, 7)})},
            // Below zero, and on a few exact half pixels, the moves' pixel test
            // and the painter's pixel mapping round apart.
            Scenario{"CursorBelowZero", Start(3150000, 5000), Steps(false, 5000, -1000, 10)},
            Scenario{"CursorOnExactHalves",
                     Start(3150000, 36000),
                     {Cursor(33000), Cursor(34500), Cursor(37500), Cursor(31500), Cursor(40500)}},
            // Moves coalesced before one paint: the last one's hint names only its
            // own element.
            Scenario{"MovesBeforeOnePaint",
                     Start(3150000, 3150000),
                     {Unpainted(Cursor(3180000)), Slide(3120000), Unpainted(Slide(3000000)),
                      Cursor(3100000)}},
            Scenario{"SinNumSwitched", Start(3150000, 3150000), {Cursor(3300000), SinNum(1)}},
            Scenario{"FocusAndSinNumBeforeOnePaint",
                     Start(3150000, 3150000, 0, 4),
                     {Unpainted(SinNum(1)), Focus(20)}},
            Scenario{"FocusLeavesTheSlideRowsWithACursorMove",
                     Start(3150000, 3150000, 0, 13),
                     {Unpainted(Cursor(3150001)), Focus(4)}},
            Scenario{"BackFace", Start(3150000, 3150000, 1, 15),
                     Join({Steps(true, 3150000, -5000, 6),
                           Steps(false, 3150000, 4000, 6),
                           {SinNum(1), Both(3400000, 3000000)}})}),
        ::testing::Values(1.0, 1.25, 1.5, 2.0, 3.0)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + RatioName(std::get<1>(info.param));
    });

}  // namespace
}  // namespace tesmark
