#pragma once
// The redraw bookkeeping shared by the moves and the paints.
#include <cstdint>

namespace tesmark {

inline constexpr int16_t kRedrawNothing = 0;
inline constexpr int16_t kRedrawSlide = 1;
inline constexpr int16_t kRedrawCursor = 2;
inline constexpr int16_t kRedrawAll = 7;

struct RedrawState {
    int16_t RedrawHint = kRedrawAll;  // what the next rule paint must redraw
    int16_t PaintedFlag = 1;          // 0 while a full repaint is pending
    int16_t EverPainted = 0;          // set at the end of every window paint
};

}  // namespace tesmark
