#include "ops/mouse_handlers.h"

#include <string>

#include "model/reading_table.h"
#include "ops/copy_reading.h"
#include "ops/cursor_label_messages.h"
#include "ops/reading_hit_test.h"
#include "ops/status_line.h"

namespace tesmark {

void OnLeftButtonPress(RuleSession& session, WindowPort& port, int x, int y) {
    ClearStatus(session, port);
    const int16_t slot = HitTestReadingSlot(session, port, x, y);
    if (slot == 0) return;
    // A box is selected whether or not its slot has a reading now.
    session.state.NumFoucs = slot;
    ClearStatus(session, port);
    if (session.redraw.PaintedFlag == 0) {
        session.redraw.RedrawHint = kRedrawAll;
        session.redraw.PaintedFlag = 1;
    }
    port.invalidateRule();
}

void OnLeftButtonDoubleClick(RuleSession& session, WindowPort& port, int x, int y) {
    const int focus = session.state.NumFoucs;
    if (HitTestReadingSlot(session, port, x, y) != 0 && focus >= 1 && focus <= kSlotCount &&
        session.readings[focus] != NoReading) {
        ClearStatusAndRepaint(session, port);
        CopyReadingToClipboard(session, port, focus);
    }
    const bool onLabel = x >= kCursorLabelLeft && x <= kCursorLabelRight && y >= kCursorLabelTop &&
                         y <= kCursorLabelBottom;
    if (!onLabel) return;
    std::string text;
    if (port.ctrlDown()) {
        text = BuildDateMessage();
    } else if (port.rightButtonDown() || !port.shiftDown()) {
        text = GreetingMessage(session.random);
    } else {
        text = PositionsMessage(session.state.SlidePos, session.state.CursorPos);
    }
    ShowStatus(session, port, text);
}

}  // namespace tesmark
