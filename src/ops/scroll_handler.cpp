#include "ops/scroll_handler.h"

#include <array>

#include "model/positions.h"
#include "model/reading_table.h"
#include "ops/bar_position.h"
#include "ops/move_to_value.h"
#include "ops/zero_trailing_digits.h"

namespace tesmark {

namespace {

// Modifiers: 0 plain, 1 fine-grained coarse (Shift, Fast), 2 reversed (Ctrl, Reverse).
constexpr int kModifierCount = 3;

// Position mode: the units a line or page code adds to the thumb.
constexpr std::array<std::array<int32_t, kModifierCount>, 4> kPositionSteps = {{
    {-1, -20, +1},         // LineLeft
    {+1, +20, -1},         // LineRight
    {-500, -10000, +500},  // PageLeft
    {+500, +10000, -500},  // PageRight
}};

// Value mode: the base step of the focus reading and the digits to zero.
struct ValueStep {
    double step;
    int zeroDigits;
};
constexpr std::array<std::array<ValueStep, kModifierCount>, 4> kValueSteps = {{
    {{{-0.00001, 0}, {-0.0001, 1}, {+0.00001, 0}}},  // LineLeft
    {{{+0.00001, 0}, {+0.0001, 1}, {-0.00001, 0}}},  // LineRight
    {{{-0.001, 2}, {-0.01, 3}, {+0.001, 2}}},        // PageLeft
    {{{+0.001, 2}, {+0.01, 3}, {-0.001, 2}}},        // PageRight
}};

bool IsOneOf(int slot, std::initializer_list<int> slots) {
    for (int s : slots) {
        if (s == slot) return true;
    }
    return false;
}

// Scales the base step for the focus scale: larger readings step by more,
// reversed scales step the other way, log-log scales by less.
double ScaledStep(double step, double r, int slot, BarId bar, const RuleState& state) {
    if (r > 10) step = step * 10;
    if (r > 100) step = step * 10;
    if (state.SlideRev == 0) {
        if (IsOneOf(slot, {5, 15, 21})) step = step * -1;                    // DI
        if (IsOneOf(slot, {6, 16, 22})) step = step / 10;                    // L
        if (IsOneOf(slot, {11, 12}) && state.SinNum != 0) step = step * -1;  // T, S
    } else {
        if (r > 1000) step = step * 10;
        if (r > 10000) step = step * 10;
        if (r > 100000) step = step * 10;
        if (IsOneOf(slot, {5, 15, 21}) && state.ScaleLL != 2) step = step / 10;  // LL(n+1)
        if (IsOneOf(slot, {6, 16, 22})) step = state.ScaleLL == 0 ? step / 100 : step / 10;  // LLn
        if (IsOneOf(slot, {1, 2, 7, 8, 17, 18})) {  // LL/n, LL/(n+1)
            step = step / 100;
            step = step * -1;
        }
        if (IsOneOf(slot, {11, 12})) step = step * -1;  // CIF, CI
    }
    if (bar == BarId::Slide && slot >= 10 && slot <= 13) step = step * -1;
    return step;
}

int64_t PositionStep(int64_t b, int16_t code, int modifier, int32_t trackPosition) {
    switch (code) {
        case 0:
        case 1:
        case 2:
        case 3:
            return b + kPositionSteps[static_cast<std::size_t>(code)]
                                     [static_cast<std::size_t>(modifier)];
        case 4:
        case 5:
            return trackPosition;
        case 6:
            return HomePos;
        case 7:
            return b == DecadeUnits ? 0 : DecadeUnits;
        default:
            return b;
    }
}

int32_t& PositionOf(RuleState& state, MoveTarget target) {
    return target == MoveTarget::Slide ? state.SlidePos : state.CursorPos;
}
int32_t DrawnPositionOf(const RedrawState& redraw, MoveTarget target) {
    return target == MoveTarget::Slide ? redraw.DrawnSlidePos : redraw.DrawnCursorPos;
}
int16_t RedrawBit(MoveTarget target) {
    return target == MoveTarget::Slide ? kRedrawSlide : kRedrawCursor;
}

}  // namespace

bool SlotSuitsBar(int slot, BarId bar) {
    if (bar == BarId::Slide)
        return (slot >= 1 && slot <= 6) ||
               (slot >= 10 && slot <= 22 && !(slot >= 14 && slot <= 16));
    return slot >= 7 && slot <= 16;
}

int32_t PixelColumn(int32_t p) {
    return static_cast<int32_t>(static_cast<double>(p) / 21000.0 / 300.0 * 2100.0 + 0.5);
}

void HandleScroll(RuleSession& session, WindowPort& port, BarId bar, int16_t code) {
    RuleState& state = session.state;
    const MoveTarget target = TargetOfBar(bar);
    const MoveTarget other = target == MoveTarget::Slide ? MoveTarget::Cursor : MoveTarget::Slide;
    const int64_t b = BarPosition(state, target);
    const int slot = state.NumFoucs;

    const bool valueModePossible =
        state.NumberVariable == 1 && SlotSuitsBar(slot, bar) && session.readings[slot] != NoReading;

    int modifier = 0;
    bool rightButtonMove = false;
    if (port.ctrlDown()) {
        modifier = 2;
    } else if (port.rightButtonDown()) {
        modifier = state.RightClick;
        rightButtonMove = true;
    } else if (port.shiftDown()) {
        modifier = 1;
    }
    if (modifier != 1 && modifier != 2) modifier = 0;

    const bool byValue = valueModePossible && code >= 0 && code <= 3;
    int64_t next = 0;  // b': the new bar position, before any clamp
    int16_t hintOfValueMove = kRedrawNothing;
    if (byValue) {
        const ValueStep& base =
            kValueSteps[static_cast<std::size_t>(code)][static_cast<std::size_t>(modifier)];
        double r = session.readings[slot];
        const double step = ScaledStep(base.step, r, slot, bar, state);
        if (base.zeroDigits > 0) r = ZeroTrailingDigits(r, base.zeroDigits, state);
        const int32_t result = MoveToValue(session, port, r + step, target, false);
        if (result < 0) return;
        next = result;
        hintOfValueMove = session.redraw.RedrawHint;
    } else {
        next = PositionStep(b, code, modifier, port.barTrackPosition(bar));
    }

    // Double: the other element follows by the same thumb distance.
    const bool bothMove = rightButtonMove && state.RightClick == 0;
    const int64_t newPosition = target == MoveTarget::Slide ? int64_t{DecadeUnits} - next : next;
    if (bothMove) {
        const int64_t shift = int64_t{DrawnPositionOf(session.redraw, target)} - newPosition;
        PositionOf(state, other) = ClampKeptPosition(PositionOf(state, other) + shift);
        port.setBarThumb(BarOfTarget(other), SaturateToInt32(BarPosition(state, other)));
    }
    PositionOf(state, target) = ClampKeptPosition(newPosition);

    int16_t& hint = session.redraw.RedrawHint;
    if (!byValue) hint = kRedrawNothing;
    if (PixelColumn(DrawnPositionOf(session.redraw, target)) !=
        PixelColumn(PositionOf(state, target))) {
        hint = RedrawBit(target);
    }
    if (bothMove && PixelColumn(DrawnPositionOf(session.redraw, other)) !=
                        PixelColumn(PositionOf(state, other))) {
        hint = static_cast<int16_t>(hint | RedrawBit(other));
    }
    // A value step that switched the face's layout recomposed the body: the
    // whole rule must be repainted, not only the views of the moved element.
    if (hintOfValueMove == kRedrawAll) hint = kRedrawAll;
    if (session.redraw.PaintedFlag == 0) hint = kRedrawAll;

    port.setBarThumb(bar, SaturateToInt32(next));
    port.invalidateRule();
    port.focusBar(bar);
}

}  // namespace tesmark
