#include "ops/undo_command.h"

#include <utility>

#include "ops/bar_position.h"
#include "ops/status_line.h"

namespace tesmark {

void UndoCommand(RuleSession& session, WindowPort& port) {
    UndoRecord& undo = session.undo;
    if (undo.kind != 0 && undo.kind != 1) {
        port.focusBar(BarId::Cursor);
        return;
    }
    const MoveTarget target = static_cast<MoveTarget>(undo.kind);
    // Restored exactly as saved: no clamp, and the drawn positions stay, so
    // the next paint sees the jump.
    if (target == MoveTarget::Slide) {
        std::swap(session.state.SlidePos, undo.savedSlidePos);
    } else {
        std::swap(session.state.CursorPos, undo.savedCursorPos);
    }
    const BarId bar = BarOfTarget(target);
    port.setBarThumb(bar, SaturateToInt32(BarPosition(session.state, target)));
    ClearStatusAndRepaint(session, port);
    port.focusBar(bar);
}

}  // namespace tesmark
