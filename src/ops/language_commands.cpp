#include "ops/language_commands.h"

namespace tesmark {

void ChooseEnglish(RuleState& state, CommandPort& commands) {
    // Any value but 0 shows Japanese, so any such value switches.
    if (state.Language == 0) return;
    state.Language = 0;
    commands.refreshMenusAndLanguage();
}

void ChooseJapanese(RuleState& state, CommandPort& commands) {
    if (state.Language != 0) return;
    state.Language = 1;
    commands.refreshMenusAndLanguage();
}

}  // namespace tesmark
