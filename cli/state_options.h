#pragma once
// The rule-state options that every tesmark-cli command shares:
//   --slide N --cursor N --face front|back --st 0|1 --pi 0|1 --ll 0|1|2
//   --sinnum 0|1 --focus SLOT --profile FILE
// What is not given comes from the profile (the user's, or FILE), or the
// defaults when there is none.
#include <string>

#include "commands.h"
#include "model/rule_state.h"

namespace tesmark::cli {

struct ParsedState {
    RuleState state;
    Args rest;  // the arguments that are not state options, in their order
};

// Returns false with a message in `error` for a bad option or value.
bool ParseStateOptions(const Args& args, ParsedState& parsed, std::string& error);

// The text of the state options for a command's --help.
const char* StateOptionsHelp();

}  // namespace tesmark::cli
