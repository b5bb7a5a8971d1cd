// Setting the slide or the cursor by value: positions, focus moves, scale
// switches, messages, and refusals that leave everything as it was.
#include "ops/move_to_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/number_format.h"
#include "model/reading_table.h"
#include "ops/parse_number.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

using testing::SessionFixture;

class MoveToValueTest : public ::testing::Test, public SessionFixture {};

TEST_F(MoveToValueTest, DOnTheCursorPutsTheHairlineAtTheLogarithm) {
    state.NumFoucs = 14;
    EXPECT_EQ(MoveToValue(session, port, 2.0, MoveTarget::Cursor, true), 1896489);
    EXPECT_EQ(state.CursorPos, 1896489);
    EXPECT_EQ(session.redraw.DrawnCursorPos, 1896489);
    EXPECT_EQ(state.SlidePos, HomePos);
    EXPECT_EQ(port.thumbs.at(BarId::Cursor), 1896489);
    EXPECT_EQ(port.lastStatus(), "Moved CURSOR.");
    EXPECT_EQ(session.StatusShown, 1);
    EXPECT_EQ(port.invalidations, 1);
    EXPECT_EQ(port.compositions, 0);
}

TEST_F(MoveToValueTest, DecadeAndSignDoNotChangeThePosition) {
    state.NumFoucs = 14;
    for (double v : {20.0, 0.2, -2.0, 2000000.0}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(MoveToValue(session, port, v, MoveTarget::Cursor, false), 1896489);
    }
}

TEST_F(MoveToValueTest, WithoutApplyNothingMovesAndNothingIsRedrawn) {
    state.NumFoucs = 14;
    EXPECT_EQ(MoveToValue(session, port, 2.0, MoveTarget::Cursor, false), 1896489);
    EXPECT_EQ(state.CursorPos, HomePos);
    EXPECT_EQ(session.redraw.RedrawHint, kRedrawNothing);
    EXPECT_TRUE(port.thumbs.empty());
    EXPECT_TRUE(port.statusTexts.empty());
    EXPECT_EQ(port.invalidations, 0);
}

TEST_F(MoveToValueTest, JapaneseMessagesNameTheTargetInJapanese) {
    state.Language = 1;
    state.NumFoucs = 14;
    MoveToValue(session, port, 2.0, MoveTarget::Cursor, true);
    EXPECT_EQ(port.lastStatus(), "カーソル を移動しました。");
    state.NumFoucs = 13;
    MoveToValue(session, port, 2.0, MoveTarget::Slide, true);
    EXPECT_EQ(port.lastStatus(), "滑尺 を移動しました。");
}

// After an applied move, the focus slot (possibly moved) reads the value.
struct RoundTripCase {
    const char* name;
    int16_t face;
    int16_t scaleLL;
    int16_t slot;
    MoveTarget target;
    double value;
    int16_t endSlot;  // where the focus ends
    double reading;   // what it reads there
};

class MoveToValueRoundTrip : public ::testing::TestWithParam<RoundTripCase>,
                             public SessionFixture {};

