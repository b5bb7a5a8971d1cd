#include "ops/context_menu_zones.h"

namespace tesmark {

ContextMenuKind ContextMenuAt(int x, int y, int cxSize) {
    if (y <= 40 || y > 208) return ContextMenuKind::None;
    const int w = cxSize;
    const int h = cxSize / 2;
    struct Zone {
        int left, right;  // exclusive bounds
        ContextMenuKind kind;
    };
    const Zone zones[] = {
        {0, 30, ContextMenuKind::Rule},              // the scale names
        {30, 89, ContextMenuKind::Value},            // the left reading column
        {89, 218 + h, ContextMenuKind::Rule},        // the face, left part
        {218 + h, 277 + h, ContextMenuKind::Value},  // the middle reading column
        {277 + h, 546 + w, ContextMenuKind::Rule},   // the face, right part
        {546 + w, 605 + w, ContextMenuKind::Value},  // the right reading column
    };
    for (const Zone& zone : zones)
        if (x > zone.left && x < zone.right) return zone.kind;
    return ContextMenuKind::None;
}

ClientPoint KeyboardMenuPoint(int slot, int cxSize) {
    const int w = cxSize;
    const int h = cxSize / 2;
    if (slot < 1 || slot > 22) return {218 + h, 40};
    const int x = slot <= 6 ? 30 : slot >= 17 ? 546 + w : 218 + h;
    // The row tops, by slot.
    static constexpr int kY[23] = {0,   42,  59,  75,  160, 176, 194, 42, 59,  75,  93, 109,
                                   125, 142, 160, 176, 194, 42,  59,  75, 160, 176, 194};
    return {x, kY[slot]};
}

}  // namespace tesmark
