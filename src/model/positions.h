#pragma once
// Position units of the slide and the cursor. One decade of C and D is
// 21000 x PosFactor units and 2100 pixels, so one pixel is 3000 units.
#include <cstdint>

namespace tesmark {

inline constexpr int32_t PosFactor = 300;
inline constexpr int32_t DecadeUnits = 21000 * PosFactor;  // 6,300,000
inline constexpr int32_t HomePos = 10500 * PosFactor;      // 3,150,000
inline constexpr int32_t UnitsPerPixel = 10 * PosFactor;   // 3,000

// Every move keeps both positions in this range; beyond it sums of
// positions could overflow 32 bits.
inline constexpr int32_t MinKeptPos = -300 * PosFactor;   // -90,000
inline constexpr int32_t MaxKeptPos = 21300 * PosFactor;  // 6,390,000

// The range of the two slide bars.
inline constexpr int32_t BarMin = -1000 * PosFactor;  // -300,000
inline constexpr int32_t BarMax = 22000 * PosFactor;  // 6,600,000

// The slide bar runs mirrored: its thumb shows DecadeUnits - SlidePos.
inline constexpr int32_t SlideBarPosition(int32_t slidePos) {
    return DecadeUnits - slidePos;
}

// px(p): units to pixels, halves away from zero, stored in 16 bits.
inline int16_t PixelOf(int32_t p) {
    double v = static_cast<double>(p) / UnitsPerPixel;
    v += (p >= 0) ? 0.5 : -0.5;
    return static_cast<int16_t>(static_cast<int32_t>(v));
}

}  // namespace tesmark
