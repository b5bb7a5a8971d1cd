#pragma once
// The size of the main window's client area. It is 625 x 325 pixels plus an
// extra width (CxSize) that the user sets by dragging the window's sides;
// the height never changes. Every layout of the window, the profile's
// limits on CxSize and the window pictures of tesmark-cli take their sizes
// from here.
#include <cstdint>

namespace tesmark {

inline constexpr int kBaseClientWidth = 625;
inline constexpr int kClientHeight = 325;

// The window is 880 to 2000 pixels wide. Qt measures its client area
// without side frames, so the limits apply to the client width.
inline constexpr int kMinClientWidth = 880;
inline constexpr int kMaxClientWidth = 2000;

// The extra width CxSize within those limits.
inline constexpr int16_t kMinCxSize = kMinClientWidth - kBaseClientWidth;  // 255
inline constexpr int16_t kMaxCxSize = kMaxClientWidth - kBaseClientWidth;  // 1375

constexpr int ClientWidth(int extra) {
    return kBaseClientWidth + extra;
}

}  // namespace tesmark
