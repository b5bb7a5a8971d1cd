#pragma once
// The ten slide memories: each keeps a slide position with the face and the
// scale options that showed when it was stored, packed in a 16-bit word
// (bits 0-1 SlideRev, 2-3 SinNum, 4-5 ScalePI, 6-7 ScaleLL, 8-9 ScaleST).
// Recalling one restores the slide, the face and the options together; the
// cursor stays where it is.
#include <cstdint>
#include <string>

#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

// The option word of the state's face and options (16-bit arithmetic).
int16_t PackMemoryOptions(const RuleState& state);

// Puts an option word's face and options into the state. A word from a
// damaged profile may hold values outside their sets (ScaleLL bits = 3, a
// face 2): each takes the nearest value of its set, so nothing the drawing
// or the readings cannot show ever reaches them.
void UnpackMemoryOptions(int16_t options, RuleState& state);

// The texts of memory k + 1's two menu items (k = 0..9), UTF-8:
// "&1 <ST:D=1.00000:||>\tShift+1" to recall it and "Set &1" to store it.
struct MemoryMenuTexts {
    std::string recall;
    std::string store;
};
MemoryMenuTexts SetMemoryMenuText(int k, int32_t position, int16_t options);

// Memory i (1..10). Recall records undo for the slide, restores the slide
// and the options, recomposes the body, invalidates the rule, gives the
// cursor bar the keyboard focus and says so in the status bar; the caller
// then rebuilds the menus and toolbars for the restored face. Store keeps
// the slide and the options in memory i and says so. A number outside 1..10
// does nothing.
void RecallMemory(RuleSession& session, WindowPort& port, int i);
void StoreMemory(RuleSession& session, WindowPort& port, int i);

}  // namespace tesmark
