#pragma once
// The stored edit-box history: sixteen texts, newest first.
#include <string>

#include "model/rule_state.h"

namespace tesmark {

// Cuts an edit-box text to its limit of 30 characters (not bytes), counted
// as the edit field counts them, never inside a character.
std::string CutEditText(const std::string& text);

// The text without control characters (U+0000..U+001F, U+007F..U+009F): an
// edit-box text is one line of visible characters, whatever was pasted or
// stored in the profile.
std::string RemoveControlCharacters(const std::string& text);

// Moves every entry one place down (the oldest is lost) and stores the text,
// cut to the edit-box limit, as the newest.
void PushEditHistory(RuleState& state, const std::string& text);

// Whether a committed edit-field text joins the history: it must begin with
// a digit or ".".
bool IsCommittableEditText(const std::string& text);

}  // namespace tesmark
