#pragma once
// Loading and saving RuleState in the profile: sections "TesmarkX",
// "Memory" and "EditBox", keys made with "%s%02d", memories as "%d,%ld".
#include <optional>
#include <string>

#include "app/profile_store.h"
#include "model/client_size.h"
#include "model/rule_state.h"

namespace tesmark {

// Profile format marker: stored positions and memories count only when the
// profile carries it.
inline constexpr int32_t kProfileMarker = 257;

inline constexpr int16_t kSlotCountForProfile = 22;

// Reads every setting with its default for what is missing, then brings each
// value into the range the program can work with (see SanitiseLoadedState).
RuleState LoadProfile(ProfileStore& store);

// Writes every setting in the fixed order, with the marker. Returns the
// store's flush result.
bool SaveProfile(const RuleState& state, ProfileStore& store);

// A value loaded from a damaged or hand-edited profile must never lead to a
// crash or undefined behaviour later: options outside their value sets take
// their defaults, positions and the extra width are held to their ranges.
void SanitiseLoadedState(RuleState& state);

// "%s%02d": "Memory01", "Histry16" ...
std::string NumberedKey(const char* prefix, int entry);

// A memory text "option,position". The option word is the leading integer
// (white space and a sign allowed), the position the integer after the first
// comma. A text without a comma gives nothing (the entry keeps its default).
std::optional<SlideMemory> ParseMemoryText(const std::string& text);
std::string FormatMemoryText(const SlideMemory& memory);

}  // namespace tesmark
