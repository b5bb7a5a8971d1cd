// The commands around the slide bars: wheel, bar focus, centring with its
// right-button cycle, number lock, right-button modes and the key table.
#include "ops/bar_commands.h"

#include <gtest/gtest.h>

#include "model/positions.h"
#include "ops/bar_keys.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

using testing::SessionFixture;

class BarCommandsTest : public ::testing::Test, public SessionFixture {
  protected:
    BarCommandsTest() { state.NumberVariable = 0; }
};

TEST_F(BarCommandsTest, WheelStepsTheFocusedSlideBarOrElseTheCursorBar) {
    port.focusedBar = BarId::Slide;
    EXPECT_EQ(HandleWheel(session, port, 120), 0);
    EXPECT_EQ(port.thumbs.at(BarId::Slide), HomePos + 1);
    EXPECT_EQ(state.SlidePos, HomePos - 1);

    port.hasFocus = false;  // some other window holds the focus
    HandleWheel(session, port, -120);
    EXPECT_EQ(state.CursorPos, HomePos - 1);
    HandleWheel(session, port, 0);  // no turn: no step
    EXPECT_EQ(state.CursorPos, HomePos - 1);

    port.hasFocus = true;
    port.focusedBar = BarId::Cursor;
    port.ctrl = true;
    HandleWheel(session, port, 120);
    EXPECT_EQ(state.CursorPos, HomePos - 2);
}

TEST_F(BarCommandsTest, AHorizontalWheelStepsByItsOwnDirection) {
    port.hasFocus = false;
    HandleWheel(session, port, WheelDelta(120, 0));  // swipe or tilt, no vertical delta
    EXPECT_EQ(state.CursorPos, HomePos + 1);
    HandleWheel(session, port, WheelDelta(-120, 0));
    EXPECT_EQ(state.CursorPos, HomePos);
    HandleWheel(session, port, WheelDelta(-120, 120));  // the vertical delta wins
    EXPECT_EQ(state.CursorPos, HomePos + 1);
    const int invalidations = port.invalidations;
    HandleWheel(session, port, WheelDelta(0, 0));
    EXPECT_EQ(state.CursorPos, HomePos + 1);
    EXPECT_EQ(port.invalidations, invalidations);
}

TEST_F(BarCommandsTest, FocusCommandsGiveTheKeyboardFocusToABar) {
    FocusSlideBar(port);
    EXPECT_EQ(port.focusedBar, BarId::Slide);
    FocusCursorBar(port);
    EXPECT_EQ(port.focusedBar, BarId::Cursor);
}

struct CentreCase {
    const char* name;
    MoveTarget target;
    bool rightButton;
    int32_t before;
    int32_t after;
};

class Centring : public ::testing::TestWithParam<CentreCase>, public SessionFixture {};

TEST_P(Centring, MovesHomeOrCyclesAndRecordsUndo) {
    const CentreCase& c = GetParam();
    port.rightButton = c.rightButton;
    session.StatusShown = 1;
    const bool slide = c.target == MoveTarget::Slide;
    (slide ? state.SlidePos : state.CursorPos) = c.before;

    if (slide) {
        CentreSlide(session, port);
    } else {
        CentreCursor(session, port);
    }
    const BarId bar = slide ? BarId::Slide : BarId::Cursor;
    EXPECT_EQ(slide ? state.SlidePos : state.CursorPos, c.after);
    EXPECT_EQ(slide ? session.redraw.DrawnSlidePos : session.redraw.DrawnCursorPos, c.after);
    EXPECT_EQ(port.thumbs.at(bar), slide ? DecadeUnits - c.after : c.after);
    EXPECT_EQ(port.focusedBar, bar);
    EXPECT_EQ(port.invalidations, 1);
    EXPECT_EQ(session.undo.kind, static_cast<int16_t>(c.target));
    EXPECT_EQ(slide ? session.undo.savedSlidePos : session.undo.savedCursorPos, c.before);
    EXPECT_EQ(port.lastStatus(), " ");
    EXPECT_EQ(session.StatusShown, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, Centring,
    ::testing::Values(
        CentreCase{"SlideHome", MoveTarget::Slide, false, 1234567, HomePos},
        CentreCase{"CursorHome", MoveTarget::Cursor, false, -90000, HomePos},
        CentreCase{"SlideCycleFromCentre", MoveTarget::Slide, true, HomePos, DecadeUnits},
        CentreCase{"SlideCycleFromLeftEnd", MoveTarget::Slide, true, DecadeUnits, 0},
        CentreCase{"SlideCycleAboveCentre", MoveTarget::Slide, true, 4000000, 850000},
        CentreCase{"SlideCycleBelowCentre", MoveTarget::Slide, true, 0, HomePos},
        CentreCase{"CursorCycleFromCentre", MoveTarget::Cursor, true, HomePos, 0},
        CentreCase{"CursorCycleFromLeftEnd", MoveTarget::Cursor, true, 0, DecadeUnits},
        CentreCase{"CursorCycleFromRightEnd", MoveTarget::Cursor, true, DecadeUnits, HomePos},
        CentreCase{"CursorCycleBelowCentre", MoveTarget::Cursor, true, 100, 3150100}),
    [](const ::testing::TestParamInfo<CentreCase>& info) { return info.param.name; });

TEST(NumberLock, TogglesBetweenOnAndOff) {
    RuleState state;
    ASSERT_EQ(state.NumberVariable, 1);
    ToggleNumberLock(state);
    EXPECT_EQ(state.NumberVariable, 0);
    EXPECT_FALSE(NumberLockChecked(state));
    ToggleNumberLock(state);
    EXPECT_EQ(state.NumberVariable, 1);
    EXPECT_TRUE(NumberLockChecked(state));
}

TEST(RightClickModes, SetTheModeAndMarkOnlyIt) {
    RuleState state;
    for (int16_t mode : {kRightClickDouble, kRightClickFast, kRightClickReverse}) {
        SetRightClickMode(state, mode);
        EXPECT_EQ(state.RightClick, mode);
        for (int16_t other : {kRightClickDouble, kRightClickFast, kRightClickReverse}) {
            EXPECT_EQ(RightClickModeMarked(state, other), other == mode);
        }
    }
}

TEST(BarKeys, TurnIntoScrollCodes) {
    const struct {
        BarKey key;
        ScrollCode code;
    } cases[] = {{BarKey::Left, ScrollCode::LineLeft},   {BarKey::Up, ScrollCode::LineLeft},
                 {BarKey::Right, ScrollCode::LineRight}, {BarKey::Down, ScrollCode::LineRight},
                 {BarKey::PageUp, ScrollCode::PageLeft}, {BarKey::PageDown, ScrollCode::PageRight},
                 {BarKey::Home, ScrollCode::Left},       {BarKey::End, ScrollCode::Right}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScrollCodeForKey(c.key), c.code);
    }
}

}  // namespace
}  // namespace tesmark
