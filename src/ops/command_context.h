#pragma once
// What the enabling and mark rules of the commands look at: the state, the
// undo record, the clipboard and the focus reading. The rules are pure
// functions of this; the window gathers it when a menu opens, before a
// command runs and while it is idle (toolbar buttons).
#include "model/reading_table.h"
#include "model/rule_state.h"
#include "ops/rule_session.h"

namespace tesmark {

struct CommandContext {
    const RuleState& state;
    bool undoAvailable = false;       // the undo record holds a target
    bool clipboardHasText = false;    // the clipboard holds Unicode text
    double focusReading = NoReading;  // the reading of slot NumFoucs (NoReading outside 1..22)
};

// The context of a session: its state, its undo record and the reading of
// the focus slot from the readings of the last paint.
CommandContext MakeCommandContext(const RuleSession& session, bool clipboardHasText);

// The focus-reading conditions of the command table. Every one of them
// fails while NumFoucs lies outside 1..22 or its reading is NoReading.
bool FocusReadingPresent(const CommandContext& context);
// Slots 7..16 lie under the cursor.
bool FocusOnCursorSlot(const CommandContext& context);
// The slots outside 7..16 and the slide's own rows under the cursor, 10..13:
// the focus readings a slide move can set.
bool FocusOnSlideSlot(const CommandContext& context);

}  // namespace tesmark
