#pragma once
// The rule-state options that every tesmark-cli command that works on a
// state shares:
//   --slide N --cursor N --face front|back --st 0|1 --pi 0|1 --ll 0|1|2
//   --sinnum 0|1 --focus SLOT --profile FILE
// What is not given comes from the profile (the user's, or FILE), or the
// defaults when there is none.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/rule_state.h"
#include "option_table.h"

namespace tesmark::cli {

// What the options asked for; parsing reads no profile.
struct StateOptions {
    std::optional<std::string> profile;
    std::vector<std::function<void(RuleState&)>> changes;  // in the order given
};

// The options' rows, writing into `into`.
OptionGroup StateOptionGroup(StateOptions& into);

// The --profile row alone, for a command that reads the profile but takes
// no other state option.
Option ProfileOption(StateOptions& into);

// The profile's state with the options applied over it; false with a message
// in `error` when the profile named cannot be read.
bool ResolveState(const StateOptions& options, RuleState& state, std::string& error);

}  // namespace tesmark::cli
