// The Initialization reset and the rule for resetting on close.
#include "ops/initialization_reset.h"

#include <gtest/gtest.h>

#include "model/positions.h"
#include "ops/undo_command.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

using testing::SessionFixture;

class CountingCommandPort : public NoCommandPort {
  public:
    void refreshMenusAndLanguage() override { ++refreshes; }
    int refreshes = 0;
};

class InitializationResetTest : public ::testing::Test, public SessionFixture {
  protected:
    CountingCommandPort commands;
};

TEST_F(InitializationResetTest, PutsTheRuleHomeOnTheFrontWithTheDefaultOptions) {
    state.SlidePos = 1000000;
    state.CursorPos = 5000000;
    state.SlideRev = 1;
    state.SinNum = 1;
    state.ScalePI = 0;
    state.ScaleST = 1;
    state.ScaleLL = 0;
    state.NumFoucs = 3;
    state.TopWin = 1;
    state.RightClick = 2;
    state.Language = 1;
    state.NumberVariable = 0;
    session.StatusShown = 1;

    InitializationReset(session, port, commands);

    EXPECT_EQ(state.SlidePos, HomePos);
    EXPECT_EQ(state.CursorPos, HomePos);
    EXPECT_EQ(session.redraw.DrawnSlidePos, HomePos);
    EXPECT_EQ(session.redraw.DrawnCursorPos, HomePos);
    EXPECT_EQ(port.thumbs.at(BarId::Slide), HomePos);
    EXPECT_EQ(port.thumbs.at(BarId::Cursor), HomePos);
    EXPECT_EQ(state.SlideRev, 0);
    EXPECT_EQ(state.SinNum, 0);
    EXPECT_EQ(state.ScalePI, 1);
    EXPECT_EQ(state.ScaleST, 0);
    EXPECT_EQ(state.ScaleLL, 2);
    EXPECT_EQ(state.NumFoucs, 14);
    // What the reset leaves alone.
    EXPECT_EQ(state.TopWin, 1);
    EXPECT_EQ(state.RightClick, 2);
    EXPECT_EQ(state.Language, 1);
    EXPECT_EQ(state.NumberVariable, 0);
    EXPECT_EQ(port.compositions, 1);
    EXPECT_EQ(port.invalidations, 1);
    EXPECT_EQ(commands.refreshes, 1);
    EXPECT_EQ(port.lastStatus(), " ");
    EXPECT_EQ(session.StatusShown, 0);
    EXPECT_EQ(port.focusedBar, BarId::Cursor);
}

TEST_F(InitializationResetTest, CanBeUndoneForTheSlideOnly) {
    state.SlidePos = 1000000;
    state.CursorPos = 5000000;
    state.SlideRev = 1;
    InitializationReset(session, port, commands);
    UndoCommand(session, port);
    EXPECT_EQ(state.SlidePos, 1000000);
    EXPECT_EQ(state.CursorPos, HomePos);
    EXPECT_EQ(state.SlideRev, 0);
}

TEST_F(InitializationResetTest, AClosingResetsOnlyWithShiftAlone) {
    struct Case {
        bool shift, ctrl, right, resets;
    };
    for (const Case& c : {Case{true, false, false, true}, Case{true, true, false, false},
                          Case{true, false, true, false}, Case{false, false, false, false}}) {
        EXPECT_EQ(ClosingResets(HeldInput{c.shift, c.ctrl, c.right}), c.resets)
            << c.shift << c.ctrl << c.right;
    }
}

}  // namespace
}  // namespace tesmark
