#pragma once
// Writes the main window's client area for a rule state as a PNG: the rule's
// three views, the cursor glass and the readout panel, `width` pixels wide,
// drawn for a screen of `ratio` device pixels per pixel (the picture then
// has width x ratio device pixels, rounded).
// Returns the exit code of tesmark-cli (0, 1 when the file cannot be
// written, 2 for a width out of range; with a message on `err`).
// Needs a QGuiApplication.
#include <iosfwd>
#include <memory>
#include <string>

#include "model/rule_state.h"

namespace tesmark {
class QtSurface;
}

namespace tesmark::cli {

// The rule body of the state's face and options, composed once at `ratio`.
std::unique_ptr<QtSurface> ComposedRuleBody(const RuleState& state, double ratio = 1.0);

int RenderWindowImage(const RuleState& state, int width, double ratio, const std::string& outPath,
                      std::ostream& err);

}  // namespace tesmark::cli
