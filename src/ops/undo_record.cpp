#include "ops/undo_record.h"

namespace tesmark {

void StoreUndo(UndoRecord& undo, const RuleState& state, MoveTarget target) {
    undo.kind = static_cast<int16_t>(target);
    if (target == MoveTarget::Slide) {
        undo.savedSlidePos = state.SlidePos;
    } else {
        undo.savedCursorPos = state.CursorPos;
    }
}

}  // namespace tesmark
