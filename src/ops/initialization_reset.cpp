#include "ops/initialization_reset.h"

#include "model/positions.h"
#include "ops/bar_position.h"
#include "ops/status_line.h"
#include "ops/undo_record.h"

namespace tesmark {

void InitializationReset(RuleSession& session, WindowPort& port, CommandPort& commands) {
    RuleState& state = session.state;
    const RuleState defaults;
    StoreUndo(session.undo, state, MoveTarget::Slide);
    state.SlidePos = HomePos;
    state.CursorPos = HomePos;
    session.redraw.DrawnSlidePos = HomePos;
    session.redraw.DrawnCursorPos = HomePos;
    port.setBarThumb(BarId::Slide, SlideBarPosition(state.SlidePos));
    port.setBarThumb(BarId::Cursor, state.CursorPos);
    state.SlideRev = defaults.SlideRev;
    state.SinNum = defaults.SinNum;
    state.ScalePI = defaults.ScalePI;
    state.ScaleST = defaults.ScaleST;
    state.ScaleLL = defaults.ScaleLL;
    state.NumFoucs = defaults.NumFoucs;
    port.composeRuleBody();
    port.invalidateRule();
    commands.refreshMenusAndLanguage();
    ClearStatus(session, port);
    port.focusBar(BarId::Cursor);
}

bool ClosingResets(const HeldInput& held) {
    return held.shift && !held.ctrl && !held.rightButton;
}

}  // namespace tesmark
