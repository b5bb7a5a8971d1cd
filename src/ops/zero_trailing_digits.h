#pragma once
// ZeroTrailingDigits: shortens a reading by its last digits, as the value
// steps and the zero-rounding moves do before they add their step.
#include "model/rule_state.h"

namespace tesmark {

// Formats x as the reading of the focus slot for parsing, then walks the
// text from its end: with n > 0 the last n characters other than "." become
// "0"; with n = 0 the last character that is neither "0" nor "." becomes
// "0". Returns the text read back as a number ("3.14159": n 1 gives 3.1415,
// n 3 gives 3.14, n 0 gives 3.1415).
double ZeroTrailingDigits(double x, int n, const RuleState& state);

}  // namespace tesmark
