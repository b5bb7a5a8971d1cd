// The mouse on the rule: which reading box a point hits, the press that
// sets the focus, the double click that copies it, and the "CURSOR" label.
#include "ops/mouse_handlers.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "model/positions.h"
#include "model/reading_table.h"
#include "ops/cursor_label_messages.h"
#include "ops/random_generator.h"
#include "ops/reading_hit_test.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

struct HitCase {
    const char* name;
    int x;
    int y;
    bool front;
    int16_t slot;
};

class ReadingBoxes : public ::testing::TestWithParam<HitCase> {};

TEST_P(ReadingBoxes, HitTheSlotOfTheColumnAndRow) {
    const HitCase& c = GetParam();
    EXPECT_EQ(ReadingSlotAt(c.x, c.y, 255, c.front), c.slot);
}

INSTANTIATE_TEST_SUITE_P(
    Points, ReadingBoxes,
    ::testing::Values(
        HitCase{"LeftColumnD", 60, 170, true, 4}, HitCase{"LeftEdgeExcluded", 30, 170, true, 0},
        HitCase{"FirstInsideLeft", 31, 170, true, 4}, HitCase{"LastInsideLeft", 88, 170, true, 4},
        HitCase{"RightEdgeExcluded", 89, 170, true, 0},
        HitCase{"TopOfRuleExcluded", 60, 40, false, 0},
        HitCase{"Row0BottomIncluded", 60, 58, false, 1}, HitCase{"Row1Starts", 60, 59, false, 2},
        HitCase{"FrontHasNoRow0", 60, 58, true, 0}, HitCase{"FrontCursorRow0", 370, 50, true, 0},
        HitCase{"BackCursorRow0", 370, 50, false, 7}, HitCase{"BackRightRow0", 830, 50, false, 17},
        HitCase{"IndexColumnHasNoSlideRows", 60, 100, true, 0},
        HitCase{"CursorColumnSlideRow", 370, 100, true, 10},
        HitCase{"CursorColumnLeftBound", 345, 170, true, 0},
        HitCase{"CursorColumnFirst", 346, 170, true, 14},
        HitCase{"CursorColumnLast", 403, 170, true, 14},
        HitCase{"CursorColumnRightBound", 404, 170, true, 0},
        HitCase{"RightColumnLeftBound", 801, 170, true, 0},
        HitCase{"RightColumnFirst", 802, 170, true, 20},
        HitCase{"RightColumnLast", 859, 170, true, 20},
        HitCase{"RightColumnRightBound", 860, 170, true, 0},
        HitCase{"BottomRow", 370, 208, true, 16}, HitCase{"BelowTheRule", 370, 209, true, 0},
        HitCase{"BetweenColumns", 150, 170, true, 0}),
    [](const ::testing::TestParamInfo<HitCase>& info) { return info.param.name; });

TEST(ReadingBoxesWidth, CursorColumnMovesByHalfTheExtraWidth) {
    EXPECT_EQ(ReadingSlotAt(219, 170, 0, true), 14);
    EXPECT_EQ(ReadingSlotAt(218, 170, 0, true), 0);
    EXPECT_EQ(ReadingSlotAt(547, 170, 0, true), 20);
    EXPECT_EQ(ReadingSlotAt(219 + 50, 170, 101, true), 14);
    EXPECT_EQ(ReadingSlotAt(218 + 50, 170, 101, true), 0);
}

class MouseTest : public ::testing::Test, public testing::SessionFixture {
  protected:
    MouseTest() { RefreshAllReadings(state, session.readings); }
};

TEST_F(MouseTest, PressOnABoxMakesItTheFocusAndClearsTheStatus) {
    session.StatusShown = 1;
    session.redraw.PaintedFlag = 0;
    session.redraw.RedrawHint = kRedrawNothing;
    OnLeftButtonPress(session, port, 370, 145);  // C under the cursor
    EXPECT_EQ(state.NumFoucs, 13);
    EXPECT_EQ(session.StatusShown, 0);
    EXPECT_EQ(port.statusTexts, std::vector<std::string>{" "});
    EXPECT_EQ(session.redraw.RedrawHint, kRedrawAll);
    EXPECT_EQ(session.redraw.PaintedFlag, 1);
    EXPECT_EQ(port.invalidations, 1);
}

TEST_F(MouseTest, PressOutsideTheBoxesKeepsTheFocus) {
    OnLeftButtonPress(session, port, 60, 50);  // front face R0
    EXPECT_EQ(state.NumFoucs, 14);
    EXPECT_EQ(port.invalidations, 0);
}

