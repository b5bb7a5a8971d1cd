#pragma once
// What the commands that move the rule (set, round --apply) share: the check
// that the target can set the focus slot, and the report of the move — the
// returned bar position, the status message and the state that results.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "model/rule_state.h"
#include "ops/undo_record.h"

namespace tesmark::cli {

// The window sets by value only a focus its bar can move: "" when the target
// can set the slot, else why not.
std::string FocusProblem(const RuleState& state, MoveTarget target);

// Why a slot the target could set was not moved to: it holds no reading.
std::string NoReadingProblem(const RuleState& state);

struct MoveReport {
    int32_t result;       // the new bar position, or -1 when the move was refused
    std::string message;  // the status message the window would show
    // More "name: value" lines (text) or fields (JSON), before the readings;
    // each value is a number as JSON writes it.
    std::vector<std::pair<std::string, std::string>> extra;
};

// Prints the report with the state's readings, as a table or as JSON; a
// refusal also goes to `err` as "tesmark-cli COMMAND: message". Returns the
// exit code: kExitDone for a move, kExitFailed for a refusal.
int WriteMoveReport(std::ostream& out, std::ostream& err, const char* command,
                    const RuleState& state, const MoveReport& report, bool json);

}  // namespace tesmark::cli
