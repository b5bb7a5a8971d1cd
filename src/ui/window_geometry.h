#pragma once
// Where the controls of the main window stand, in client coordinates, for
// an extra client width W (the client width less 625).
#include <QRect>

#include "model/client_size.h"
#include "render/window_layout.h"

namespace tesmark::geometry {

inline constexpr int kRebarHeight = 36;
inline constexpr int kStatusBarHeight = 22;
inline constexpr int kStatusPart0Width = 480;

// The rule area: rows 39 to 208 across the whole width.
inline QRect RuleRect(int extra) {
    return QRect(QPoint(0, layout::kRuleTop),
                 QPoint(ClientWidth(extra) - 1, layout::kRuleBottom - 1));
}

// The bars, their home buttons and the reverse button (left, top, width, height).
inline constexpr int kBarLeft = 160;
inline constexpr int kSlideRowTop = 220;
inline constexpr int kCursorRowTop = 256;
inline constexpr int kBarHeight = 29;
constexpr int BarWidth(int extra) {
    return 370 + extra;
}
constexpr int HomeButtonLeft(int extra) {
    return 545 + extra;
}
inline constexpr int kHomeButtonWidth = 60;
inline const QRect kReverseButton(100, 220, 40, 65);

// Where the "SLIDE" and "CURSOR" labels (and their white edges) stand.
inline const QRect kBarLabelArea(layout::kBarLabelArea.left, layout::kBarLabelArea.top,
                                 layout::kBarLabelArea.right - layout::kBarLabelArea.left,
                                 layout::kBarLabelArea.bottom - layout::kBarLabelArea.top);

}  // namespace tesmark::geometry