TEST_F(MouseTest, PressSelectsABoxWithoutAReading) {
    session.readings[20] = NoReading;
    OnLeftButtonPress(session, port, 830, 170);
    EXPECT_EQ(state.NumFoucs, 20);
}

TEST_F(MouseTest, DoubleClickCopiesTheFocusReadingInEitherLanguage) {
    state.NumFoucs = 14;
    session.readings[14] = 3.14159265;
    OnLeftButtonDoubleClick(session, port, 370, 170);
    EXPECT_EQ(port.clipboard, "3.14159");
    EXPECT_EQ(port.lastStatus(), "Copied \"3.14159\" in the Clipboard.");
    EXPECT_EQ(session.StatusShown, 1);

    state.Language = 1;
    OnLeftButtonDoubleClick(session, port, 370, 170);
    EXPECT_EQ(port.lastStatus(), "\"3.14159\" をクリップボードにコピーしました。");
}

TEST_F(MouseTest, DoubleClickOnABoxWithoutAReadingCopiesNothing) {
    state.NumFoucs = 20;
    session.readings[20] = NoReading;
    port.clipboard = "before";
    OnLeftButtonDoubleClick(session, port, 830, 170);
    EXPECT_EQ(port.clipboard, "before");
    EXPECT_EQ(session.StatusShown, 0);
}

TEST_F(MouseTest, LabelWithShiftShowsThePositions) {
    port.shift = true;
    OnLeftButtonDoubleClick(session, port, 12, 282);
    EXPECT_EQ(port.lastStatus(), "Slide Position=3150000, Cursor Position=3150000,");
    EXPECT_EQ(session.StatusShown, 1);
}

TEST_F(MouseTest, LabelWithNothingHeldGreets) {
    OnLeftButtonDoubleClick(session, port, 112, 262);
    const std::regex greeting(
        "\"(Hello!|Wellcame\\.|How are you\\?|How is a mood\\?|No problem\\.|Please enjoy\\.|"
        "OK, let's play\\.|Let's begin it\\.)\"   Tesmark - version 3\\.2\\.0");
    EXPECT_TRUE(std::regex_match(port.lastStatus(), greeting)) << port.lastStatus();
}

TEST_F(MouseTest, LabelWithShiftAndRightButtonGreets) {
    port.shift = true;
    port.rightButton = true;
    OnLeftButtonDoubleClick(session, port, 50, 270);
    EXPECT_EQ(port.lastStatus().front(), '"');
}

TEST_F(MouseTest, LabelWithCtrlShowsTheBuildDate) {
    port.ctrl = true;
    port.shift = true;
    OnLeftButtonDoubleClick(session, port, 50, 270);
    const std::regex stamp(
        "Build Date & Time:  [A-Z][a-z]{2} [ 0-9]\\d \\d{4}, \\d\\d:\\d\\d:\\d\\d,  ");
    EXPECT_TRUE(std::regex_match(port.lastStatus(), stamp)) << port.lastStatus();
}

TEST_F(MouseTest, OutsideTheLabelNothingIsShown) {
    OnLeftButtonDoubleClick(session, port, 113, 270);
    OnLeftButtonDoubleClick(session, port, 50, 261);
    EXPECT_TRUE(port.statusTexts.empty());
}

TEST(CursorLabelMessages, BuildDateFromTheCompilersTexts) {
    EXPECT_EQ(BuildDateMessage("Jan 10 2022", "16:03:22"),
              "Build Date & Time:  Jan 10 2022, 16:03:22,  ");
}

TEST(CursorLabelMessages, GreetingIsPickedByTheNextRandomNumber) {
    RandomGenerator random;
    random.seed(1);  // first draw 41: 41 mod 8 = 1
    EXPECT_EQ(GreetingMessage(random), "\"Wellcame.\"   Tesmark - version 3.2.0");
}

TEST(RandomGenerator, FollowsTheRuntimeSequence) {
    RandomGenerator random;
    random.seed(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(random.next(), expected);
    random.seed(SeedFromLocalTime(2024, 5, 17, 13, 45, 30, 250));
    RandomGenerator same;
    same.seed(2024 + 5 + 17 + 13 + 45 + 30 + 250);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(random.next(), same.next());
}

TEST(RandomGenerator, WrapsModulo32Bits) {
    RandomGenerator random;
    random.seed(0xFFFFFFFFu);
    // (2^32 - 1) * 214013 + 2531011 mod 2^32 = 2316998, bits 16..30 = 35.
    EXPECT_EQ(random.next(), 35);
}

}  // namespace
}  // namespace tesmark
