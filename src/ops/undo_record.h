#pragma once
// One step of undo: a saved position per element and the element recorded last.
#include <cstdint>

#include "model/rule_state.h"

namespace tesmark {

enum class MoveTarget : int16_t { Slide = 0, Cursor = 1 };

struct UndoRecord {
    int16_t kind = -1;  // -1 nothing recorded, 0 the slide, 1 the cursor
    int32_t savedSlidePos = 0;
    int32_t savedCursorPos = 0;
};

// Records the target's current position as the one undo takes back.
void StoreUndo(UndoRecord& undo, const RuleState& state, MoveTarget target);

}  // namespace tesmark
