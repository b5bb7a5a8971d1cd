// The scroll handler of the slide bars: position steps with their
// modifiers, thumb drags and clamps, value steps with the number lock, the
// coupled Double move and the redraw hint.
#include "ops/scroll_handler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "model/number_format.h"
#include "model/positions.h"
#include "model/reading_table.h"
#include "ops/move_to_value.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

using testing::SessionFixture;

enum class Held { Nothing, Shift, Ctrl, RightFast, RightReverse, CtrlAndShift };

void Hold(testing::FakeWindowPort& port, RuleState& state, Held held) {
    port.shift = held == Held::Shift || held == Held::CtrlAndShift;
    port.ctrl = held == Held::Ctrl || held == Held::CtrlAndShift;
    port.rightButton = held == Held::RightFast || held == Held::RightReverse;
    if (held == Held::RightFast) state.RightClick = 1;
    if (held == Held::RightReverse) state.RightClick = 2;
}

struct PositionStepCase {
    const char* name;
    ScrollCode code;
    Held held;
    int32_t thumbDelta;  // from the home thumb 3,150,000
};

class PositionSteps : public ::testing::TestWithParam<PositionStepCase>, public SessionFixture {};

TEST_P(PositionSteps, MoveTheThumbOfEitherBar) {
    const PositionStepCase& c = GetParam();
    state.NumberVariable = 0;
    Hold(port, state, c.held);
    HandleScroll(session, port, BarId::Cursor, c.code);
    EXPECT_EQ(state.CursorPos, HomePos + c.thumbDelta);
    EXPECT_EQ(port.thumbs.at(BarId::Cursor), HomePos + c.thumbDelta);

    HandleScroll(session, port, BarId::Slide, c.code);
    EXPECT_EQ(port.thumbs.at(BarId::Slide), HomePos + c.thumbDelta);
    EXPECT_EQ(state.SlidePos, SlideBarPosition(HomePos + c.thumbDelta));
    EXPECT_EQ(port.focusedBar, BarId::Slide);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, PositionSteps,
    ::testing::Values(
        PositionStepCase{"LineLeft", ScrollCode::LineLeft, Held::Nothing, -1},
        PositionStepCase{"LineRight", ScrollCode::LineRight, Held::Nothing, +1},
        PositionStepCase{"PageLeft", ScrollCode::PageLeft, Held::Nothing, -500},
        PositionStepCase{"PageRight", ScrollCode::PageRight, Held::Nothing, +500},
        PositionStepCase{"ShiftLineLeft", ScrollCode::LineLeft, Held::Shift, -20},
        PositionStepCase{"ShiftPageRight", ScrollCode::PageRight, Held::Shift, +10000},
        PositionStepCase{"CtrlLineRightGoesLeft", ScrollCode::LineRight, Held::Ctrl, -1},
        PositionStepCase{"CtrlLineLeftGoesRight", ScrollCode::LineLeft, Held::Ctrl, +1},
        PositionStepCase{"CtrlPageLeft", ScrollCode::PageLeft, Held::Ctrl, +500},
        PositionStepCase{"CtrlWinsOverShift", ScrollCode::LineRight, Held::CtrlAndShift, -1},
        PositionStepCase{"RightButtonFast", ScrollCode::LineRight, Held::RightFast, +20},
        PositionStepCase{"RightButtonReverse", ScrollCode::PageRight, Held::RightReverse, -500},
        PositionStepCase{"HomeCentres", ScrollCode::Left, Held::Nothing, 0},
        PositionStepCase{"EndGoesToTheRightEnd", ScrollCode::Right, Held::Nothing,
                         DecadeUnits - HomePos},
        PositionStepCase{"EndScrollMovesNothing", ScrollCode::EndScroll, Held::Nothing, 0}),
    [](const ::testing::TestParamInfo<PositionStepCase>& info) { return info.param.name; });

class ScrollHandlerTest : public ::testing::Test, public SessionFixture {
  protected:
    ScrollHandlerTest() { RefreshAllReadings(state, session.readings); }
};

