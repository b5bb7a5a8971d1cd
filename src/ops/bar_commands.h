#pragma once
// The commands around the slide bars: the wheel, giving a bar the keyboard
// focus, centring, the number lock and the right-button modes.
#include <cstdint>

#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

// Command identifiers (Japanese menu / English menu where there are two).
inline constexpr int kCmdFocusSlideBar = 112;
inline constexpr int kCmdFocusCursorBar = 113;
inline constexpr int kCmdCentreSlide = 123;
inline constexpr int kCmdCentreCursor = 124;
inline constexpr int kCmdNumberLock = 135;
inline constexpr int kCmdNumberLockEnglish = 32786;
inline constexpr int kCmdRightClickDouble = 131;
inline constexpr int kCmdRightClickDoubleEnglish = 32787;
inline constexpr int kCmdRightClickFast = 132;
inline constexpr int kCmdRightClickFastEnglish = 32788;
inline constexpr int kCmdRightClickReverse = 133;
inline constexpr int kCmdRightClickReverseEnglish = 32789;

// Right-button modes (RightClick).
inline constexpr int16_t kRightClickDouble = 0;
inline constexpr int16_t kRightClickFast = 1;
inline constexpr int16_t kRightClickReverse = 2;

// The delta of a wheel event: the vertical one, or the horizontal one when
// there is none (a horizontal swipe, a tilt wheel), as the bars take theirs.
inline constexpr int WheelDelta(int dx, int dy) {
    return dy != 0 ? dy : dx;
}

// One line step per wheel notch: right for a positive delta, left for a
// negative one, nothing for zero; on the slide bar when it holds the keyboard
// focus, else on the cursor bar.
int HandleWheel(RuleSession& session, WindowPort& port, int delta);

void FocusSlideBar(WindowPort& port);   // 112
void FocusCursorBar(WindowPort& port);  // 113

// 123 and 124: record undo, then put the element home, or with the right
// button held cycle it centre -> left end -> right end -> centre.
void CentreSlide(RuleSession& session, WindowPort& port);
void CentreCursor(RuleSession& session, WindowPort& port);

// 135 / 32786: NumberVariable = (NumberVariable + 1) mod 2.
void ToggleNumberLock(RuleState& state);
// 131-133 / 32787-32789.
void SetRightClickMode(RuleState& state, int16_t mode);

// Menu marks: the number lock is checked while on; a right-button item shows
// a radio mark when its mode is the current one.
inline bool NumberLockChecked(const RuleState& state) {
    return state.NumberVariable == 1;
}
inline bool RightClickModeMarked(const RuleState& state, int16_t mode) {
    return state.RightClick == mode;
}

}  // namespace tesmark
