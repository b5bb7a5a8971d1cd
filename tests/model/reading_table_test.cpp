#include "model/reading_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace tesmark {
namespace {

constexpr double kTenDigitPi = 3.141592653;
constexpr double kTenDigitE = 2.718281828;

RuleState StateAt(int32_t slidePos, int32_t cursorPos, int16_t face) {
    RuleState state;
    state.SlidePos = slidePos;
    state.CursorPos = cursorPos;
    state.SlideRev = face;
    return state;
}

ReadingTable ReadAll(const RuleState& state) {
    ReadingTable table;
    RefreshAllReadings(state, table);
    return table;
}

// Relative tolerance where the value is far from zero, absolute near zero.
void ExpectReading(double actual, double expected, double relative = 1e-12) {
    const double tolerance = std::max(std::abs(expected) * relative, 1e-15);
    EXPECT_NEAR(actual, expected, tolerance);
}

struct SlotValue {
    int slot;
    double value;
};

TEST(HomeReadings, FrontFace) {
    const ReadingTable table = ReadAll(StateAt(HomePos, HomePos, 0));
    const double rootTen = std::sqrt(10.0);
    const std::vector<SlotValue> expected = {
        {1, NoReading},
        {2, 1.0},
        {3, 1.0},
        {4, 1.0},
        {5, 1.0},
        {6, 0.0},
        {7, NoReading},
        {8, 31.622776601683793},
        {9, 10.0},
        {10, 10.0},
        {11, 17.54840061708678},
        {12, 18.434948826382932},
        {13, rootTen},
        {14, rootTen},
        {15, rootTen},
        {16, 1.5},
        {17, NoReading},
    };
    for (const SlotValue& e : expected) {
        SCOPED_TRACE("slot " + std::to_string(e.slot));
        ExpectReading(table[e.slot], e.value, 1e-9);
    }
    // At home the right index reads what the left one reads.
    for (int slot = 2; slot <= 6; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot + 16));
        EXPECT_EQ(table[slot + 16], table[slot]);
    }
}

TEST(HomeReadings, BackFaceWithLl2AndSqrtTenFolding) {
    RuleState state = StateAt(HomePos, HomePos, 1);
    state.ScaleLL = 2;
    state.ScalePI = 1;
    const ReadingTable table = ReadAll(state);
    const std::vector<SlotValue> expected = {
        {1, 0.9048374180512399},
        {2, 0.36787944123356736},
        {3, 3.1622776601683795},
        {4, 1.0},
        {5, kTenDigitE},
        {6, 1.1051709180569842},
        {7, 0.7288934141489493},
        {8, 0.04232921964580983},
        {12, 3.1622776601683795},
        {13, 3.1622776601683795},
        {14, 3.1622776601683795},
        {15, 23.62434290940183},
        {16, 1.3719427018936545},
        {17, 0.36787944123356736},
        {18, 4.539992983915324e-05},
        {20, 1.0},
        {21, 22026.465757609883},
        {22, kTenDigitE},
    };
    for (const SlotValue& e : expected) {
        SCOPED_TRACE("slot " + std::to_string(e.slot));
        ExpectReading(table[e.slot], e.value, 1e-9);
    }
    // DF, CF and CIF land on a decade boundary at home: 1.0 or 9.99999...
    for (int slot : {9, 10, 11}) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        const double v = table[slot];
        EXPECT_TRUE(std::abs(v - 1.0) < 1e-9 || std::abs(v - 10.0) < 1e-8) << v;
    }
}

// Every log-log slot follows one rule: at a place whose D value is 10^p,
// LLk reads e^(10^(p + k - 3)) and LL/k its reciprocal.
TEST(LogLogReadings, FollowTheExponentRuleForEveryPair) {
    struct Place {
        int32_t slide;
        int32_t cursor;
    };
    const Place places[] = {{HomePos, HomePos},
                            {2700000, 4403511},
                            {3600000, 120000},
                            {2600000, 6300000},
                            {3700000, 0}};
    struct LlSlot {
        int slot;
        ReadingColumn column;
        int kOffset;  // 0 for LLn rows, 1 for LL(n+1) rows
        bool reciprocal;
    };
    const LlSlot slots[] = {
        {1, ReadingColumn::LeftIndex, 0, true},    {2, ReadingColumn::LeftIndex, 1, true},
        {5, ReadingColumn::LeftIndex, 1, false},   {6, ReadingColumn::LeftIndex, 0, false},
        {7, ReadingColumn::Cursor, 0, true},       {8, ReadingColumn::Cursor, 1, true},
        {15, ReadingColumn::Cursor, 1, false},     {16, ReadingColumn::Cursor, 0, false},
        {17, ReadingColumn::RightIndex, 0, true},  {18, ReadingColumn::RightIndex, 1, true},
        {21, ReadingColumn::RightIndex, 1, false}, {22, ReadingColumn::RightIndex, 0, false},
    };
    for (int16_t n = 0; n <= 2; ++n) {
        for (const Place& place : places) {
            RuleState state = StateAt(place.slide, place.cursor, 1);
            state.ScaleLL = n;
            const ReadingTable table = ReadAll(state);
            const double x = (HomePos - place.slide) / 6300000.0;
            for (const LlSlot& s : slots) {
                SCOPED_TRACE("n " + std::to_string(n) + " slide " + std::to_string(place.slide) +
                             " cursor " + std::to_string(place.cursor) + " slot " +
                             std::to_string(s.slot));
                double p = place.cursor / 6300000.0;
                if (s.column == ReadingColumn::LeftIndex) p = x;
                if (s.column == ReadingColumn::RightIndex) p = 1.0 + x;
                const double ll = std::pow(kTenDigitE, std::pow(10.0, p + n + s.kOffset - 3));
                ExpectReading(table[s.slot], s.reciprocal ? 1.0 / ll : ll, 1e-12);
            }
        }
    }
}

