#pragma once
// The grid of device pixels under the rule's pixels. The rule is laid out in
// whole pixels; on a screen of `ratio` device pixels per pixel, the pixel
// edge e lies on device edge round(e * ratio) (halves up). Every pixel thus
// covers a block of whole device pixels and neighbouring blocks share their
// edge, so a fill, a tick or a copied block lands on whole device pixels
// with nothing blended, and two paints that cover the same pixels cover the
// same device pixels. At a whole ratio every block is ratio x ratio; at
// 1.5 the blocks are one or two device pixels wide by turns.
#include <QRect>
#include <QtGlobal>
#include <cmath>

namespace tesmark {

inline int DeviceEdge(int edge, qreal ratio) {
    return static_cast<int>(std::floor(edge * ratio + 0.5));
}

// The device pixels covered by the pixels of `rect`.
inline QRect DeviceRect(const QRect& rect, qreal ratio) {
    if (rect.isEmpty()) return {};
    const int left = DeviceEdge(rect.left(), ratio);
    const int top = DeviceEdge(rect.top(), ratio);
    return {left, top, DeviceEdge(rect.left() + rect.width(), ratio) - left,
            DeviceEdge(rect.top() + rect.height(), ratio) - top};
}

}  // namespace tesmark