TEST_F(ScrollHandlerTest, EndTogglesBetweenTheEnds) {
    for (BarId bar : {BarId::Cursor, BarId::Slide}) {
        HandleScroll(session, port, bar, ScrollCode::Right);
        EXPECT_EQ(port.thumbs.at(bar), DecadeUnits);
        HandleScroll(session, port, bar, ScrollCode::Right);
        EXPECT_EQ(port.thumbs.at(bar), 0);
        HandleScroll(session, port, bar, ScrollCode::Right);
        EXPECT_EQ(port.thumbs.at(bar), DecadeUnits);
        HandleScroll(session, port, bar, ScrollCode::Left);
        EXPECT_EQ(port.thumbs.at(bar), HomePos);
    }
    EXPECT_EQ(state.SlidePos, HomePos);
    EXPECT_EQ(state.CursorPos, HomePos);
}

TEST_F(ScrollHandlerTest, DragBeyondTheKeptRangeClampsThePositionButNotTheThumb) {
    state.NumberVariable = 0;
    port.trackPosition = -200000;
    HandleScroll(session, port, BarId::Cursor, ScrollCode::ThumbTrack);
    EXPECT_EQ(state.CursorPos, MinKeptPos);
    EXPECT_EQ(port.thumbs.at(BarId::Cursor), -200000);

    HandleScroll(session, port, BarId::Cursor, ScrollCode::LineRight);
    EXPECT_EQ(state.CursorPos, MinKeptPos + 1);

    port.trackPosition = 6500000;  // slide thumb: SlidePos -200,000
    HandleScroll(session, port, BarId::Slide, ScrollCode::ThumbPosition);
    EXPECT_EQ(state.SlidePos, MinKeptPos);
    EXPECT_EQ(port.thumbs.at(BarId::Slide), 6500000);
}

// Value mode: the position MoveToValue gives for a D value on the cursor.
int32_t CursorPositionOfD(double v) {
    return static_cast<int32_t>(std::log10(v) * 21000.0 * 300.0 + 0.5);
}

struct ValueStepCase {
    const char* name;
    ScrollCode code;
    Held held;
    double zeroed;  // the reading with its last digits zeroed, 0 when none are
    double step;
};

class ValueSteps : public ::testing::TestWithParam<ValueStepCase>, public SessionFixture {};

TEST_P(ValueSteps, AskForTheReadingPlusTheStep) {
    const ValueStepCase& c = GetParam();
    state.NumFoucs = 14;
    state.CursorPos = CursorPositionOfD(3.14159);
    const double r = CurrentReading(14, state);
    ASSERT_NEAR(r, 3.14159, 1e-6);
    const double asked = (c.zeroed != 0 ? c.zeroed : r) + c.step;
    Hold(port, state, c.held);
    HandleScroll(session, port, BarId::Cursor, c.code);
    EXPECT_EQ(state.CursorPos, CursorPositionOfD(asked));
    EXPECT_EQ(port.thumbs.at(BarId::Cursor), CursorPositionOfD(asked));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ValueSteps,
    ::testing::Values(ValueStepCase{"LineRight", ScrollCode::LineRight, Held::Nothing, 0, +0.00001},
                      ValueStepCase{"LineLeft", ScrollCode::LineLeft, Held::Nothing, 0, -0.00001},
                      ValueStepCase{"CtrlLineRight", ScrollCode::LineRight, Held::Ctrl, 0,
                                    -0.00001},
                      ValueStepCase{"ShiftLineRightZeroesOneDigit", ScrollCode::LineRight,
                                    Held::Shift, 3.1415, +0.0001},
                      ValueStepCase{"PageRightZeroesTwoDigits", ScrollCode::PageRight,
                                    Held::Nothing, 3.141, +0.001},
                      ValueStepCase{"ShiftPageLeftZeroesThreeDigits", ScrollCode::PageLeft,
                                    Held::Shift, 3.14, -0.01}),
    [](const ::testing::TestParamInfo<ValueStepCase>& info) { return info.param.name; });

TEST_F(ScrollHandlerTest, StepsOfReadingsAboveTenAreTenTimesLarger) {
    state.NumFoucs = 9;  // A under the cursor
    state.CursorPos = CursorPositionOfD(std::sqrt(31.4159));
    const double r = CurrentReading(9, state);
    HandleScroll(session, port, BarId::Cursor, ScrollCode::LineRight);
    EXPECT_EQ(state.CursorPos, CursorPositionOfD(std::sqrt(r + 0.0001)));
}

