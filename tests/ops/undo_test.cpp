// One step of undo: the recorded element's position swaps with its saved
// one, so undo takes itself back.
#include "ops/undo_command.h"

#include <gtest/gtest.h>

#include "model/positions.h"
#include "ops/bar_commands.h"
#include "ops/scroll_handler.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

class UndoTest : public ::testing::Test, public testing::SessionFixture {};

TEST_F(UndoTest, WithNothingRecordedOnlyFocusesTheCursorBar) {
    EXPECT_FALSE(UndoAvailable(session.undo));
    port.focusedBar = BarId::Slide;
    UndoCommand(session, port);
    EXPECT_EQ(port.focusedBar, BarId::Cursor);
    EXPECT_TRUE(port.thumbs.empty());
    EXPECT_EQ(port.invalidations, 0);
}

TEST_F(UndoTest, SecondUndoTakesTheFirstBack) {
    state.CursorPos = 1000000;
    StoreUndo(session.undo, state, MoveTarget::Cursor);
    state.CursorPos = 2000000;  // a pasted position
    session.StatusShown = 1;

    UndoCommand(session, port);
    EXPECT_EQ(state.CursorPos, 1000000);
    EXPECT_EQ(port.thumbs.at(BarId::Cursor), 1000000);
    EXPECT_EQ(port.focusedBar, BarId::Cursor);
    EXPECT_EQ(port.lastStatus(), " ");
    EXPECT_EQ(port.invalidations, 1);
    EXPECT_TRUE(UndoAvailable(session.undo));

    UndoCommand(session, port);
    EXPECT_EQ(state.CursorPos, 2000000);
    EXPECT_EQ(session.redraw.DrawnCursorPos, HomePos);  // drawn positions are the paint's
}

TEST_F(UndoTest, SlideUndoSetsTheMirroredThumbWithoutClamping) {
    state.SlidePos = -250000;  // e.g. saved from an older profile
    StoreUndo(session.undo, state, MoveTarget::Slide);
    state.SlidePos = HomePos;
    UndoCommand(session, port);
    EXPECT_EQ(state.SlidePos, -250000);
    EXPECT_EQ(port.thumbs.at(BarId::Slide), DecadeUnits + 250000);
    EXPECT_EQ(port.focusedBar, BarId::Slide);
}

TEST_F(UndoTest, BarMovesAfterACentringAreLost) {
    state.NumberVariable = 0;
    state.CursorPos = 777777;
    CentreCursor(session, port);
    HandleScroll(session, port, BarId::Cursor, ScrollCode::PageRight);
    UndoCommand(session, port);
    EXPECT_EQ(state.CursorPos, 777777);
}

TEST_F(UndoTest, OnlyTheLastRecordedElementToggles) {
    state.SlidePos = 1111111;
    state.CursorPos = 2222222;
    CentreSlide(session, port);
    CentreCursor(session, port);
    UndoCommand(session, port);
    EXPECT_EQ(state.CursorPos, 2222222);
    UndoCommand(session, port);
    EXPECT_EQ(state.CursorPos, HomePos);
    EXPECT_EQ(state.SlidePos, HomePos);
    EXPECT_EQ(session.undo.savedSlidePos, 1111111);
}

}  // namespace
}  // namespace tesmark
