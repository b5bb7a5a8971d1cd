#pragma once
// Where a right click on the rule opens which context menu: the value menu
// over a reading column, the rule menu over the names and the face, nothing
// on a boundary, above row 41 or below row 208. The keyboard's menu key and
// Shift+F10 open the same menus at a point computed from the focus slot.
namespace tesmark {

enum class ContextMenuKind { None, Value, Rule };

// The menu a click at client point (x, y) opens; cxSize is the extra width.
// Every bound is strict: a point on a zone's edge lies in no zone.
ContextMenuKind ContextMenuAt(int x, int y, int cxSize);

struct ClientPoint {
    int x, y;
};
// The client point of the keyboard menu for a focus slot (before the
// platform's offset of 8 and 13 pixels is added in screen coordinates).
ClientPoint KeyboardMenuPoint(int slot, int cxSize);

}  // namespace tesmark
