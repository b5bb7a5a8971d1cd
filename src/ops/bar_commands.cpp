#include "ops/bar_commands.h"

#include "model/positions.h"
#include "ops/bar_position.h"
#include "ops/scroll_handler.h"
#include "ops/status_line.h"
#include "ops/undo_record.h"

namespace tesmark {

namespace {

// The right-button cycle, in thumb terms centre -> left end -> right end.
int32_t NextSlideStop(int32_t slidePos) {
    if (slidePos == HomePos) return DecadeUnits;
    if (slidePos == DecadeUnits) return 0;
    return slidePos > HomePos ? slidePos - HomePos : slidePos + HomePos;
}

int32_t NextCursorStop(int32_t cursorPos) {
    if (cursorPos == HomePos) return 0;
    if (cursorPos == 0) return DecadeUnits;
    return cursorPos > HomePos ? cursorPos - HomePos : cursorPos + HomePos;
}

void Centre(RuleSession& session, WindowPort& port, MoveTarget target) {
    RuleState& state = session.state;
    StoreUndo(session.undo, state, target);
    const bool cycle = port.rightButtonDown();
    if (target == MoveTarget::Slide) {
        state.SlidePos = cycle ? NextSlideStop(state.SlidePos) : HomePos;
        session.redraw.DrawnSlidePos = state.SlidePos;
    } else {
        state.CursorPos = cycle ? NextCursorStop(state.CursorPos) : HomePos;
        session.redraw.DrawnCursorPos = state.CursorPos;
    }
    const BarId bar = BarOfTarget(target);
    port.setBarThumb(bar, SaturateToInt32(BarPosition(state, target)));
    port.invalidateRule();
    port.focusBar(bar);
    ClearStatus(session, port);
}

}  // namespace

int HandleWheel(RuleSession& session, WindowPort& port, int delta) {
    if (delta == 0) return 0;  // a wheel event without a turn of either wheel
    const BarId bar = port.barHasFocus(BarId::Slide) ? BarId::Slide : BarId::Cursor;
    HandleScroll(session, port, bar, delta > 0 ? ScrollCode::LineRight : ScrollCode::LineLeft);
    return 0;
}

void FocusSlideBar(WindowPort& port) {
    port.focusBar(BarId::Slide);
}
void FocusCursorBar(WindowPort& port) {
    port.focusBar(BarId::Cursor);
}

void CentreSlide(RuleSession& session, WindowPort& port) {
    Centre(session, port, MoveTarget::Slide);
}
void CentreCursor(RuleSession& session, WindowPort& port) {
    Centre(session, port, MoveTarget::Cursor);
}

void ToggleNumberLock(RuleState& state) {
    state.NumberVariable = static_cast<int16_t>((state.NumberVariable + 1) % 2);
}

void SetRightClickMode(RuleState& state, int16_t mode) {
    state.RightClick = mode;
}

}  // namespace tesmark