TEST_P(MoveToValueRoundTrip, FocusReadsTheValue) {
    const RoundTripCase& c = GetParam();
    state.SlideRev = c.face;
    state.ScaleLL = c.scaleLL;
    state.NumFoucs = c.slot;
    HeadlessWindowPort::RecordComposition(session);
    const int32_t cursorBefore = state.CursorPos;
    const int32_t slideBefore = state.SlidePos;

    ASSERT_GE(MoveToValue(session, port, c.value, c.target, true), 0) << port.lastStatus();
    EXPECT_EQ(state.NumFoucs, c.endSlot);
    if (c.target == MoveTarget::Slide) {
        EXPECT_EQ(state.CursorPos, cursorBefore);
    } else {
        EXPECT_EQ(state.SlidePos, slideBefore);
    }
    ReadingTable table;
    RefreshAllReadings(state, table);
    EXPECT_NEAR(table[c.endSlot], c.reading, std::abs(c.reading) * 2e-6 + 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, MoveToValueRoundTrip,
    ::testing::Values(
        RoundTripCase{"FrontK", 0, 2, 8, MoveTarget::Cursor, 27.0, 8, 27.0},
        RoundTripCase{"FrontA", 0, 2, 9, MoveTarget::Cursor, 25.0, 9, 25.0},
        RoundTripCase{"FrontBBySlide", 0, 2, 10, MoveTarget::Slide, 25.0, 10, 25.0},
        RoundTripCase{"FrontBByCursor", 0, 2, 10, MoveTarget::Cursor, 25.0, 10, 25.0},
        RoundTripCase{"FrontTByCursor", 0, 2, 11, MoveTarget::Cursor, 30.0, 11, 30.0},
        RoundTripCase{"FrontTBySlide", 0, 2, 11, MoveTarget::Slide, 30.0, 11, 30.0},
        RoundTripCase{"FrontSByCursor", 0, 2, 12, MoveTarget::Cursor, 30.0, 12, 30.0},
        RoundTripCase{"FrontSBySlide", 0, 2, 12, MoveTarget::Slide, 30.0, 12, 30.0},
        RoundTripCase{"FrontCBySlide", 0, 2, 13, MoveTarget::Slide, 2.0, 13, 2.0},
        RoundTripCase{"FrontCByCursor", 0, 2, 13, MoveTarget::Cursor, 2.0, 13, 2.0},
        RoundTripCase{"FrontDI", 0, 2, 15, MoveTarget::Cursor, 4.0, 15, 4.0},
        RoundTripCase{"FrontL", 0, 2, 16, MoveTarget::Cursor, 0.25, 16, 1.25},
        RoundTripCase{"FrontLeftIndexD", 0, 2, 4, MoveTarget::Slide, 1.2, 4, 1.2},
        RoundTripCase{"FrontRightIndexD", 0, 2, 20, MoveTarget::Slide, 8.0, 20, 8.0},
        RoundTripCase{"FrontLeftIndexK", 0, 2, 2, MoveTarget::Slide, 1.5, 2, 1.5},
        RoundTripCase{"BackDF", 1, 2, 9, MoveTarget::Cursor, 5.0, 9, 5.0},
        RoundTripCase{"BackCFBySlide", 1, 2, 10, MoveTarget::Slide, 5.0, 10, 5.0},
        RoundTripCase{"BackCIFByCursor", 1, 2, 11, MoveTarget::Cursor, 5.0, 11, 5.0},
        RoundTripCase{"BackCIByCursor", 1, 2, 12, MoveTarget::Cursor, 4.0, 12, 4.0},
        RoundTripCase{"BackLL3", 1, 2, 15, MoveTarget::Cursor, 20.0, 15, 20.0},
        RoundTripCase{"BackLL2FromLL3Row", 1, 2, 15, MoveTarget::Cursor, 1.5, 16, 1.5},
        RoundTripCase{"BackLL1PairChange", 1, 2, 16, MoveTarget::Cursor, 1.05, 16, 1.05},
        RoundTripCase{"BackLL0PairChange", 1, 2, 16, MoveTarget::Cursor, 1.005, 16, 1.005},
        RoundTripCase{"BackReciprocalRow", 1, 2, 16, MoveTarget::Cursor, 0.9, 7, 0.9},
        RoundTripCase{"BackLeftIndexLLKeepsColumn", 1, 2, 6, MoveTarget::Slide, 1.2, 6, 1.2},
        RoundTripCase{"BackLeftIndexLLSwitchesColumn", 1, 2, 6, MoveTarget::Slide, 1.0578, 22,
                      1.0578}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

TEST_F(MoveToValueTest, LogLogValueBelowOneTakesTheReciprocalRowOfTheNextPair) {
    state.SlideRev = 1;
    state.ScaleLL = 0;
    state.NumFoucs = 16;
    HeadlessWindowPort::RecordComposition(session);

    EXPECT_EQ(MoveToValue(session, port, 0.5, MoveTarget::Cursor, true), 5297200);
    EXPECT_EQ(state.NumFoucs, 8);
    EXPECT_EQ(state.ScaleLL, 1);
    EXPECT_EQ(state.CursorPos, 5297200);
    EXPECT_EQ(port.compositions, 1);
    EXPECT_EQ(session.composed.ScaleLL, 1);
}

TEST_F(MoveToValueTest, RecompositionWithoutApplyAsksForAFullRepaint) {
    state.SlideRev = 1;
    state.ScaleLL = 0;
    state.NumFoucs = 16;
    HeadlessWindowPort::RecordComposition(session);
    EXPECT_EQ(MoveToValue(session, port, 0.5, MoveTarget::Cursor, false), 5297200);
    EXPECT_EQ(session.redraw.RedrawHint, kRedrawAll);
    EXPECT_EQ(state.CursorPos, HomePos);
}

TEST_F(MoveToValueTest, SmallSineSwitchesToTheS0Scale) {
    state.NumFoucs = 12;
    ASSERT_GE(MoveToValue(session, port, 3.0, MoveTarget::Cursor, true), 0);
    EXPECT_EQ(state.ScaleST, 1);
    EXPECT_EQ(port.compositions, 1);
    ReadingTable table;
    RefreshAllReadings(state, table);
    EXPECT_NEAR(table[12], 3.0, 1e-5);
}

TEST_F(MoveToValueTest, AngleBeyondBothSineTangentSetsCannotBeSet) {
    for (int16_t language : {0, 1}) {
        SCOPED_TRACE(language);
        state.Language = language;
        state.NumFoucs = 11;
        EXPECT_EQ(MoveToValue(session, port, 0.3, MoveTarget::Cursor, true), kMoveRefused);
        EXPECT_EQ(port.lastStatus(),
                  language == 0 ? "Cannot move CURSOR." : "カーソル を移動できません。");
        EXPECT_EQ(state.ScaleST, 0);
        EXPECT_EQ(state.CursorPos, HomePos);
    }
}

TEST_F(MoveToValueTest, ZeroOnTheLScaleIsAPosition) {
    state.NumFoucs = 16;
    EXPECT_EQ(MoveToValue(session, port, 0.0, MoveTarget::Cursor, true), 0);
    EXPECT_EQ(state.CursorPos, 0);
}

// Refusals: the message, -1, and the state exactly as before.
struct RefusalCase {
    const char* name;
    int16_t face;
    int16_t slot;
    double value;
    const char* message;
};

class MoveToValueRefusal : public ::testing::TestWithParam<RefusalCase>, public SessionFixture {};

TEST_P(MoveToValueRefusal, LeavesEverythingAsItWas) {
    const RefusalCase& c = GetParam();
    for (int16_t language : {0, 1}) {
        SCOPED_TRACE(language);
        state.Language = language;
        state.SlideRev = c.face;
        state.ScaleLL = 0;
        state.NumFoucs = c.slot;
        HeadlessWindowPort::RecordComposition(session);
        const RuleState before = state;

        for (MoveTarget target : {MoveTarget::Slide, MoveTarget::Cursor}) {
            EXPECT_EQ(MoveToValue(session, port, c.value, target, true), kMoveRefused);
            EXPECT_EQ(port.lastStatus(), c.message);
            EXPECT_EQ(session.StatusShown, 1);
            EXPECT_EQ(state.SlidePos, before.SlidePos);
            EXPECT_EQ(state.CursorPos, before.CursorPos);
            EXPECT_EQ(state.NumFoucs, before.NumFoucs);
            EXPECT_EQ(state.ScaleLL, before.ScaleLL);
            EXPECT_EQ(state.ScaleST, before.ScaleST);
        }
        EXPECT_TRUE(port.thumbs.empty());
        EXPECT_EQ(port.compositions, 0);
        EXPECT_EQ(port.invalidations, 0);
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, MoveToValueRefusal,
    ::testing::Values(
        RefusalCase{"ZeroOnD", 0, 14, 0.0, "DOMAIN error."},
        RefusalCase{"ZeroOnTheBackFaceL", 1, 16, 0.0, "DOMAIN error."},
        RefusalCase{"NegativeZero", 0, 13, -0.0, "DOMAIN error."},
        RefusalCase{"LogLogTooLarge", 1, 16, 300000.0, "Slide Rule overflow error."},
        RefusalCase{"LogLogTooCloseToOne", 1, 16, 1.0005, "Slide Rule overflow error."},
        RefusalCase{"ReciprocalLogLogTooSmall", 1, 7, 1.0 / 300000.0, "Slide Rule overflow error."},
        RefusalCase{"TangentBeyondT", 0, 11, 80.0, "Slide Rule overflow error."},
        RefusalCase{"SineBelowS0", 0, 12, 0.1, "Slide Rule overflow error."},
        RefusalCase{"NaN", 0, 14, kNaN, "DOMAIN error."},
        RefusalCase{"NaNOnL", 0, 16, kNaN, "DOMAIN error."},
        RefusalCase{"Infinity", 0, 14, kInf, "DOMAIN error."},
        RefusalCase{"MinusInfinityOnLogLog", 1, 16, -kInf, "DOMAIN error."},
        RefusalCase{"ReciprocalBeyondDoubleRange", 0, 15, 1e-310, "Slide Rule overflow error."},
        RefusalCase{"FoldedBelowDoubleRange", 1, 9, 5e-324, "Slide Rule overflow error."}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(MoveToValueTest, TextsThatAreNotFiniteNumbersAreRefused) {
    state.NumFoucs = 14;
    for (const char* text : {"nan", "inf", "-inf", "1e999", "infinity"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(MoveToValue(session, port, ParsePastedNumber(text), MoveTarget::Cursor, true),
                  kMoveRefused);
        EXPECT_EQ(port.lastStatus(), "DOMAIN error.");
        EXPECT_EQ(state.CursorPos, HomePos);
    }
}

TEST_F(MoveToValueTest, RefusalRestoresTheComposedOptionsAfterATentativeSwitch) {
    // The log-log procedure picks pair 2 for 300,000 before the limit refuses it.
    state.SlideRev = 1;
    state.ScaleLL = 0;
    state.NumFoucs = 16;
    HeadlessWindowPort::RecordComposition(session);
    EXPECT_EQ(MoveToValue(session, port, 300000.0, MoveTarget::Cursor, true), kMoveRefused);
    EXPECT_EQ(state.ScaleLL, 0);
    EXPECT_EQ(state.NumFoucs, 16);
}

TEST_F(MoveToValueTest, CursorRefusesLogLogValuesBeyondTheEndsOfTheRow) {
    state.SlideRev = 1;
    // 1.0009 lies below LL0's start (e^0.001), 30,000 beyond LL3's end (e^10):
    // the cursor cannot stand there, and wrapping would show another number.
    for (double v : {1.0009, 30000.0, 1.0 / 1.0009, 1.0 / 30000.0}) {
        SCOPED_TRACE(v);
        state.ScaleLL = 2;
        state.NumFoucs = 16;
        HeadlessWindowPort::RecordComposition(session);
        EXPECT_EQ(MoveToValue(session, port, v, MoveTarget::Cursor, true), kMoveRefused);
        EXPECT_EQ(port.lastStatus(), "Slide Rule overflow error.");
        EXPECT_EQ(state.CursorPos, HomePos);
        EXPECT_EQ(state.ScaleLL, 2);
        EXPECT_EQ(state.NumFoucs, 16);
    }
}

TEST_F(MoveToValueTest, CursorPutsAValueJustOutsideALogLogRowOnItsEnd) {
    // 1.01005 takes the LL1 row of pair 0, which starts at e^0.01 = 1.0100502.
    state.SlideRev = 1;
    state.ScaleLL = 0;
    state.NumFoucs = 16;
    HeadlessWindowPort::RecordComposition(session);
    EXPECT_EQ(MoveToValue(session, port, 1.01005, MoveTarget::Cursor, true), 0);
    EXPECT_EQ(state.NumFoucs, 15);
    ReadingTable table;
    RefreshAllReadings(state, table);
    EXPECT_NEAR(table[15], 1.01005, 1e-6);
}

TEST_F(MoveToValueTest, FocusOutsideTheSlotsIsRefused) {
    state.NumFoucs = 40;
    EXPECT_EQ(MoveToValue(session, port, 2.0, MoveTarget::Cursor, true), kMoveRefused);
    EXPECT_EQ(state.CursorPos, HomePos);
}

// L = x on the front face: the slide index (slots 6, 22) or the hairline
// (slot 16) moves so that the L reading shown is x. The paint's focus fix-up
// then moves an index focus to the index that stands on the stator.
TEST_F(MoveToValueTest, LRoundTripsAtTheIndicesAndUnderTheCursor) {
    for (int16_t slot : {6, 16, 22}) {
        for (int i = 1; i < 200; ++i) {
            const double x = i / 200.0 + 0.0012347;  // clear of a rounding half
            SCOPED_TRACE(::testing::Message() << "slot " << slot << " x " << x);
            state = RuleState::Defaults();
            state.NumFoucs = slot;
            const MoveTarget target = slot == 16 ? MoveTarget::Cursor : MoveTarget::Slide;
            ASSERT_GE(MoveToValue(session, port, x, target, true), 0);
            ApplyFocusFixUp(state);
            ReadingTable table;
            RefreshAllReadings(state, table);
            ASSERT_NE(table[state.NumFoucs], NoReading);
            EXPECT_EQ(FormatSlotReading(table[state.NumFoucs], state.NumFoucs, state, false),
                      FormatNumber(x, NumberStyle::Frac6Zero));
        }
    }
}

TEST_F(MoveToValueTest, LAtTheLeftIndexMovesTheSlideRightByTheValue) {
    state.NumFoucs = 6;
    // x = 0.3 decade to the right of home: SlidePos 3,150,000 - 1,890,000.
    EXPECT_EQ(MoveToValue(session, port, 0.3, MoveTarget::Slide, true), DecadeUnits - 1260000);
    EXPECT_EQ(state.SlidePos, 1260000);
    EXPECT_EQ(state.NumFoucs, 6);
}

// Back face, slide target, an LL or LL/ row at either index column: the focus
// keeps its row, takes the column whose index shows the value, and reads it.
TEST_F(MoveToValueTest, LogLogValuesSetAtAnIndexAreReadOnTheFocusSlot) {
    for (int16_t slot : {1, 2, 5, 6, 17, 18, 21, 22}) {
        for (int16_t pair : {0, 1, 2}) {
            // Values across the whole LL range, both sides of 1, up to its limits.
            for (double e = std::log(std::log(1.0008035)); e < std::log(std::log(255751.0));
                 e += 0.0173) {
                for (bool reciprocal : {false, true}) {
                    const double value = std::exp(std::exp(e));
                    const double v = reciprocal ? 1.0 / value : value;
                    SCOPED_TRACE(::testing::Message()
                                 << "slot " << slot << " pair " << pair << " v " << v);
                    state = RuleState::Defaults();
                    state.SlideRev = 1;
                    state.ScaleLL = pair;
                    state.NumFoucs = slot;
                    HeadlessWindowPort::RecordComposition(session);
                    ASSERT_GE(MoveToValue(session, port, v, MoveTarget::Slide, true), 0)
                        << port.lastStatus();
                    const SlotPlace end = PlaceOfSlot(state.NumFoucs);
                    ASSERT_NE(end.column, ReadingColumn::Cursor);
                    // The row is R0/R1 below 1 and R8/R9 above.
                    EXPECT_EQ(end.row <= 1, reciprocal);
                    ReadingTable table;
                    RefreshAllReadings(state, table);
                    const double read = table[state.NumFoucs];
                    ASSERT_NE(read, NoReading);
                    // A few position units of rounding: 2e-6 decade of ln v.
                    EXPECT_NEAR(std::log(std::abs(std::log(read))), std::log(std::abs(std::log(v))),
                                1e-5);
                }
            }
        }
    }
}

TEST_F(MoveToValueTest, LogLogIndexColumnSwitchKeepsTheRow) {
    // LL1 at the right index (pair 1), 1.02: the left index shows it on LL1.
    state.SlideRev = 1;
    state.ScaleLL = 1;
    state.NumFoucs = 22;
    HeadlessWindowPort::RecordComposition(session);
    ASSERT_GE(MoveToValue(session, port, 1.02, MoveTarget::Slide, true), 0);
    EXPECT_EQ(state.NumFoucs, 6);
    ReadingTable table;
    RefreshAllReadings(state, table);
    EXPECT_EQ(FormatSlotReading(table[6], 6, state, false), "1.020000");
}

}  // namespace
}  // namespace tesmark
