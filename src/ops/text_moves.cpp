#include "ops/text_moves.h"

#include "model/reading_table.h"
#include "ops/bar_position.h"
#include "ops/move_to_value.h"
#include "ops/parse_number.h"
#include "ops/zero_trailing_digits.h"

namespace tesmark {

namespace {

// Records undo and moves the target to v; the bar gets the focus whatever
// happened.
void MoveRecorded(RuleSession& session, WindowPort& port, MoveTarget target,
                  std::optional<double> v) {
    if (v) {
        StoreUndo(session.undo, session.state, target);
        MoveToValue(session, port, *v, target, true);
    }
    port.focusBar(BarOfTarget(target));
}

}  // namespace

bool FocusSuitsTarget(const RuleSession& session, MoveTarget target) {
    const int slot = session.state.NumFoucs;
    if (slot < 1 || slot > kSlotCount || session.readings[slot] == NoReading) return false;
    const bool underCursor = slot >= 7 && slot <= 16;
    if (target == MoveTarget::Cursor) return underCursor;
    return !underCursor || (slot >= 10 && slot <= 13);
}

void PasteToTarget(RuleSession& session, WindowPort& port, MoveTarget target,
                   std::optional<std::string_view> clipboardText) {
    if (!FocusSuitsTarget(session, target)) {
        port.focusBar(BarOfTarget(target));
        return;
    }
    // The undo record is written even when there is nothing to paste.
    StoreUndo(session.undo, session.state, target);
    if (clipboardText) MoveToValue(session, port, ParsePastedNumber(*clipboardText), target, true);
    port.focusBar(BarOfTarget(target));
}

void MoveToEditBoxEntry(RuleSession& session, WindowPort& port, MoveTarget target,
                        std::optional<std::string_view> selectedEntry) {
    std::optional<double> v;
    if (FocusSuitsTarget(session, target) && selectedEntry) v = ParseLeadingNumber(*selectedEntry);
    MoveRecorded(session, port, target, v);
}

void ZeroRoundMove(RuleSession& session, WindowPort& port, MoveTarget target) {
    std::optional<double> v;
    if (FocusSuitsTarget(session, target)) {
        const int slot = session.state.NumFoucs;
        v = ZeroTrailingDigits(session.readings[slot], 0, session.state);
    }
    MoveRecorded(session, port, target, v);
}

}  // namespace tesmark
