// The slide memories: the option word, the menu texts, store and recall
// with their undo, messages and damaged option words.
#include "ops/slide_memory.h"

#include <gtest/gtest.h>

#include "model/positions.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

using testing::SessionFixture;

class SlideMemoryTest : public ::testing::Test, public SessionFixture {};

TEST(SetMemoryMenuText, NamesTheFaceTheIndexValueAndTheOffset) {
    struct Case {
        int k;
        int32_t position;
        int16_t options;
        const char* recall;
        const char* store;
    };
    const Case cases[] = {
        {0, HomePos, 0, "&1 <ST:D=1.00000:||>\tShift+1", "Set &1"},
        {9, HomePos, 0, "&0 <ST:D=1.00000:||>\tShift+0", "Set &0"},
        {1, HomePos - 1896489, 0, "&2 <ST:D=2.00000:}}>\tShift+2", "Set &2"},
        {2, HomePos + 1896489, 0, "&3 <ST:D=5.00000:{{>\tShift+3", "Set &3"},
        {3, HomePos, 1 << 8, "&4 <ST0:D=1.00000:||>\tShift+4", "Set &4"},
        {4, HomePos, 1 | (1 << 6), "&5 <LL12:D=1.00000:||>\tShift+5", "Set &5"},
        {5, HomePos, 1 | (3 << 6), "&6 <LL:D=1.00000:||>\tShift+6", "Set &6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.recall);
        const MemoryMenuTexts texts = SetMemoryMenuText(c.k, c.position, c.options);
        EXPECT_EQ(texts.recall, c.recall);
        EXPECT_EQ(texts.store, c.store);
    }
}

TEST_F(SlideMemoryTest, StoreKeepsTheSlideAndTheOptionsAndSaysSo) {
    state.SlidePos = 1234567;
    state.SlideRev = 1;
    state.SinNum = 1;
    state.ScalePI = 0;
    state.ScaleLL = 1;
    state.ScaleST = 1;
    StoreMemory(session, port, 3);
    EXPECT_EQ(state.memories[2].position, 1234567);
    EXPECT_EQ(state.memories[2].options, 1 | (1 << 2) | (0 << 4) | (1 << 6) | (1 << 8));
    EXPECT_EQ(port.lastStatus(), "Saved the position of SLIDE. <Memory 3>");
    EXPECT_EQ(session.StatusShown, 1);
    state.Language = 1;
    StoreMemory(session, port, 10);
    EXPECT_EQ(port.lastStatus(), "滑尺 の位置を記録しました。<メモリ 10>");
}

TEST_F(SlideMemoryTest, RecallTurnsTheRuleOverKeepsTheCursorAndUndoRestoresOnlyTheSlide) {
    state.memories[4] = {2000000, static_cast<int16_t>(1 | (1 << 6))};  // back face, LL1/LL2
    state.SlidePos = 3300000;
    state.CursorPos = 1000000;
    state.NumFoucs = 14;
    RecallMemory(session, port, 5);
    EXPECT_EQ(state.SlidePos, 2000000);
    EXPECT_EQ(session.redraw.DrawnSlidePos, 2000000);
    EXPECT_EQ(state.SlideRev, 1);
    EXPECT_EQ(state.ScaleLL, 1);
    EXPECT_EQ(state.CursorPos, 1000000);
    EXPECT_EQ(state.NumFoucs, 14);
    EXPECT_EQ(port.thumbs.at(BarId::Slide), DecadeUnits - 2000000);
    EXPECT_EQ(port.compositions, 1);
    EXPECT_EQ(port.invalidations, 1);
    EXPECT_EQ(port.focusedBar, BarId::Cursor);
    EXPECT_EQ(port.lastStatus(), "Loaded the position of SLIDE. <Memory 5>");
    EXPECT_EQ(session.undo.kind, static_cast<int16_t>(MoveTarget::Slide));
    EXPECT_EQ(session.undo.savedSlidePos, 3300000);
}

TEST_F(SlideMemoryTest, ADamagedOptionWordTakesTheNearestValidValues) {
    // Every two-bit field at 3: a face, SinNum, ScalePI and ScaleST of 3 and
    // a ScaleLL of 3 would name nothing the rule can draw.
    state.memories[0] = {HomePos, static_cast<int16_t>(0x3FF)};
    RecallMemory(session, port, 1);
    EXPECT_EQ(state.SlideRev, 1);
    EXPECT_EQ(state.SinNum, 1);
    EXPECT_EQ(state.ScalePI, 1);
    EXPECT_EQ(state.ScaleLL, 2);
    EXPECT_EQ(state.ScaleST, 1);
    // Bits above the fields are ignored; a round trip keeps a valid word.
    EXPECT_EQ(PackMemoryOptions(state), 1 | (1 << 2) | (1 << 4) | (2 << 6) | (1 << 8));
}

TEST_F(SlideMemoryTest, NumbersOutsideOneToTenDoNothing) {
    for (int i : {0, 11, -1}) {
        RecallMemory(session, port, i);
        StoreMemory(session, port, i);
    }
    EXPECT_TRUE(port.statusTexts.empty());
    EXPECT_EQ(session.undo.kind, -1);
}

}  // namespace
}  // namespace tesmark
