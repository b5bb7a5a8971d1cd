#pragma once
// The language commands 170 (English) and 171 (Japanese): switch Language
// and refresh the title, menus and toolbars. Choosing the language already
// set does nothing, not even a refresh.
#include "model/rule_state.h"
#include "ops/command_port.h"

namespace tesmark {

void ChooseEnglish(RuleState& state, CommandPort& commands);
void ChooseJapanese(RuleState& state, CommandPort& commands);

}  // namespace tesmark
