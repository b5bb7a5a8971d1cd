#pragma once
// The mouse on the rule: a press on a reading box makes it the focus, a
// double click copies the focus reading, and a double click on the "CURSOR"
// label shows a greeting, the build date or the positions.
#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

// The label area, bounds inclusive.
inline constexpr int kCursorLabelLeft = 12;
inline constexpr int kCursorLabelTop = 262;
inline constexpr int kCursorLabelRight = 112;
inline constexpr int kCursorLabelBottom = 282;

// After the platform's default processing of the press.
void OnLeftButtonPress(RuleSession& session, WindowPort& port, int x, int y);
// After the platform's default processing; the first click of the double
// click has already run OnLeftButtonPress.
void OnLeftButtonDoubleClick(RuleSession& session, WindowPort& port, int x, int y);

}  // namespace tesmark
