#pragma once
// The Initialization reset (110 / 32784, key I): the slide and the cursor go
// home, the front face shows with the default scale options, and the focus
// is D under the cursor. The slide's jump can be undone. Closing the window
// with Shift alone held performs the same reset before the state is saved.
#include "ops/command_port.h"
#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

void InitializationReset(RuleSession& session, WindowPort& port, CommandPort& commands);

// What is held down at the moment the window closes.
struct HeldInput {
    bool shift = false;
    bool ctrl = false;
    bool rightButton = false;
};

// Whether a close resets first: Shift down, Ctrl up, the right button up.
bool ClosingResets(const HeldInput& held);

}  // namespace tesmark