TEST(LogLogReadings, Ll0PairNearFiveOnTheCursor) {
    RuleState state = StateAt(HomePos, 4403511, 1);  // D just under 5
    state.ScaleLL = 0;
    const ReadingTable table = ReadAll(state);
    EXPECT_NEAR(table[14], 5.0, 1e-6);
    EXPECT_NEAR(table[16], 1.0050125, 1e-7);  // LL0 = e^(D/1000)
    EXPECT_NEAR(table[15], 1.0512711, 1e-7);  // LL1 = e^(D/100)
    EXPECT_NEAR(table[7], 1.0 / 1.0050125, 1e-7);
}

TEST(FoldedReadings, FollowTheFoldingOption) {
    struct Case {
        int16_t scalePi;
        double fold;     // DF = fold x D, CF = fold x C
        double inverse;  // CIF = inverse / C
    };
    const Case cases[] = {{1, std::sqrt(10.0), std::sqrt(10.0)},
                          {0, kTenDigitPi, 3.183098862435492}};
    for (const Case& c : cases) {
        SCOPED_TRACE("ScalePI " + std::to_string(c.scalePi));
        RuleState state = StateAt(3400000, 1000000, 1);
        state.ScalePI = c.scalePi;
        const ReadingTable table = ReadAll(state);
        const double d = table[14];
        const double slideC = table[13];
        ExpectReading(table[9], Normalise(c.fold * d));
        ExpectReading(table[10], Normalise(c.fold * slideC));
        ExpectReading(table[12], Normalise(1.0 / slideC));
        ExpectReading(table[11], Normalise(c.inverse / slideC));
        ExpectReading(table[3], Normalise(c.fold * table[4]));
        ExpectReading(table[19], table[3], 0.0);
    }
}

