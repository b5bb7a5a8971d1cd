#pragma once
// The readout panel: the three grey boxes beside the views of the rule, with
// the value every scale reads at the slide's left index, under the hairline
// and at the slide's right index, and the frame around the focus reading.
// A paint refreshes the ReadingTable group by group before it draws (see
// PlanReadouts), so a group that is not redrawn keeps its values.
#include <cstdint>

#include "model/reading_table.h"
#include "model/rule_state.h"
#include "render/redraw_state.h"
#include "render/surface.h"

namespace tesmark {

// How texts are backed on the window's drawing surface. A fresh device
// context draws text on an opaque background: a partial paint relies on it,
// drawing each padded value on grey over the old one without clearing the box.
// A full paint clears the boxes first and switches to a transparent background.
enum class TextBackdrop { Opaque, Transparent };

// What changed since the last panel paint.
inline constexpr int16_t kChangedSlide = 1;   // SlidePos != DrawnSlidePos
inline constexpr int16_t kChangedCursor = 2;  // CursorPos != DrawnCursorPos
inline constexpr int16_t kChangedFocus = 7;   // NumFoucs changed: every group
inline constexpr int16_t kChangedSinNum = 8;  // the cursor's S and T change

// Remembered between panel paints.
struct PanelMemory {
    int16_t lastSinNum = -1;  // -1: the first paint sees both changed
    int16_t lastNumFoucs = -1;
    int lastWidth = 0;  // the extra width a of the last panel paint
};

// The change flags of the coming panel paint; remembers nothing.
int16_t ChangeFlags(const RuleState& state, const RedrawState& redraw, const PanelMemory& memory);

// What the coming panel paint redraws, decided from the rule paint's hint,
// the change flags and the width.
struct PanelPlan {
    int16_t hint = kRedrawAll;  // RedrawHint of the rule paint in progress
    int16_t flags = 0;          // ChangeFlags
    bool focusChanged = false;
    bool widthChanged = false;
    int a = 0;  // the extra width

    bool full() const { return hint == kRedrawAll; }
    bool redrawsLeftIndex() const { return ((hint | flags) & kChangedSlide) != 0; }
    bool redrawsCursorStator() const { return ((hint | flags) & kChangedCursor) != 0; }
    bool redrawsCursorSlide() const { return hint != kRedrawNothing || flags != 0; }
    bool redrawsRightIndex() const { return redrawsLeftIndex() || widthChanged; }
};

PanelPlan PlanReadouts(const RuleState& state, const RedrawState& redraw, const PanelMemory& memory,
                       int a);

// Refreshes the reading groups the plan redraws, from the state.
void RefreshPlannedReadings(const PanelPlan& plan, const RuleState& state, ReadingTable& table);

// Draws the panel as planned, then frames the focus reading, and remembers
// what it drew. `backdrop` is the text background the rule paint left.
//
// Any change of the focus clears every box the old frame could stand in, so
// no frame survives a partial paint (the cursor's slide rows are cleared too,
// which otherwise happens only in a full paint).
void PaintReadouts(Surface& dc, const RuleState& state, const ReadingTable& table,
                   const PanelPlan& plan, PanelMemory& memory, TextBackdrop backdrop);

// Frames the reading of a slot (1..22) with the stock black pen; cxSize is the
// window's extra width CxSize. Slot 0 (no focus) draws nothing.
void DrawFocusBox(Surface& dc, int slot, int cxSize);

}  // namespace tesmark
