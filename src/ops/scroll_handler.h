#pragma once
// The scroll handler of both slide bars: every arrow, trough, thumb and key
// action of a bar arrives here as a scroll code. Each step moves the element
// by position units (position mode) or, with the number lock on and a focus
// reading the bar can set, by a decimal amount of that reading (value mode).
#include <cstdint>

#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

enum class ScrollCode : int16_t {
    LineLeft = 0,       // SB_LINELEFT
    LineRight = 1,      // SB_LINERIGHT
    PageLeft = 2,       // SB_PAGELEFT
    PageRight = 3,      // SB_PAGERIGHT
    ThumbPosition = 4,  // SB_THUMBPOSITION
    ThumbTrack = 5,     // SB_THUMBTRACK
    Left = 6,           // SB_LEFT
    Right = 7,          // SB_RIGHT
    EndScroll = 8,      // SB_ENDSCROLL: moves nothing
};

// Whether a focus slot can be set by value from a bar: slide bar 1-6,
// 10-13, 17-22; cursor bar 7-16.
bool SlotSuitsBar(int slot, BarId bar);

// Column of the pixel a position is drawn on: truncate(p / 21000 / 300 *
// 2100 + 0.5) in double precision.
int32_t PixelColumn(int32_t p);

// Handles one scroll code of a bar (any value; unknown codes move nothing
// but still set the thumb, invalidate and focus the bar). Does not record
// undo and does not clear the status bar.
void HandleScroll(RuleSession& session, WindowPort& port, BarId bar, int16_t code);
inline void HandleScroll(RuleSession& session, WindowPort& port, BarId bar, ScrollCode code) {
    HandleScroll(session, port, bar, static_cast<int16_t>(code));
}

}  // namespace tesmark
