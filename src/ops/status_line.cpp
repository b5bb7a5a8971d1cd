#include "ops/status_line.h"

namespace tesmark {

void ShowStatus(RuleSession& session, WindowPort& port, std::string_view text) {
    port.setStatusText(text);
    session.StatusShown = 1;
}

void ClearStatus(RuleSession& session, WindowPort& port) {
    if (session.StatusShown == 1) port.setStatusText(" ");
    session.StatusShown = 0;
}

void ClearStatusAndRepaint(RuleSession& session, WindowPort& port) {
    ClearStatus(session, port);
    if (session.redraw.PaintedFlag == 0) {
        session.redraw.RedrawHint = kRedrawAll;
        session.redraw.PaintedFlag = 1;
    }
    port.invalidateRule();
}

}  // namespace tesmark
