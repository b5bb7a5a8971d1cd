#pragma once
// Writes the main window's client area for a rule state as a PNG: the rule's
// three views, the cursor glass and the readout panel, `width` pixels wide.
// Returns the exit code of tesmark-cli (0, or 2 with a message on `err`).
// Needs a QGuiApplication.
#include <iosfwd>
#include <string>

#include "model/rule_state.h"

namespace tesmark::cli {

int RenderWindowImage(const RuleState& state, int width, const std::string& outPath,
                      std::ostream& err);

}  // namespace tesmark::cli
