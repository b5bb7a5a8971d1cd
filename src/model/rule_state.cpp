#include "model/rule_state.h"

#include <cstdio>

namespace tesmark {

const std::array<std::string, kEditConstantCount>& DefaultEditConstants() {
    static const std::array<std::string, kEditConstantCount> constants = {
        "2.718282=e",        "3.141592=\u03c0",   "57.29578=1Radian",   "1.4142136=\u221a2",
        "1.7320508=\u221a3", "2.2360680=\u221a5", "3.1622777=\u221a10", "3.3333333=10/3"};
    return constants;
}

std::string DefaultEditHistoryEntry(int entry) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.00000", entry);
    return text;
}

RuleState RuleState::Defaults() {
    RuleState state;
    state.editConstants = DefaultEditConstants();
    for (int i = 0; i < kEditHistoryCount; ++i)
        state.editHistory[i] = DefaultEditHistoryEntry(i + 1);
    return state;
}

}  // namespace tesmark
