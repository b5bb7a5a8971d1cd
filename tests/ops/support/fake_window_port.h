#pragma once
// A WindowPort that records what the operations ask of the window, with
// modifier keys, the right button, the focused bar and the drag position
// set by the test.
#include <map>
#include <string>
#include <vector>

#include "ops/headless_window_port.h"
#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark::testing {

class FakeWindowPort : public WindowPort {
  public:
    explicit FakeWindowPort(RuleSession& session) : session_(session) {}

    void setBarThumb(BarId bar, int32_t position) override { thumbs[bar] = position; }
    void focusBar(BarId bar) override {
        focusedBar = bar;
        focusCalls.push_back(bar);
    }
    bool barHasFocus(BarId bar) const override { return hasFocus && focusedBar == bar; }
    int32_t barTrackPosition(BarId) const override { return trackPosition; }
    void setStatusText(std::string_view text) override { statusTexts.emplace_back(text); }
    void invalidateRule() override { ++invalidations; }
    void composeRuleBody() override {
        ++compositions;
        HeadlessWindowPort::RecordComposition(session_);
    }
    void setClipboardText(std::string_view text) override { clipboard = std::string(text); }
    bool shiftDown() const override { return shift; }
    bool ctrlDown() const override { return ctrl; }
    bool rightButtonDown() const override { return rightButton; }

    std::string lastStatus() const { return statusTexts.empty() ? "" : statusTexts.back(); }
    bool thumbSet(BarId bar) const { return thumbs.count(bar) != 0; }

    // Set by the test.
    bool shift = false;
    bool ctrl = false;
    bool rightButton = false;
    bool hasFocus = true;
    int32_t trackPosition = 0;

    // Recorded.
    std::map<BarId, int32_t> thumbs;
    BarId focusedBar = BarId::Cursor;
    std::vector<BarId> focusCalls;
    std::vector<std::string> statusTexts;
    int invalidations = 0;
    int compositions = 0;
    std::string clipboard;

  private:
    RuleSession& session_;
};

// A session over its own default state, composed for that state as the
// window is after construction.
struct SessionFixture {
    SessionFixture() : session(state), port(session) {
        HeadlessWindowPort::RecordComposition(session);
    }
    RuleState state = RuleState::Defaults();
    RuleSession session;
    FakeWindowPort port;
};

}  // namespace tesmark::testing
