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
std::optional<int32_t> MoveRecorded(RuleSession& session, WindowPort& port, MoveTarget target,
                                    std::optional<double> v) {
    std::optional<int32_t> result;
    if (v) {
        StoreUndo(session.undo, session.state, target);
        result = MoveToValue(session, port, *v, target, true);
    }
    port.focusBar(BarOfTarget(target));
    return result;
}

}  // namespace

bool FocusSuitsTarget(const RuleSession& session, MoveTarget target) {
    const int slot = session.state.NumFoucs;
    if (slot < 1 || slot > kSlotCount) return false;
    // The reading as the state stands now: moves may have come since the
    // last paint refreshed the table.
    if (CurrentReading(slot, session.state) == NoReading) return false;
    const bool underCursor = slot >= 7 && slot <= 16;
    if (target == MoveTarget::Cursor) return underCursor;
    return !underCursor || (slot >= 10 && slot <= 13);
}

std::optional<int32_t> PasteToTarget(RuleSession& session, WindowPort& port, MoveTarget target,
                                     std::optional<std::string_view> clipboardText) {
    if (!FocusSuitsTarget(session, target)) {
        port.focusBar(BarOfTarget(target));
        return std::nullopt;
    }
    // The undo record is written even when there is nothing to paste.
    StoreUndo(session.undo, session.state, target);
    std::optional<int32_t> result;
    if (clipboardText)
        result = MoveToValue(session, port, ParsePastedNumber(*clipboardText), target, true);
    port.focusBar(BarOfTarget(target));
    return result;
}

std::optional<int32_t> MoveToEditBoxEntry(RuleSession& session, WindowPort& port, MoveTarget target,
                                          std::optional<std::string_view> selectedEntry) {
    std::optional<double> v;
    if (FocusSuitsTarget(session, target) && selectedEntry) v = ParseLeadingNumber(*selectedEntry);
    return MoveRecorded(session, port, target, v);
}

std::optional<int32_t> ZeroRoundMove(RuleSession& session, WindowPort& port, MoveTarget target) {
    std::optional<double> v;
    if (FocusSuitsTarget(session, target)) v = ZeroRoundedFocusReading(session.state);
    return MoveRecorded(session, port, target, v);
}

std::optional<double> ZeroRoundedFocusReading(const RuleState& state) {
    const int slot = state.NumFoucs;
    if (slot < 1 || slot > kSlotCount) return std::nullopt;
    const double reading = CurrentReading(slot, state);
    if (reading == NoReading) return std::nullopt;
    return ZeroTrailingDigits(reading, 0, state);
}

}  // namespace tesmark
