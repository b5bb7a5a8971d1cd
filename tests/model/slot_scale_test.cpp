// What each reading slot shows by face and pair, and the slot arithmetic of
// the log-log rows and the index columns.
#include "model/slot_scale.h"

#include <gtest/gtest.h>

namespace tesmark {
namespace {

using K = ScaleKind;

TEST(ScaleOfSlot, EveryColumnShowsTheScalesOfItsRows) {
    // Rows R0..R9; the index columns carry only the stator rows.
    constexpr K kFront[10] = {K::None, K::K, K::A, K::B, K::T, K::S, K::C, K::D, K::DI, K::L};
    constexpr K kBack[10] = {K::RecipLL, K::RecipLL, K::DF, K::CF, K::CIF,
                             K::CI,      K::C,       K::D,  K::LL, K::LL};
    for (int16_t face : {0, 1}) {
        RuleState state;
        state.SlideRev = face;
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            SCOPED_TRACE(::testing::Message() << "face " << face << " slot " << slot);
            const SlotScale scale = ScaleOfSlot(slot, state);
            const SlotPlace place = PlaceOfSlot(slot);
            EXPECT_EQ(scale.row, place.row);
            EXPECT_EQ(scale.column, place.column);
            EXPECT_EQ(scale.kind, (face == 0 ? kFront : kBack)[place.row]);
            EXPECT_EQ(scale.onSlide(), slot >= 10 && slot <= 13);
            EXPECT_EQ(scale.atIndex(), slot <= 6 || slot >= 17);
        }
    }
}

TEST(ScaleOfSlot, LogLogRowsNameTheirScaleByThePair) {
    RuleState state;
    state.SlideRev = 1;
    for (int16_t pair : {0, 1, 2}) {
        state.ScaleLL = pair;
        for (int slot : {1, 6, 7, 16, 17, 22}) EXPECT_EQ(ScaleOfSlot(slot, state).llScale, pair);
        for (int slot : {2, 5, 8, 15, 18, 21}) {
            EXPECT_EQ(ScaleOfSlot(slot, state).llScale, pair + 1);
            EXPECT_TRUE(ScaleOfSlot(slot, state).upperLogLogRow());
        }
    }
    EXPECT_EQ(ScaleOfSlot(14, state).llScale, -1);
}

TEST(ScaleOfSlot, SlotsOutsideTheTableShowNothing) {
    const RuleState state;
    for (int slot : {-1, 0, 23}) {
        EXPECT_EQ(ScaleOfSlot(slot, state).kind, K::None);
        EXPECT_FALSE(ScaleOfSlot(slot, state).exists());
        EXPECT_FALSE(ScaleOfSlot(slot, state).atIndex());
        EXPECT_EQ(OtherIndexSlot(slot), slot);
    }
}

TEST(LogLogSlot, PicksTheRowOfThePairInTheColumn) {
    struct Case {
        ReadingColumn column;
        int reciprocalLower, reciprocalUpper, upper, lower;
    };
    for (const Case& c :
         {Case{ReadingColumn::LeftIndex, 1, 2, 5, 6}, Case{ReadingColumn::Cursor, 7, 8, 15, 16},
          Case{ReadingColumn::RightIndex, 17, 18, 21, 22}}) {
        EXPECT_EQ(LogLogSlot(c.column, true, false), c.reciprocalLower);
        EXPECT_EQ(LogLogSlot(c.column, true, true), c.reciprocalUpper);
        EXPECT_EQ(LogLogSlot(c.column, false, true), c.upper);
        EXPECT_EQ(LogLogSlot(c.column, false, false), c.lower);
    }
}

TEST(OtherIndexSlot, KeepsTheRow) {
    for (int slot = 1; slot <= 6; ++slot) {
        EXPECT_EQ(OtherIndexSlot(slot), slot + 16);
        EXPECT_EQ(OtherIndexSlot(slot + 16), slot);
    }
    for (int slot = 7; slot <= 16; ++slot) EXPECT_EQ(OtherIndexSlot(slot), slot);
}

}  // namespace
}  // namespace tesmark
