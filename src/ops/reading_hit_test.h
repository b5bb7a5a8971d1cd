#pragma once
// Where the reading boxes lie in the client area: three columns of boxes
// (left index, cursor, right index) with strict bounds on x, ten rows with
// (top, bottom] bounds on y.
#include <cstdint>

#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

// The slot whose box holds (x, y), or 0. cxSize is the extra client width;
// on the front face the R0 boxes (slots 1, 7, 17) hold no scale and give 0.
int16_t ReadingSlotAt(int x, int y, int cxSize, bool frontFace);

// ReadingSlotAt for the session's state, then the status clearing rule.
int16_t HitTestReadingSlot(RuleSession& session, WindowPort& port, int x, int y);

}  // namespace tesmark
