#pragma once
// A WindowPort without a window, for tesmark-cli and the benchmarks: the
// status text, the clipboard and the thumbs are remembered, composing the
// body only records the options it would be composed with, and no key or
// button is ever held.
#include <string>

#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

class HeadlessWindowPort : public WindowPort {
  public:
    explicit HeadlessWindowPort(RuleSession& session) : session_(session) {}

    void setBarThumb(BarId bar, int32_t position) override {
        (bar == BarId::Slide ? slideThumb : cursorThumb) = position;
    }
    void focusBar(BarId bar) override { focusedBar = bar; }
    bool barHasFocus(BarId bar) const override { return focusedBar == bar; }
    int32_t barTrackPosition(BarId bar) const override {
        return bar == BarId::Slide ? slideThumb : cursorThumb;
    }
    void setStatusText(std::string_view text) override { statusText = text; }
    void invalidateRule() override {}
    void composeRuleBody() override { RecordComposition(session_); }
    void setClipboardText(std::string_view text) override { clipboardText = text; }
    bool shiftDown() const override { return false; }
    bool ctrlDown() const override { return false; }
    bool rightButtonDown() const override { return false; }

    // What a composition of the body for the current state records.
    static void RecordComposition(RuleSession& session) {
        session.composed.SlideRev = session.state.SlideRev;
        session.composed.ScaleLL = session.state.ScaleLL;
        session.composed.ScaleST = session.state.ScaleST;
        session.composed.ScalePI = session.state.ScalePI;
    }

    int32_t slideThumb = 0;
    int32_t cursorThumb = 0;
    BarId focusedBar = BarId::Cursor;
    std::string statusText;
    std::string clipboardText;

  private:
    RuleSession& session_;
};

}  // namespace tesmark
