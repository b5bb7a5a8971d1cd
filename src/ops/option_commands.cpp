#include "ops/option_commands.h"

#include "ops/status_line.h"

namespace tesmark {

namespace {

bool FrontFace(const RuleState& state) {
    return state.SlideRev == 0;
}

// After a drawing option changed: compose, repaint, focus.
void RecomposeAndRepaint(RuleSession& session, WindowPort& port) {
    port.composeRuleBody();
    ClearStatusAndRepaint(session, port);
    port.focusBar(BarId::Cursor);
}

}  // namespace

void ReverseRule(RuleSession& session, WindowPort& port, CommandPort& commands) {
    RuleState& state = session.state;
    state.SlideRev = static_cast<int16_t>(state.SlideRev ^ 1);
    port.composeRuleBody();
    commands.refreshMenusAndLanguage();
    if (FrontFace(state) && (state.NumFoucs == 1 || state.NumFoucs == 7 || state.NumFoucs == 17)) {
        ++state.NumFoucs;
    }
    ClearStatusAndRepaint(session, port);
    port.focusBar(BarId::Cursor);
}

void SetSinNum(RuleSession& session, WindowPort& port, int16_t value) {
    session.state.SinNum = value;
    session.redraw.RedrawHint = kRedrawNothing;
    port.composeRuleBody();
    port.invalidateRule();
    port.focusBar(BarId::Cursor);
}

void SetScaleST(RuleSession& session, WindowPort& port, int16_t value) {
    session.state.ScaleST = value;
    RecomposeAndRepaint(session, port);
}

void SetScalePI(RuleSession& session, WindowPort& port, int16_t value) {
    session.state.ScalePI = value;
    RecomposeAndRepaint(session, port);
}

void SetScaleLL(RuleSession& session, WindowPort& port, int16_t value) {
    session.state.ScaleLL = value;
    RecomposeAndRepaint(session, port);
}

void ToggleSinNum(RuleSession& session, WindowPort& port) {
    if (!FrontFace(session.state)) return;
    SetSinNum(session, port, static_cast<int16_t>(1 - session.state.SinNum));
}

void ToggleScaleST(RuleSession& session, WindowPort& port) {
    if (!FrontFace(session.state)) return;
    SetScaleST(session, port, static_cast<int16_t>(1 - session.state.ScaleST));
}

void ToggleScalePI(RuleSession& session, WindowPort& port) {
    if (FrontFace(session.state)) return;
    SetScalePI(session, port, static_cast<int16_t>(1 - session.state.ScalePI));
}

void NextScaleLL(RuleSession& session, WindowPort& port) {
    if (FrontFace(session.state)) return;
    SetScaleLL(session, port, static_cast<int16_t>((session.state.ScaleLL + 1) % 3));
}

}  // namespace tesmark
