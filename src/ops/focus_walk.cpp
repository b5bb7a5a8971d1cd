#include "ops/focus_walk.h"

#include "model/slot_scale.h"
#include "ops/status_line.h"

namespace tesmark {

namespace {

constexpr int32_t kRightColumnLimit = 8500 * PosFactor;  // below it the right column is empty
constexpr int32_t kLeftColumnLimit = 12500 * PosFactor;  // above it the left column is empty

// The front face's R0 carries no scale: the walk passes over its slots.
bool FrontRowZero(const RuleState& state, int slot) {
    const SlotScale scale = ScaleOfSlot(slot, state);
    return scale.exists() && scale.kind == ScaleKind::None;
}

}  // namespace

int NextFocusSlot(const RuleState& state) {
    int k = state.NumFoucs + 1;
    if (state.SlidePos < kRightColumnLimit && k > 16) {
        k = 1;
    } else if (k > 22) {
        k = state.SlidePos > kLeftColumnLimit ? 7 : 1;
    }
    if (FrontRowZero(state, k)) ++k;
    return k;
}

int PreviousFocusSlot(const RuleState& state) {
    int k = state.NumFoucs - 1;
    if (FrontRowZero(state, k)) --k;
    if (state.SlidePos < kRightColumnLimit && k < 1) {
        k = 16;
    } else if (k < 1 || (state.SlidePos > kLeftColumnLimit && k < 7)) {
        k = 22;
    }
    return k;
}

void FocusNextReading(RuleSession& session, WindowPort& port) {
    session.state.NumFoucs = static_cast<int16_t>(NextFocusSlot(session.state));
    ClearStatusAndRepaint(session, port);
}

void FocusPreviousReading(RuleSession& session, WindowPort& port) {
    session.state.NumFoucs = static_cast<int16_t>(PreviousFocusSlot(session.state));
    ClearStatusAndRepaint(session, port);
}

}  // namespace tesmark
