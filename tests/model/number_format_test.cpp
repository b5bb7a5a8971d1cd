#include "model/number_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "model/reading_table.h"

namespace tesmark {
namespace {

struct FormatCase {
    const char* name;
    double value;
    NumberStyle style;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, WritesTheStyledText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.style), c.text);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Styles, FormatNumberTest,
    testing::Values(
        // Six significant digits, always seven characters.
        FormatCase{"Sig6_Pi", 3.14159265, NumberStyle::Sig6, "3.14159"},
        FormatCase{"Sig6_TenPi", 31.4159265, NumberStyle::Sig6, "31.4159"},
        FormatCase{"Sig6_HundredThousandsKeepPoint", 314159.265, NumberStyle::Sig6, "314159."},
        FormatCase{"Sig6_MillionsLosePoint", 3141592.65, NumberStyle::Sig6, "3141592"},
        FormatCase{"Sig6_RoundsUp", 2.9999996, NumberStyle::Sig6, "3.00000"},
        FormatCase{"Sig6_RoundsAcrossDecade", 9.999996, NumberStyle::Sig6, "10.0000"},
        FormatCase{"Sig6_StaysBelowDecade", 9.9999949, NumberStyle::Sig6, "9.99999"},
        FormatCase{"Sig6_RoundsToHundred", 99.99996, NumberStyle::Sig6, "100.000"},
        FormatCase{"Sig6_SmallValue", 0.0423292196, NumberStyle::Sig6, "0.04233"},
        FormatCase{"Sig6_Ten", 10.0, NumberStyle::Sig6, "10.0000"},
        FormatCase{"Sig6_Zero", 0.0, NumberStyle::Sig6, "0.00000"},
        FormatCase{"Sig6Mantissa_Hundreds", 314.159265, NumberStyle::Sig6Mantissa, "3.14159"},
        FormatCase{"Sig6Mantissa_Tens", 31.6227766, NumberStyle::Sig6Mantissa, "3.16228"},
        FormatCase{"Sig6Mantissa_Small", 0.0316227766, NumberStyle::Sig6Mantissa, "3.16228"},
        // Seven significant digits, eight characters.
        FormatCase{"Sig7_Ll1", 1.10517092, NumberStyle::Sig7, "1.105171"},
        FormatCase{"Sig7_Thousands", 22026.4657, NumberStyle::Sig7, "22026.47"},
        FormatCase{"Sig7_HundredThousands", 255752.3, NumberStyle::Sig7, "255752.3"},
        // Fractional parts.
        FormatCase{"Frac6_Half", 1.5, NumberStyle::Frac6, ".500000"},
        FormatCase{"Frac6_NegativeL", -0.05, NumberStyle::Frac6, ".950000"},
        FormatCase{"Frac6_RoundsToNextUnit", 0.9999996, NumberStyle::Frac6, ".000000"},
        FormatCase{"Frac6_JustBelowOne", 0.9999994, NumberStyle::Frac6, ".999999"},
        FormatCase{"Frac6Zero_Half", 0.5, NumberStyle::Frac6Zero, "0.500000"},
        FormatCase{"Frac6One_Ll1", 1.0100502, NumberStyle::Frac6One, "1.010050"},
        FormatCase{"Frac7_Reciprocal", 0.36787944, NumberStyle::Frac7, ".3678794"},
        FormatCase{"Frac7_Ll0", 1.00501252, NumberStyle::Frac7, ".0050125"},
        FormatCase{"Frac7_Tiny", 0.0000453999, NumberStyle::Frac7, ".0000454"},
        FormatCase{"Frac7Zero_Reciprocal", 0.36787944, NumberStyle::Frac7Zero, "0.3678794"},
        FormatCase{"Frac7One_Ll0", 1.00501252, NumberStyle::Frac7One, "1.0050125"},
        // Large values lose their whole units exactly as one at a time would.
        FormatCase{"Frac6_LargeValue", 123456.25, NumberStyle::Frac6, ".250000"},
        FormatCase{"Frac7_LargeNegative", -123456.25, NumberStyle::Frac7, ".7500000"},
        // The offset from one, read back by the zero rounding.
        FormatCase{"OffsetFromOne_Half", 1.5, NumberStyle::OffsetFromOne, "00.500000"},
        FormatCase{"OffsetFromOne_One", 1.0, NumberStyle::OffsetFromOne, "00.000000"},
        FormatCase{"OffsetFromOne_Above", 2.2, NumberStyle::OffsetFromOne, "01.200000"},
        FormatCase{"OffsetFromOne_Below", 0.95, NumberStyle::OffsetFromOne, "-0.050000"},
        // Negative values keep their sign in front of the magnitude's text.
        FormatCase{"Sig6_NoReading", NoReading, NumberStyle::Sig6, "-99.0000"},
        FormatCase{"Sig6_NegativePi", -3.14159265, NumberStyle::Sig6, "-3.14159"},
        FormatCase{"Sig6_NegativeRoundsAcrossDecade", -9.999996, NumberStyle::Sig6, "-10.0000"},
        FormatCase{"Sig6_NegativeZero", -0.0, NumberStyle::Sig6, "0.00000"},
        FormatCase{"Sig6Mantissa_NoReading", NoReading, NumberStyle::Sig6Mantissa, "-9.90000"},
        FormatCase{"Sig6Mantissa_Zero", 0.0, NumberStyle::Sig6Mantissa, "0.00000"},
        FormatCase{"Sig7_NoReading", NoReading, NumberStyle::Sig7, "-99.00000"},
        // Values without a 32-bit text print as dashes in every style.
        FormatCase{"Sig6_NaN", kNaN, NumberStyle::Sig6, "--------"},
        FormatCase{"Sig6_Infinity", kInf, NumberStyle::Sig6, "--------"},
        FormatCase{"Sig6_MinusInfinity", -kInf, NumberStyle::Sig6, "--------"},
        FormatCase{"Sig6_TwoToThe31", 2147483648.0, NumberStyle::Sig6, "--------"},
        FormatCase{"Sig6_LargestField", 2147483647.0, NumberStyle::Sig6, "2147483"},
        FormatCase{"Sig6_HugeNegative", -1e300, NumberStyle::Sig6, "--------"},
        FormatCase{"Sig6Mantissa_Infinity", kInf, NumberStyle::Sig6Mantissa, "--------"},
        FormatCase{"Sig6Mantissa_NaN", kNaN, NumberStyle::Sig6Mantissa, "--------"},
        FormatCase{"Sig7_NaN", kNaN, NumberStyle::Sig7, "--------"},
        FormatCase{"Sig7_Huge", 1e12, NumberStyle::Sig7, "--------"},
        FormatCase{"Frac6_NaN", kNaN, NumberStyle::Frac6, "--------"},
        FormatCase{"Frac6Zero_Infinity", kInf, NumberStyle::Frac6Zero, "--------"},
        FormatCase{"Frac7One_MinusInfinity", -kInf, NumberStyle::Frac7One, "--------"},
        FormatCase{"Frac7_Huge", 1e20, NumberStyle::Frac7, "--------"},
        FormatCase{"OffsetFromOne_NaN", kNaN, NumberStyle::OffsetFromOne, "--------"},
        FormatCase{"OffsetFromOne_HugeNegative", -3e9, NumberStyle::OffsetFromOne, "--------"},
        // An unknown style code writes nothing.
        FormatCase{"UnknownStyle", 3.0, static_cast<NumberStyle>(3), ""}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

// The significant-digit texts keep their width across the whole range of
// readings, so the panel's boxes never overflow.
TEST(FormatNumberWidth, SignificantStylesKeepTheirWidth) {
    struct Style {
        NumberStyle style;
        std::size_t width;
    };
    for (const Style& s : {Style{NumberStyle::Sig6, 7}, Style{NumberStyle::Sig7, 8}}) {
        for (double v = 0.0001; v < 1e7; v *= 1.37) {
            EXPECT_EQ(FormatNumber(v, s.style).size(), s.width) << v;
        }
    }
}

// A negative text reads back as the value to the precision shown (six
// significant digits, at most five decimals).
TEST(FormatNumberNegative, ReadsBackAsTheValue) {
    for (double v : {-0.0123456, -1.5, -42.4242, -99.0, -12345.6}) {
        const std::string text = FormatNumber(v, NumberStyle::Sig6);
        const double shown = std::max(std::abs(v) * 1e-5, 0.000005);
        EXPECT_NEAR(std::strtod(text.c_str(), nullptr), v, shown) << text;
    }
}

struct SlotCase {
    const char* name;
    int slot;
    int16_t face;
    int16_t scaleLl;
    bool forParsing;
    NumberStyle style;
};

void PrintTo(const SlotCase& c, std::ostream* os) {
    *os << c.name;
}

class SlotReadingStyleTest : public testing::TestWithParam<SlotCase> {};

TEST_P(SlotReadingStyleTest, ChoosesTheStyleOfTheScaleShown) {
    const SlotCase& c = GetParam();
    RuleState state;
    state.SlideRev = c.face;
    state.ScaleLL = c.scaleLl;
    EXPECT_EQ(SlotReadingStyle(c.slot, state, c.forParsing), c.style);
}

INSTANTIATE_TEST_SUITE_P(
    Slots, SlotReadingStyleTest,
    testing::Values(SlotCase{"FrontK", 2, 0, 2, false, NumberStyle::Sig6},
                    SlotCase{"FrontCursorK", 8, 0, 2, false, NumberStyle::Sig6},
                    SlotCase{"FrontDi", 15, 0, 2, false, NumberStyle::Sig6},
                    SlotCase{"FrontL", 16, 0, 2, false, NumberStyle::Frac6Zero},
                    SlotCase{"FrontLForParsing", 16, 0, 2, true, NumberStyle::OffsetFromOne},
                    SlotCase{"FrontLeftIndexLForParsing", 6, 0, 2, true, NumberStyle::Frac6Zero},
                    SlotCase{"FrontRightIndexLForParsing", 22, 0, 2, true, NumberStyle::Frac6Zero},
                    SlotCase{"FrontD", 14, 0, 2, true, NumberStyle::Sig6},
                    SlotCase{"BackReciprocalUpper", 2, 1, 2, false, NumberStyle::Frac7Zero},
                    SlotCase{"BackReciprocalLower", 17, 1, 0, true, NumberStyle::Frac7Zero},
                    SlotCase{"BackLl0", 16, 1, 0, false, NumberStyle::Frac7One},
                    SlotCase{"BackLl1Upper", 15, 1, 0, false, NumberStyle::Frac6One},
                    SlotCase{"BackLl1Lower", 6, 1, 1, false, NumberStyle::Frac6One},
                    SlotCase{"BackLl2Upper", 21, 1, 1, false, NumberStyle::Sig7},
                    SlotCase{"BackLl2Lower", 22, 1, 2, false, NumberStyle::Sig7},
                    SlotCase{"BackLl3", 15, 1, 2, false, NumberStyle::Sig6},
                    SlotCase{"BackDf", 9, 1, 2, false, NumberStyle::Sig6},
                    SlotCase{"BackCif", 11, 1, 2, false, NumberStyle::Sig6},
                    SlotCase{"BackPairOutOfRange", 5, 1, 7, false, NumberStyle::Sig6},
                    SlotCase{"BackPairNegative", 6, 1, -1, false, NumberStyle::Sig6},
                    SlotCase{"NoSlot", 0, 0, 2, false, NumberStyle::Sig6}),
    [](const testing::TestParamInfo<SlotCase>& info) { return std::string(info.param.name); });

TEST(FormatSlotReading, TextsOfTheCopiedReading) {
    RuleState back;
    back.SlideRev = 1;
    back.ScaleLL = 0;
    EXPECT_EQ(FormatSlotReading(1.00501252, 16, back, false), "1.0050125");

    // The front L reading under the cursor at home is stored as log10(D) + 1.
    RuleState front;
    ReadingTable table;
    RefreshAllReadings(front, table);
    EXPECT_EQ(FormatSlotReading(table[16], 16, front, false), "0.500000");
    EXPECT_EQ(FormatSlotReading(table[16], 16, front, true), "00.500000");
    EXPECT_EQ(FormatSlotReading(table[14], 14, front, false), "3.16228");

    // At a slide index L is the slide's offset, read back as the fraction shown.
    EXPECT_EQ(FormatSlotReading(0.25, 6, front, true), "0.250000");
    EXPECT_EQ(FormatSlotReading(-0.05, 22, front, true), "0.950000");
}

}  // namespace
}  // namespace tesmark
