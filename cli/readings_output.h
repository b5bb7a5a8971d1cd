#pragma once
// The 22 reading slots of a state, as an aligned table or as JSON. Shared by
// the readings, set and round commands.
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

// The shortest text that reads back as the same double.
std::string ExactNumber(double value);

// The name of the scale a slot reads ("D"), or nullptr where the panel draws
// nothing in the slot's row.
const char* SlotScaleName(int slot, const RuleState& state);

}  // namespace tesmark::cli
