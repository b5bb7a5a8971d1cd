#pragma once
// Which element a slide bar moves and where its thumb stands for a state.
#include <cstdint>

#include "model/positions.h"
#include "model/rule_state.h"
#include "ops/undo_record.h"
#include "ops/window_port.h"

namespace tesmark {

inline constexpr MoveTarget TargetOfBar(BarId bar) {
    return bar == BarId::Slide ? MoveTarget::Slide : MoveTarget::Cursor;
}

inline constexpr BarId BarOfTarget(MoveTarget target) {
    return target == MoveTarget::Slide ? BarId::Slide : BarId::Cursor;
}

// The thumb value: DecadeUnits - SlidePos for the slide bar, CursorPos for
// the cursor bar. Computed in 64 bits so that no stored position overflows.
inline int64_t BarPosition(const RuleState& state, MoveTarget target) {
    return target == MoveTarget::Slide ? int64_t{DecadeUnits} - state.SlidePos
                                       : int64_t{state.CursorPos};
}

// A 64-bit intermediate brought into the 32-bit range of a bar or position.
inline int32_t SaturateToInt32(int64_t v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

// Clamps a position into the range every move keeps.
inline int32_t ClampKeptPosition(int64_t p) {
    if (p < MinKeptPos) return MinKeptPos;
    if (p > MaxKeptPos) return MaxKeptPos;
    return static_cast<int32_t>(p);
}

}  // namespace tesmark
