// Numbers carried to the rule as text: the slot conditions, the clipboard
// and edit-box moves and the zero rounding, each with its undo record.
#include "ops/text_moves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/number_format.h"
#include "model/reading_table.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

using testing::SessionFixture;

class TextMovesTest : public ::testing::Test, public SessionFixture {
  protected:
    TextMovesTest() { refresh(); }
    // The readings as the next paint shows them.
    void refresh() { RefreshAllReadings(state, session.readings); }
    std::string focusText() {
        refresh();
        return FormatSlotReading(session.readings[state.NumFoucs], state.NumFoucs, state, false);
    }
};

TEST_F(TextMovesTest, SlotConditionsFollowTheColumnAndTheReading) {
    struct Case {
        int slot;
        bool slide;
        bool cursor;
    };
    for (const Case& c : {Case{14, false, true}, Case{13, true, true}, Case{10, true, true},
                          Case{7, false, false}, Case{4, true, false}, Case{20, true, false},
                          Case{16, false, true}, Case{0, false, false}}) {
        SCOPED_TRACE(c.slot);
        state.NumFoucs = static_cast<int16_t>(c.slot);
        EXPECT_EQ(FocusSuitsTarget(session, MoveTarget::Slide), c.slide);
        EXPECT_EQ(FocusSuitsTarget(session, MoveTarget::Cursor), c.cursor);
    }
}

TEST_F(TextMovesTest, APasteReadsTheLeadingNumberOfTheFirstTwentyCharacters) {
    state.NumFoucs = 14;  // D under the cursor
    PasteToTarget(session, port, MoveTarget::Cursor, "2.5 word");
    EXPECT_EQ(focusText(), "2.50000");
    EXPECT_EQ(port.lastStatus(), "Moved CURSOR.");
    EXPECT_EQ(session.undo.kind, static_cast<int16_t>(MoveTarget::Cursor));
    EXPECT_EQ(session.undo.savedCursorPos, HomePos);
    EXPECT_EQ(port.focusedBar, BarId::Cursor);

    // 25 digits are cut to 20 before the parse: 12345678901234567890 on D
    // reads 1.23457.
    PasteToTarget(session, port, MoveTarget::Cursor, "1234567890123456789012345");
    EXPECT_EQ(focusText(), "1.23457");
}

TEST_F(TextMovesTest, TextsThatAreNoNumberAreRefusedAfterTheUndoRecord) {
    state.NumFoucs = 14;
    state.CursorPos = 1000000;
    for (const char* text : {"word", "nan", "inf", "1e999", "0x10", "\xef\xbc\x93"}) {
        SCOPED_TRACE(text);
        PasteToTarget(session, port, MoveTarget::Cursor, text);
        EXPECT_EQ(state.CursorPos, 1000000);
        EXPECT_EQ(port.lastStatus(), "DOMAIN error.");
        EXPECT_EQ(session.undo.savedCursorPos, 1000000);
    }
    // No text on the clipboard: the undo record is written, nothing moves.
    session.undo.kind = -1;
    PasteToTarget(session, port, MoveTarget::Cursor, std::nullopt);
    EXPECT_EQ(session.undo.kind, static_cast<int16_t>(MoveTarget::Cursor));
    EXPECT_EQ(state.CursorPos, 1000000);
}

TEST_F(TextMovesTest, AFocusTheTargetCannotSetMovesNothingButTheKeyboardFocus) {
    state.NumFoucs = 14;  // not a slide slot
    PasteToTarget(session, port, MoveTarget::Slide, "2");
    MoveToEditBoxEntry(session, port, MoveTarget::Slide, "2");
    ZeroRoundMove(session, port, MoveTarget::Slide);
    EXPECT_EQ(state.SlidePos, HomePos);
    EXPECT_EQ(session.undo.kind, -1);
    EXPECT_EQ(port.focusedBar, BarId::Slide);
}

TEST_F(TextMovesTest, TheEditBoxMoveTakesTheSelectedEntry) {
    state.NumFoucs = 14;
    MoveToEditBoxEntry(session, port, MoveTarget::Cursor, "1.4142136=\u221a2");
    EXPECT_EQ(focusText(), "1.41421");
    EXPECT_EQ(session.undo.kind, static_cast<int16_t>(MoveTarget::Cursor));
    // Nothing selected: no move and no undo record.
    session.undo.kind = -1;
    MoveToEditBoxEntry(session, port, MoveTarget::Cursor, std::nullopt);
    EXPECT_EQ(session.undo.kind, -1);
}

TEST_F(TextMovesTest, ZeroRoundingDropsOneDigitAPress) {
    state.NumFoucs = 14;
    PasteToTarget(session, port, MoveTarget::Cursor, "3.14159");
    ASSERT_EQ(focusText(), "3.14159");
    for (const char* expected : {"3.14150", "3.14100", "3.14000"}) {
        ZeroRoundMove(session, port, MoveTarget::Cursor);
        EXPECT_EQ(focusText(), expected);
    }
    // The slide does the same for a slide slot: C under the cursor.
    state.NumFoucs = 13;
    refresh();
    ZeroRoundMove(session, port, MoveTarget::Slide);
    EXPECT_EQ(session.undo.kind, static_cast<int16_t>(MoveTarget::Slide));
}

}  // namespace
}  // namespace tesmark
