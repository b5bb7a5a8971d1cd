#pragma once
// The redraw bookkeeping shared by the moves and the paints.
#include <cstdint>

#include "model/positions.h"

namespace tesmark {

inline constexpr int16_t kRedrawNothing = 0;
inline constexpr int16_t kRedrawSlide = 1;
inline constexpr int16_t kRedrawCursor = 2;
inline constexpr int16_t kRedrawAll = 7;

struct RedrawState {
    int16_t RedrawHint = kRedrawAll;  // what the next rule paint must redraw
    int16_t PaintedFlag = 1;          // 0 while a full repaint is pending
    int16_t EverPainted = 0;          // set at the end of every window paint
    // The positions the last rule paint showed; a move compares against them
    // to tell whether it moved a pixel. Whoever owns the bookkeeping sets
    // them to the loaded positions before the first paint.
    int32_t DrawnSlidePos = HomePos;
    int32_t DrawnCursorPos = HomePos;

    // Bookkeeping of a rule that has not been painted yet.
    static RedrawState ForPositions(int32_t slidePos, int32_t cursorPos) {
        RedrawState redraw;
        redraw.DrawnSlidePos = slidePos;
        redraw.DrawnCursorPos = cursorPos;
        return redraw;
    }
};

}  // namespace tesmark
