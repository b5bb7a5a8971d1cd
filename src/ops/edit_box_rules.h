#pragma once
// The rules of the edit box's list, apart from the widget that shows it:
// the list holds the eight constants and then the history, newest first,
// and a committed number either selects the first entry that begins with it
// or joins the history at the top.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/rule_state.h"
#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

// Where new history entries go in the list: after the constants.
inline constexpr int kHistoryInsertPosition = kEditConstantCount;

// The first entry that begins with `text`, ignoring the case of Latin
// letters (the list box's prefix search); -1 when none does. "1" finds
// "1.4142136=√2" before any history entry "1.00000".
int FindEntryWithPrefix(const std::vector<std::string>& entries, std::string_view text);

// AddToEditHistory on the list and the stored history: the index to select,
// and whether `text` was inserted there (then the stored history has moved
// down by one, dropping its oldest entry, and holds `text` first).
struct EditHistoryAdd {
    int select;
    bool inserted;
};
EditHistoryAdd AddToEditHistory(std::vector<std::string>& entries, RuleState& state,
                                std::string_view text);

// The edit field as a commit reads it: at most 29 characters (the field's
// own count), and only a text that begins with a digit or "." is committed.
std::optional<std::string> CommittedEditText(std::string_view field);

// The status message of a copy into the edit box (611).
std::string EditBoxCopyMessage(std::string_view text, int16_t language);

}  // namespace tesmark
