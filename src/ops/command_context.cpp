#include "ops/command_context.h"

#include "ops/undo_command.h"

namespace tesmark {

namespace {

bool FocusInRange(int slot) {
    return slot >= 1 && slot <= kSlotCount;
}

}  // namespace

CommandContext MakeCommandContext(const RuleSession& session, bool clipboardHasText) {
    const int slot = session.state.NumFoucs;
    return CommandContext{session.state, UndoAvailable(session.undo), clipboardHasText,
                          FocusInRange(slot) ? session.readings[slot] : NoReading};
}

bool FocusReadingPresent(const CommandContext& context) {
    return FocusInRange(context.state.NumFoucs) && context.focusReading != NoReading;
}

bool FocusOnCursorSlot(const CommandContext& context) {
    const int slot = context.state.NumFoucs;
    return FocusReadingPresent(context) && slot >= 7 && slot <= 16;
}

bool FocusOnSlideSlot(const CommandContext& context) {
    const int slot = context.state.NumFoucs;
    return FocusReadingPresent(context) && (slot < 7 || slot > 16 || (slot >= 10 && slot <= 13));
}

}  // namespace tesmark
