#pragma once
// The undo command (631 / 32790, Ctrl+Z): swaps the recorded element's
// position with its saved one, so a second undo takes the first back.
#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

inline constexpr int kCmdUndo = 631;
inline constexpr int kCmdUndoEnglish = 32790;

// Available while something has been recorded.
inline bool UndoAvailable(const UndoRecord& undo) {
    return undo.kind != -1;
}

void UndoCommand(RuleSession& session, WindowPort& port);

}  // namespace tesmark
