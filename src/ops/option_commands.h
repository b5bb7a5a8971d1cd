#pragma once
// Turning the rule over and switching the scale options. Each command sets
// one field of RuleState, brings the rule body up to date (which renews the
// scale-name tooltips), has the rule repainted and gives the keyboard focus
// to the cursor bar.
#include <cstdint>

#include "ops/command_port.h"
#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

// 111 / 32783: the other face; the menus follow it. Turning to the front
// moves a focus on row R0 (slots 1, 7, 17), which has no scale there, one
// row down. The slide and cursor positions stay: both faces share them.
void ReverseRule(RuleSession& session, WindowPort& port, CommandPort& commands);

// 116 / 117 and twins: SinNum = value. The numbering changes no drawing; the
// composition only renews the tooltips.
void SetSinNum(RuleSession& session, WindowPort& port, int16_t value);
// 812 / 811 and twins: ScaleST = value.
void SetScaleST(RuleSession& session, WindowPort& port, int16_t value);
// 801, 912 / 802, 911 and twins: ScalePI = value (1 at sqrt(10), 0 at pi).
void SetScalePI(RuleSession& session, WindowPort& port, int16_t value);
// 821..823 and twins: ScaleLL = value.
void SetScaleLL(RuleSession& session, WindowPort& port, int16_t value);

// The keyboard toggles. Each works on its own face only and does nothing at
// all on the other.
void ToggleSinNum(RuleSession& session, WindowPort& port);   // 940, Shift+N, front
void ToggleScaleST(RuleSession& session, WindowPort& port);  // 920, Shift+T, front
void ToggleScalePI(RuleSession& session, WindowPort& port);  // 910, Shift+F, back
void NextScaleLL(RuleSession& session, WindowPort& port);    // 930, Shift+L, back: 2 -> 0 -> 1 -> 2

}  // namespace tesmark
