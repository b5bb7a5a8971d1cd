#pragma once
// Copying a reading to the clipboard as text, with its status message.
#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

// Puts the slot's reading, formatted as it leaves the panel, on the
// clipboard and says so in the status bar. A slot without a reading (or
// outside 1..22) copies nothing.
void CopyReadingToClipboard(RuleSession& session, WindowPort& port, int slot);

}  // namespace tesmark
