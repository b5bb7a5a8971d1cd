#pragma once
// What a reading slot is called when it is read out rather than seen: the
// scale of its row on the face that shows, and its place — "D under the
// cursor", "C at the left index" — in the language of the user interface.
// Screen readers speak these names with the reading's text.
#include <string>

#include "model/rule_state.h"

namespace tesmark {

// The name of a slot (1..22) in a language (0 English, otherwise Japanese);
// "" for a slot outside 1..22 or one whose row carries no scale (the front
// face's R0).
std::string ReadingSlotName(int slot, const RuleState& state);

}  // namespace tesmark