TEST(TrigReadings, SineAndTangentByNumbering) {
    struct Case {
        const char* name;
        int32_t cursor;
        int16_t sinNum;
        int16_t scaleSt;
        double sine;
        double sineTolerance;
    };
    const Case cases[] = {
        // Past the slide's right index the sine argument is held at 1; the
        // ten-digit pi makes the right angle read a hair over 90.
        {"beyond C = 10, sine numbering", 6390000, 0, 0, 90.00000001689634, 1e-12},
        {"beyond C = 10, cosine numbering", 6390000, 1, 0, 0.0, 0.0},
        // C = 5 is not a whole position; the nearest one reads within 4e-7.
        {"C near 5", 4403511, 0, 0, 30.00000000563211, 4e-7},
        {"C near 5, S0 reads asin(C/100)", 4403511, 0, 1, 2.8659839831369136, 1e-7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RuleState state = StateAt(HomePos, c.cursor, 0);
        state.SinNum = c.sinNum;
        state.ScaleST = c.scaleSt;
        const ReadingTable table = ReadAll(state);
        EXPECT_NEAR(table[12], c.sine, c.sineTolerance);
        if (c.sineTolerance == 0.0) {
            EXPECT_EQ(table[12], c.sine);
        }
        // The sine and tangent follow the slide's C reading under the cursor.
        const double scaleEnd = c.scaleSt != 0 ? 100.0 : 10.0;
        const double ratio = std::min(1.0, table[13] / scaleEnd);
        const double sine = c.sinNum != 0 ? std::acos(ratio) : std::asin(ratio);
        ExpectReading(table[12], sine * 180.0 / kTenDigitPi, 1e-12);
        const double tangentRatio = c.sinNum != 0 ? scaleEnd / table[13] : table[13] / scaleEnd;
        ExpectReading(table[11], std::atan(tangentRatio) * 180.0 / kTenDigitPi, 1e-12);
    }
    RuleState beyond = StateAt(HomePos, 6390000, 0);
    EXPECT_GT(ReadAll(beyond)[11], 45.0);
}

TEST(IndexReadings, LReadingOfASlideLeftOfHomeIsNegative) {
    // x = -0.05 decade: the slide stands 315,000 units left of home.
    const ReadingTable table = ReadAll(StateAt(HomePos + 315000, HomePos, 0));
    ExpectReading(table[6], -0.05, 1e-12);
    ExpectReading(table[4], std::pow(10.0, -0.05) * 10.0, 1e-12);
    ExpectReading(table[5], Normalise(std::pow(10.0, 1.05)), 1e-12);
}

TEST(IndexAvailability, BoundsAreStrict) {
    struct Case {
        int32_t slide;
        bool left;
        bool right;
    };
    const Case cases[] = {
        {3749999, true, true},     {3750000, false, true}, {2550001, true, true},
        {2550000, true, false},    {HomePos, true, true},  {MinKeptPos, true, false},
        {MaxKeptPos, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("slide " + std::to_string(c.slide));
        EXPECT_EQ(LeftIndexAvailable(c.slide), c.left);
        EXPECT_EQ(RightIndexAvailable(c.slide), c.right);
        for (int16_t face : {0, 1}) {
            const ReadingTable table = ReadAll(StateAt(c.slide, HomePos, face));
            EXPECT_EQ(table[4] != NoReading, c.left);
            EXPECT_EQ(table[20] != NoReading, c.right);
            for (int slot = 1; slot <= 6; ++slot) {
                if (!c.left) {
                    EXPECT_EQ(table[slot], NoReading) << slot;
                }
                if (!c.right) {
                    EXPECT_EQ(table[slot + 16], NoReading) << slot + 16;
                }
            }
        }
    }
}

TEST(RefreshReadings, WritesOnlyTheSlotsOfItsGroup) {
    struct Case {
        ReadingGroup group;
        std::vector<int> slots;
    };
    const Case cases[] = {
        {ReadingGroup::LeftIndex, {1, 2, 3, 4, 5, 6}},
        {ReadingGroup::CursorStator, {7, 8, 9, 14, 15, 16}},
        {ReadingGroup::CursorSlide, {10, 11, 12, 13}},
        {ReadingGroup::RightIndex, {17, 18, 19, 20, 21, 22}},
    };
    constexpr double kUntouched = 12345.0;
    for (int16_t face : {0, 1}) {
        for (const Case& c : cases) {
            SCOPED_TRACE("face " + std::to_string(face) + " group " +
                         std::to_string(static_cast<int>(c.group)));
            ReadingTable table;
            table.values.fill(kUntouched);
            RefreshReadings(c.group, StateAt(HomePos, HomePos, face), table);
            for (int slot = 1; slot <= kSlotCount; ++slot) {
                const bool inGroup =
                    std::find(c.slots.begin(), c.slots.end(), slot) != c.slots.end();
                EXPECT_EQ(table[slot] != kUntouched, inGroup) << "slot " << slot;
            }
        }
    }
}

// Positions and options a profile could hold: no 32-bit part may overflow in
// the kept range, and anything else must neither hang nor be undefined.
TEST(ExtremeInputs, KeptRangeReadsFiniteValues) {
    for (int16_t face : {0, 1}) {
        for (int16_t n = 0; n <= 2; ++n) {
            for (int32_t slide : {MinKeptPos, MaxKeptPos, 2550001, 3749999}) {
                for (int32_t cursor : {MinKeptPos, MaxKeptPos}) {
                    RuleState state = StateAt(slide, cursor, face);
                    state.ScaleLL = n;
                    state.ScaleST = 1;
                    const ReadingTable table = ReadAll(state);
                    for (int slot = 1; slot <= kSlotCount; ++slot) {
                        SCOPED_TRACE("face " + std::to_string(face) + " n " + std::to_string(n) +
                                     " slide " + std::to_string(slide) + " cursor " +
                                     std::to_string(cursor) + " slot " + std::to_string(slot));
                        EXPECT_TRUE(std::isfinite(table[slot]));
                    }
                }
            }
        }
    }
}

TEST(ExtremeInputs, FullIntegerRangeCompletes) {
    for (int16_t face : {0, 1}) {
        for (int16_t option : {int16_t{INT16_MIN}, int16_t{-1}, int16_t{3}, int16_t{INT16_MAX}}) {
            for (int32_t slide : {INT32_MIN, INT32_MAX}) {
                for (int32_t cursor : {INT32_MIN, INT32_MAX}) {
                    RuleState state = StateAt(slide, cursor, face);
                    state.ScaleLL = option;
                    state.ScaleST = option;
                    const ReadingTable table = ReadAll(state);
                    for (int slot = 1; slot <= kSlotCount; ++slot) {
                        EXPECT_FALSE(std::isnan(table[slot])) << "slot " << slot;
                    }
                }
            }
        }
    }
}

TEST(Normalise, BringsPositiveValuesIntoOneDecade) {
    for (double value : {1.0, 0.0031622, 316.22, 9.999999, 1e-300, 1e300}) {
        const double v = Normalise(value);
        EXPECT_GE(v, 1.0) << value;
        EXPECT_LT(v, 10.0) << value;
    }
    EXPECT_EQ(Normalise(10.0), 1.0);
    // No mantissa: the value comes back unchanged instead of looping forever.
    EXPECT_EQ(Normalise(0.0), 0.0);
    EXPECT_EQ(Normalise(-5.0), -5.0);
    EXPECT_TRUE(std::isinf(Normalise(INFINITY)));
    EXPECT_TRUE(std::isnan(Normalise(NAN)));
}

TEST(FocusFixUp, MovesOffAnIndexBeyondItsBoundOnly) {
    struct Case {
        int32_t slide;
        int16_t focus;
        int16_t expected;
    };
    const Case cases[] = {
        {2549999, 20, 4},  {2549999, 17, 1},  {2549999, 22, 6}, {2549999, 14, 14}, {2549999, 4, 4},
        {2550000, 20, 20}, {3750000, 4, 4},   {3750001, 4, 20}, {3750001, 1, 17},  {3750001, 6, 22},
        {3750001, 20, 20}, {HomePos, 20, 20}, {HomePos, 4, 4},  {3750001, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("slide " + std::to_string(c.slide) + " focus " + std::to_string(c.focus));
        RuleState state = StateAt(c.slide, HomePos, 0);
        state.NumFoucs = c.focus;
        ApplyFocusFixUp(state);
        EXPECT_EQ(state.NumFoucs, c.expected);
    }
}

TEST(SlotPlaces, SlotsAndPlacesCorrespond) {
    struct Case {
        int slot;
        ReadingColumn column;
        int row;
    };
    const Case cases[] = {
        {1, ReadingColumn::LeftIndex, 0},   {3, ReadingColumn::LeftIndex, 2},
        {4, ReadingColumn::LeftIndex, 7},   {6, ReadingColumn::LeftIndex, 9},
        {7, ReadingColumn::Cursor, 0},      {12, ReadingColumn::Cursor, 5},
        {16, ReadingColumn::Cursor, 9},     {17, ReadingColumn::RightIndex, 0},
        {19, ReadingColumn::RightIndex, 2}, {20, ReadingColumn::RightIndex, 7},
        {22, ReadingColumn::RightIndex, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("slot " + std::to_string(c.slot));
        const SlotPlace place = PlaceOfSlot(c.slot);
        EXPECT_EQ(place.column, c.column);
        EXPECT_EQ(place.row, c.row);
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotPlace place = PlaceOfSlot(slot);
        EXPECT_EQ(SlotAt(place.column, place.row), slot) << slot;
    }
    for (ReadingColumn index : {ReadingColumn::LeftIndex, ReadingColumn::RightIndex}) {
        for (int row = 3; row <= 6; ++row) EXPECT_EQ(SlotAt(index, row), 0) << row;
    }
    EXPECT_EQ(SlotAt(ReadingColumn::Cursor, -1), 0);
    EXPECT_EQ(SlotAt(ReadingColumn::Cursor, 10), 0);
    EXPECT_EQ(PlaceOfSlot(0).row, -1);
    EXPECT_EQ(PlaceOfSlot(23).row, -1);
}

TEST(CurrentReading, EqualsTheRefreshedTableForEverySlot) {
    for (int16_t face : {0, 1}) {
        for (int32_t slidePos : {-90000, 2550001, 3150000, 3749999, 6390000}) {
            RuleState state;
            state.SlideRev = face;
            state.SlidePos = slidePos;
            state.CursorPos = 1234567;
            ReadingTable table;
            RefreshAllReadings(state, table);
            for (int slot = 1; slot <= kSlotCount; ++slot) {
                SCOPED_TRACE(::testing::Message() << face << " " << slidePos << " " << slot);
                EXPECT_EQ(CurrentReading(slot, state), table[slot]);
            }
        }
    }
    EXPECT_EQ(CurrentReading(0, RuleState{}), NoReading);
    EXPECT_EQ(CurrentReading(23, RuleState{}), NoReading);
}

}  // namespace
}  // namespace tesmark
