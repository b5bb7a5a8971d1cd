#pragma once
// MoveToValue: the inverse of the readings. Finds the bar position at which
// the focus reading (NumFoucs) shows v, for the slide or the cursor. On the
// back face it may pick another log-log pair and move the focus to the row
// and column that show v; on the front face it may switch between the S/T
// and the S0/T0 scales. With apply it also moves the target there.
#include <cstdint>

#include "ops/rule_session.h"
#include "ops/undo_record.h"
#include "ops/window_port.h"

namespace tesmark {

inline constexpr int32_t kMoveRefused = -1;

// Returns the target's new bar position (0 .. 6,300,000), or kMoveRefused
// after showing the reason in the status bar; a refusal changes neither the
// positions, the focus nor the scale options. It never clears an earlier
// message and never records undo: the callers do that.
int32_t MoveToValue(RuleSession& session, WindowPort& port, double v, MoveTarget target,
                    bool apply);

}  // namespace tesmark
