#include "ops/scroll_handler.h"

#include <array>
#include <cmath>

#include "model/positions.h"
#include "model/reading_table.h"
#include "model/slot_scale.h"
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

// The digit a log-log text ends on, as a divisor of the base step: LL0
// shows seven decimals, LL1 and LL2 six, LL3 five (FormatSlotReading).
double LogLogStepDivisor(int k) {
    switch (k) {
        case 0:
            return 100;
        case 3:
            return 1;
        default:
            return 10;
    }
}

// Scales the base step for the focus scale: larger readings step by more,
// reversed scales step the other way, log-log scales by their last digit.
double ScaledStep(double step, double r, const SlotScale& scale, BarId bar,
                  const RuleState& state) {
    if (r > 10) step = step * 10;
    if (r > 100) step = step * 10;
    if (state.SlideRev != 0) {
        if (r > 1000) step = step * 10;
        if (r > 10000) step = step * 10;
        if (r > 100000) step = step * 10;
    }
    switch (scale.kind) {
        case ScaleKind::DI:
        case ScaleKind::CIF:
        case ScaleKind::CI:
            step = step * -1;
            break;
        case ScaleKind::L:
            step = step / 10;
            break;
        case ScaleKind::T:
        case ScaleKind::S:
            if (state.SinNum != 0) step = step * -1;  // the cosine numbering runs leftward
            break;
        case ScaleKind::LL:
            step = step / LogLogStepDivisor(scale.llScale);
            break;
        case ScaleKind::RecipLL:
            step = step / 100;
            step = step * -1;
            break;
        default:
            break;
    }
    // The slide's own scales grow under the cursor as the slide moves left.
    if (bar == BarId::Slide && scale.onSlide()) step = step * -1;
    return step;
}

int64_t PositionStep(int64_t b, int16_t code, int modifier, int32_t trackPosition) {
    switch (static_cast<ScrollCode>(code)) {
        case ScrollCode::LineLeft:
        case ScrollCode::LineRight:
        case ScrollCode::PageLeft:
        case ScrollCode::PageRight:
            return b + kPositionSteps[static_cast<std::size_t>(code)]
                                     [static_cast<std::size_t>(modifier)];
        case ScrollCode::ThumbPosition:
        case ScrollCode::ThumbTrack:
            return trackPosition;
        case ScrollCode::Left:
            return HomePos;
        case ScrollCode::Right:
            return b == DecadeUnits ? 0 : DecadeUnits;
        case ScrollCode::EndScroll:
            break;
    }
    return b;
}

// Line and page codes: the ones a value step serves.
bool IsStepCode(int16_t code) {
    return code >= static_cast<int16_t>(ScrollCode::LineLeft) &&
           code <= static_cast<int16_t>(ScrollCode::PageRight);
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
    const SlotPlace place = PlaceOfSlot(slot);
    if (place.row < 0) return false;
    if (bar == BarId::Cursor) return place.column == ReadingColumn::Cursor;
    // The slide moves the index columns and its own scales under the cursor.
    return place.column != ReadingColumn::Cursor || IsSlideRow(place.row);
}

int32_t PixelColumn(int32_t p) {
    return static_cast<int32_t>(static_cast<double>(p) / 21000.0 / 300.0 * 2100.0 + 0.5);
}

void HandleScroll(RuleSession& session, WindowPort& port, BarId bar, int16_t code) {
    RuleState& state = session.state;
    const MoveTarget target = TargetOfBar(bar);
    const MoveTarget other = target == MoveTarget::Slide ? MoveTarget::Cursor : MoveTarget::Slide;
    const int64_t b = BarPosition(state, target);

    // The focus and its reading as the next paint will show them: a key that
    // arrives before the paint of the previous one steps from the value that
    // one produced, not from the table of the last paint.
    ApplyFocusFixUp(state);
    const int slot = state.NumFoucs;
    const double reading = CurrentReading(slot, state);

    const bool valueModePossible =
        state.NumberVariable == 1 && SlotSuitsBar(slot, bar) && reading != NoReading;

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

    const bool byValue = valueModePossible && IsStepCode(code);
    int64_t next = 0;  // b': the new bar position, before any clamp
    int16_t hintOfValueMove = kRedrawNothing;
    if (byValue) {
        const ValueStep& base =
            kValueSteps[static_cast<std::size_t>(code)][static_cast<std::size_t>(modifier)];
        const SlotScale scale = ScaleOfSlot(slot, state);
        double r = reading;
        const double step = ScaledStep(base.step, r, scale, bar, state);
        if (base.zeroDigits > 0) r = ZeroTrailingDigits(r, base.zeroDigits, state);
        double v = r + step;
        // L shows the fractional part: a step below .000000 goes on from
        // .999999 (an index left of the stator's reads a negative offset).
        if (scale.kind == ScaleKind::L) v = v - std::floor(v);
        const int32_t result = MoveToValue(session, port, v, target, false);
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
