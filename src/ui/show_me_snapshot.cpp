#include "ui/show_me_snapshot.h"

#include "ops/bar_position.h"
#include "render/redraw_state.h"

namespace tesmark {

RuleSnapshot CaptureRule(const RuleSession& session) {
    const RuleState& s = session.state;
    return {s.SlidePos, s.CursorPos, s.SlideRev, s.SinNum,    s.ScalePI,
            s.ScaleST,  s.ScaleLL,   s.NumFoucs, session.undo};
}

bool SameRulePlace(const RuleSnapshot& a, const RuleSnapshot& b) {
    return a.SlidePos == b.SlidePos && a.CursorPos == b.CursorPos && a.SlideRev == b.SlideRev &&
           a.SinNum == b.SinNum && a.ScalePI == b.ScalePI && a.ScaleST == b.ScaleST &&
           a.ScaleLL == b.ScaleLL;
}

void RestoreRule(const RuleSnapshot& snapshot, CommandTarget& target) {
    RuleSession& session = target.session;
    RuleState& state = session.state;
    const bool faceTurns = state.SlideRev != snapshot.SlideRev;
    state.SlidePos = snapshot.SlidePos;
    state.CursorPos = snapshot.CursorPos;
    state.SlideRev = snapshot.SlideRev;
    state.SinNum = snapshot.SinNum;
    state.ScalePI = snapshot.ScalePI;
    state.ScaleST = snapshot.ScaleST;
    state.ScaleLL = snapshot.ScaleLL;
    state.NumFoucs = snapshot.NumFoucs;
    session.undo = snapshot.undo;
    target.window.setBarThumb(BarId::Slide, SaturateToInt32(BarPosition(state, MoveTarget::Slide)));
    target.window.setBarThumb(BarId::Cursor,
                              SaturateToInt32(BarPosition(state, MoveTarget::Cursor)));
    // Both elements may jump and the focus frame may move: paint it all.
    session.redraw.RedrawHint = kRedrawAll;
    target.window.composeRuleBody();
    target.window.invalidateRule();
    if (faceTurns) target.commands.refreshMenusAndLanguage();
}

}  // namespace tesmark