TEST_F(ScrollHandlerTest, ThumbCodesStayPositionStepsInValueMode) {
    state.NumFoucs = 14;
    port.trackPosition = 1234567;
    HandleScroll(session, port, BarId::Cursor, ScrollCode::ThumbTrack);
    EXPECT_EQ(state.CursorPos, 1234567);
}

TEST_F(ScrollHandlerTest, SlideBarStepsByPositionWhenTheFocusIsAStatorScaleUnderTheCursor) {
    state.NumFoucs = 14;
    HandleScroll(session, port, BarId::Slide, ScrollCode::LineRight);
    EXPECT_EQ(state.SlidePos, HomePos - 1);
    EXPECT_EQ(state.CursorPos, HomePos);
}

TEST_F(ScrollHandlerTest, SlideBarStepOnTheSlidesCIsReversed) {
    state.NumFoucs = 13;
    SessionFixture reference;
    reference.state.NumFoucs = 13;
    const int32_t expected =
        MoveToValue(reference.session, reference.port, CurrentReading(13, state) - 0.00001,
                    MoveTarget::Slide, false);

    HandleScroll(session, port, BarId::Slide, ScrollCode::LineRight);
    EXPECT_EQ(port.thumbs.at(BarId::Slide), expected);
    EXPECT_EQ(state.SlidePos, DecadeUnits - expected);
}

TEST_F(ScrollHandlerTest, MissingReadingOrNumberLockOffStepsByPosition) {
    // At exactly 3,750,000 the left index has no reading and the focus stays there.
    state.SlidePos = 3750000;
    state.NumFoucs = 4;
    HandleScroll(session, port, BarId::Slide, ScrollCode::PageRight);
    EXPECT_EQ(state.SlidePos, 3750000 - 500);

    state.NumFoucs = 14;
    state.NumberVariable = 0;
    HandleScroll(session, port, BarId::Cursor, ScrollCode::PageRight);
    EXPECT_EQ(state.CursorPos, HomePos + 500);
}

TEST_F(ScrollHandlerTest, RefusedValueStepChangesNothing) {
    state.SlideRev = 1;
    state.NumFoucs = 15;  // LL3 with the default pair, beyond its end at e^10
    state.CursorPos = MaxKeptPos;
    HeadlessWindowPort::RecordComposition(session);
    session.redraw.RedrawHint = kRedrawAll;

    HandleScroll(session, port, BarId::Cursor, ScrollCode::PageRight);
    EXPECT_EQ(port.lastStatus(), "Slide Rule overflow error.");
    EXPECT_EQ(state.CursorPos, MaxKeptPos);
    EXPECT_EQ(state.ScaleLL, 2);
    EXPECT_TRUE(port.thumbs.empty());
    EXPECT_TRUE(port.focusCalls.empty());
    EXPECT_EQ(port.invalidations, 0);
    EXPECT_EQ(session.redraw.RedrawHint, kRedrawAll);
}

TEST_F(ScrollHandlerTest, DoubleMovesTheOtherElementTheSameThumbWay) {
    state.NumberVariable = 0;
    state.RightClick = 0;
    port.rightButton = true;
    HandleScroll(session, port, BarId::Slide, ScrollCode::LineRight);
    EXPECT_EQ(state.SlidePos, HomePos - 1);
    EXPECT_EQ(state.CursorPos, HomePos + 1);
    EXPECT_EQ(port.thumbs.at(BarId::Slide), HomePos + 1);
    EXPECT_EQ(port.thumbs.at(BarId::Cursor), HomePos + 1);

    HandleScroll(session, port, BarId::Cursor, ScrollCode::PageLeft);
    EXPECT_EQ(state.CursorPos, HomePos + 1 - 500);
    // Measured from the drawn cursor position of the last paint (still
    // home), not from the position before this step.
    EXPECT_EQ(state.SlidePos, HomePos - 1 + (HomePos - (HomePos + 1 - 500)));
}

