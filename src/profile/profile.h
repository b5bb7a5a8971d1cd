#pragma once
// Loading and saving RuleState in the profile: sections "TesmarkX",
// "Memory" and "EditBox", keys made with "%s%02d", memories as "%d,%ld".
// The integer settings are described once, in kIntSettings (rule_state.h).
#include <optional>
#include <string>
#include <string_view>

#include "model/rule_state.h"
#include "profile/profile_store.h"

namespace tesmark {

inline constexpr const char* kSettingsSection = "TesmarkX";
inline constexpr const char* kMemorySection = "Memory";
inline constexpr const char* kEditSection = "EditBox";

// Profile format marker: stored positions and memories count only when the
// profile carries it.
inline constexpr const char* kProfileMarkerKey = "ScaleRev";
inline constexpr int32_t kProfileMarker = 257;

// Reads every setting with its default for what is missing, then brings each
// value into the range the program can work with (see SanitiseLoadedState).
RuleState LoadProfile(ProfileStore& store);

// Writes every setting in the fixed order, with the marker. Returns the
// store's flush result.
bool SaveProfile(const RuleState& state, ProfileStore& store);

// A value loaded from a damaged or hand-edited profile must never lead to a
// crash or undefined behaviour later: each integer setting is held to its
// row of kIntSettings, memory positions to the range moves keep, and the
// edit-box texts lose their control characters.
void SanitiseLoadedState(RuleState& state);

// Whether the profile has a key of that name in that section; everything
// else in a profile file is ignored and not written back.
bool IsProfileKey(std::string_view section, std::string_view key);

// "%s%02d": "Memory01", "Histry16" ...
std::string NumberedKey(const char* prefix, int entry);

// A memory text "option,position". The option word is the leading integer
// (white space and a sign allowed), the position the integer after the first
// comma. A text without a comma gives nothing (the entry keeps its default).
std::optional<SlideMemory> ParseMemoryText(const std::string& text);
std::string FormatMemoryText(const SlideMemory& memory);

}  // namespace tesmark
