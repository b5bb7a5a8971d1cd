#pragma once
// Tab and Shift+Tab walk the focus reading through the slots, skipping the
// front face's empty R0 row and an index column that has no reading.
#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

inline constexpr int kCmdNextReading = 651;
inline constexpr int kCmdPreviousReading = 652;

int NextFocusSlot(const RuleState& state);
int PreviousFocusSlot(const RuleState& state);

void FocusNextReading(RuleSession& session, WindowPort& port);      // Tab
void FocusPreviousReading(RuleSession& session, WindowPort& port);  // Shift+Tab

}  // namespace tesmark
