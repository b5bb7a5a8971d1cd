#pragma once
// The look of the formula tooltips over the scale names: fixed colours and
// margins of their own, whatever the desktop's theme, and a text colour that
// follows the colour of the name under the mouse — green over the brand line
// and red over DI on the front face, red over the LL/n pair and over CIF and
// CI on the back face, near-black elsewhere.
#include <cstdint>

#include "render/surface.h"

namespace tesmark {

inline constexpr Rgb kScaleTooltipText{16, 16, 16};
inline constexpr Rgb kScaleTooltipBackground{240, 240, 240};
inline constexpr Rgb kScaleTooltipGreen{0, 128, 0};
// The space between the tooltip's border and its text, on every side.
inline constexpr int kScaleTooltipMargin = 3;

// The text colour for the mouse at client point (x, y) of the main window
// with the face `slideRev` shown (0 front, any other value back). Only the
// name column, 1 <= x <= 30, has coloured rows.
Rgb ScaleTooltipTextColour(int x, int y, int16_t slideRev);

}  // namespace tesmark
