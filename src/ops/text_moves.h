#pragma once
// The moves that carry a number as text to the rule: a paste from the
// clipboard, the number chosen in the edit box, and the zero rounding of the
// focus reading. Each records undo for its target first (also when the move
// is then refused), moves with MoveToValue and gives the target's bar the
// keyboard focus; a focus the target cannot set moves nothing. Each returns
// what MoveToValue returned (the new bar position, or kMoveRefused), or
// nothing when no move was tried.
#include <cstdint>
#include <optional>
#include <string_view>

#include "ops/rule_session.h"
#include "ops/undo_record.h"
#include "ops/window_port.h"

namespace tesmark {

// Whether the focus reading can be set by moving the target: for the cursor
// the slots under the cursor (7..16), for the slide the index columns and the
// slide's own rows under the cursor (10..13); in both cases the slot must
// hold a reading.
bool FocusSuitsTarget(const RuleSession& session, MoveTarget target);

// Slide Paste (602) and Cursor Paste (603): the leading number of the first
// 20 characters of the clipboard's text (UTF-8; nothing when the clipboard
// holds no text).
std::optional<int32_t> PasteToTarget(RuleSession& session, WindowPort& port, MoveTarget target,
                                     std::optional<std::string_view> clipboardText);

// The edit-box moves (612, 613) after the window committed the edit field:
// the text of the list entry now selected, if any.
std::optional<int32_t> MoveToEditBoxEntry(RuleSession& session, WindowPort& port, MoveTarget target,
                                          std::optional<std::string_view> selectedEntry);

// The zero-rounding moves (621, 622): the focus reading less its last digit
// other than 0 ("3.14159" moves to 3.1415, then 3.141, then 3.14).
std::optional<int32_t> ZeroRoundMove(RuleSession& session, WindowPort& port, MoveTarget target);

// The value the zero rounding takes the focus reading to, as the state
// stands now; nothing when the focus slot has no reading.
std::optional<double> ZeroRoundedFocusReading(const RuleState& state);

}  // namespace tesmark