TEST_F(ScrollHandlerTest, DoubleStopsTheOtherElementAtTheClamp) {
    state.NumberVariable = 0;
    state.RightClick = 0;
    port.rightButton = true;
    state.CursorPos = MaxKeptPos;
    HandleScroll(session, port, BarId::Slide, ScrollCode::PageRight);
    EXPECT_EQ(state.CursorPos, MaxKeptPos);
    EXPECT_EQ(port.thumbs.at(BarId::Cursor), MaxKeptPos);
    EXPECT_EQ(state.SlidePos, HomePos - 500);
}

struct HintCase {
    const char* name;
    BarId bar;
    int32_t thumb;  // dragged to
    bool doubleMove;
    int16_t paintedFlag;
    int16_t hint;
};

class RedrawHints : public ::testing::TestWithParam<HintCase>, public SessionFixture {};

TEST_P(RedrawHints, TellThePaintWhatMovedByAPixel) {
    const HintCase& c = GetParam();
    state.NumberVariable = 0;
    session.redraw.RedrawHint = kRedrawAll;
    session.redraw.PaintedFlag = c.paintedFlag;
    if (c.doubleMove) {
        state.RightClick = 0;
        port.rightButton = true;
    }
    port.trackPosition = c.thumb;
    HandleScroll(session, port, c.bar, ScrollCode::ThumbTrack);
    EXPECT_EQ(session.redraw.RedrawHint, c.hint);
    EXPECT_EQ(port.invalidations, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, RedrawHints,
    ::testing::Values(HintCase{"CursorWithinItsPixel", BarId::Cursor, HomePos + 1499, false, 1, 0},
                      HintCase{"CursorToTheNextPixel", BarId::Cursor, HomePos + 1500, false, 1, 2},
                      HintCase{"SlideToTheNextPixel", BarId::Slide, HomePos - 1500, false, 1, 1},
                      HintCase{"BothMove", BarId::Slide, HomePos + 3000, true, 1, 3},
                      HintCase{"FullRepaintPending", BarId::Cursor, HomePos, false, 0, 7}),
    [](const ::testing::TestParamInfo<HintCase>& info) { return info.param.name; });

TEST_F(ScrollHandlerTest, ValueStepThatSwitchesTheLogLogPairRepaintsEverything) {
    state.SlideRev = 1;
    state.ScaleLL = 1;
    state.NumFoucs = 15;  // LL2 with pair 1, at its right end
    state.CursorPos = DecadeUnits - 1;
    ASSERT_NEAR(CurrentReading(15, state), 2.718281, 1e-6);
    HeadlessWindowPort::RecordComposition(session);

    HandleScroll(session, port, BarId::Cursor, ScrollCode::PageRight);
    EXPECT_EQ(state.ScaleLL, 2);
    EXPECT_EQ(port.compositions, 1);
    EXPECT_NE(PixelColumn(state.CursorPos), PixelColumn(session.redraw.DrawnCursorPos));
    EXPECT_EQ(session.redraw.RedrawHint, kRedrawAll);
}

// The L value the next paint shows for the focus: the fraction of its reading.
double ShownL(const RuleState& original) {
    RuleState state = original;
    ApplyFocusFixUp(state);
    const double r = CurrentReading(state.NumFoucs, state);
    return r - std::floor(r);
}

// The distance of two L values on the circle of fractions.
double LDistance(double a, double b) {
    const double d = std::abs(a - b);
    return std::min(d, 1.0 - d);
}

struct LStepCase {
    const char* name;
    int16_t slot;
    int32_t slidePos;
    int32_t cursorPos;
    ScrollCode code;
};

class LValueSteps : public ::testing::TestWithParam<LStepCase>, public SessionFixture {};

// With the number lock on, each line step moves L by one in the last digit
// of its text, modulo one (".000000" to the left goes on at ".999999"); a page
// step zeroes two digits of the text and adds one hundred millionths. The
// position can only land on a unit (a sixth of a millionth of L).
TEST_P(LValueSteps, StepTheLastDigitOfTheText) {
    const LStepCase& c = GetParam();
    state.SlidePos = c.slidePos;
    state.CursorPos = c.cursorPos;
    state.NumFoucs = c.slot;
    const BarId bar = c.slot == 16 ? BarId::Cursor : BarId::Slide;
    const bool page = c.code == ScrollCode::PageLeft || c.code == ScrollCode::PageRight;
    const double direction =
        c.code == ScrollCode::LineRight || c.code == ScrollCode::PageRight ? 1 : -1;
    constexpr double kUnit = 1.0 / DecadeUnits;
    for (int press = 0; press < 25; ++press) {
        SCOPED_TRACE(press);
        const double before = ShownL(state);
        double expected = before + direction * 0.000001;
        if (page) {
            const std::string text = FormatNumber(before, NumberStyle::Frac6Zero);
            expected = std::floor(std::strtod(text.c_str(), nullptr) * 1e4 + 1e-6) / 1e4 +
                       direction * 0.0001;
        }
        HandleScroll(session, port, bar, c.code);
        EXPECT_LE(LDistance(ShownL(state), expected - std::floor(expected)), kUnit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Slots, LValueSteps,
    ::testing::Values(
        LStepCase{"LeftIndexRightFromHome", 6, HomePos, HomePos, ScrollCode::LineRight},
        LStepCase{"LeftIndexLeftFromHome", 6, HomePos, HomePos, ScrollCode::LineLeft},
        LStepCase{"LeftIndexSlideRight", 6, 1890000, HomePos, ScrollCode::LineRight},
        LStepCase{"LeftIndexSlideLeft", 6, 3465000, HomePos, ScrollCode::LineLeft},
        LStepCase{"LeftIndexPageRight", 6, 1890007, HomePos, ScrollCode::PageRight},
        LStepCase{"RightIndexRight", 22, 3465000, HomePos, ScrollCode::LineRight},
        LStepCase{"RightIndexLeftFromHome", 22, HomePos, HomePos, ScrollCode::LineLeft},
        LStepCase{"RightIndexPageLeft", 22, 3000011, HomePos, ScrollCode::PageLeft},
        LStepCase{"CursorRight", 16, HomePos, 1234567, ScrollCode::LineRight},
        LStepCase{"CursorLeft", 16, HomePos, 1234567, ScrollCode::LineLeft},
        LStepCase{"CursorPageRight", 16, HomePos, 4321, ScrollCode::PageRight}),
    [](const ::testing::TestParamInfo<LStepCase>& info) { return info.param.name; });

// Keys that arrive faster than the paint: nothing refreshes the painted
// table, yet every key steps from the value the previous one produced.
TEST_F(ScrollHandlerTest, ABurstOfValueStepsWithoutAPaintStepsFromEachResult) {
    state.NumFoucs = 14;
    for (int press = 1; press <= 2000; ++press) {
        const double before = CurrentReading(14, state);
        HandleScroll(session, port, BarId::Cursor, ScrollCode::LineRight);
        ASSERT_EQ(state.CursorPos, CursorPositionOfD(before + 0.00001)) << press;
    }
    // Each step lands on the nearest unit, up to half a unit (6e-7 of D here) away.
    EXPECT_NEAR(CurrentReading(14, state), 3.16227766 + 0.02, 2000 * 6e-7);
    EXPECT_EQ(port.thumbs.at(BarId::Cursor), state.CursorPos);

    state.NumFoucs = 13;  // C, on the slide bar: Left raises it
    const double c = CurrentReading(13, state);
    for (int press = 1; press <= 500; ++press) {
        HandleScroll(session, port, BarId::Slide, ScrollCode::LineLeft);
    }
    EXPECT_NEAR(CurrentReading(13, state), c + 0.005, 500 * 6e-7);
}

TEST(SlotSuitsBar, SlideScalesAndIndexColumnsBelongToTheSlideBar) {
    for (int slot = 0; slot <= 23; ++slot) {
        SCOPED_TRACE(slot);
        const bool slide =
            (slot >= 1 && slot <= 6) || (slot >= 10 && slot <= 13) || (slot >= 17 && slot <= 22);
        EXPECT_EQ(SlotSuitsBar(slot, BarId::Slide), slide);
        EXPECT_EQ(SlotSuitsBar(slot, BarId::Cursor), slot >= 7 && slot <= 16);
    }
}

}  // namespace
}  // namespace tesmark
