#pragma once
// The 22 reading slots of a state, as an aligned table or as JSON. Shared by
// the readings and set commands.
#include <iosfwd>
#include <string>

#include "model/rule_state.h"

namespace tesmark::cli {

// {"state": {...}, "slots": [...]<extraFields>}; extraFields, when not empty,
// is inserted verbatim after the slots (e.g. ", \"result\": 5").
void WriteReadingsJson(std::ostream& out, const RuleState& state, const std::string& extraFields);
void WriteReadingsTable(std::ostream& out, const RuleState& state);

// A JSON string literal of a UTF-8 text.
std::string JsonString(const std::string& text);

}  // namespace tesmark::cli
