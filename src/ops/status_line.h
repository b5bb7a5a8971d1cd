#pragma once
// The status-message rule of all operations: a message sets the first
// status-bar part and StatusShown; the next move, click or key clears it.
#include <string_view>

#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

// Writes a message and marks it as shown.
void ShowStatus(RuleSession& session, WindowPort& port, std::string_view text);

// If a message stands, replaces it with one blank; StatusShown = 0.
void ClearStatus(RuleSession& session, WindowPort& port);

// Clears the status, asks for a full repaint if one is pending, and
// invalidates the rule area.
void ClearStatusAndRepaint(RuleSession& session, WindowPort& port);

}  // namespace tesmark
