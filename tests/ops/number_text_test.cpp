// Numbers read back from text (paste, edit box, zero rounding) and the
// digit trimming of the value steps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/rule_state.h"
#include "ops/parse_number.h"
#include "ops/zero_trailing_digits.h"

namespace tesmark {
namespace {

struct ParseCase {
    const char* text;
    double value;
};

class LeadingNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(LeadingNumber, IsReadUpToTheFirstOtherCharacter) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseLeadingNumber(c.text), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    ::testing::Values(ParseCase{"2.718282=e", 2.718282}, ParseCase{"2.5 apples", 2.5},
                      ParseCase{"  \t-3.25", -3.25}, ParseCase{"+4", 4.0}, ParseCase{".5", 0.5},
                      ParseCase{"7.", 7.0}, ParseCase{"1e3x", 1000.0}, ParseCase{"1e", 1.0},
                      ParseCase{"1.5e-2", 0.015}, ParseCase{"0x10", 0.0}, ParseCase{"0x1p4", 0.0},
                      ParseCase{"0xg", 0.0}, ParseCase{"abc", 0.0}, ParseCase{"", 0.0},
                      ParseCase{"--2", 0.0}, ParseCase{"+-2", 0.0}, ParseCase{"1e-999", 0.0},
                      ParseCase{"00.500000", 0.5}, ParseCase{"-0.050000", -0.05}));

TEST(LeadingNumberSpecial, InfinityAndNaNAreNumbersToo) {
    EXPECT_TRUE(std::isinf(ParseLeadingNumber("1e999")));
    EXPECT_TRUE(std::isinf(ParseLeadingNumber("-inf")));
    EXPECT_LT(ParseLeadingNumber("-Infinity"), 0.0);
    EXPECT_TRUE(std::isnan(ParseLeadingNumber("nan")));
}

TEST(PastedNumber, OnlyTheFirstTwentyCharactersCount) {
    EXPECT_EQ(ParsePastedNumber("1234567890123456789012345"), 12345678901234567890.0);
    EXPECT_EQ(ParsePastedNumber("3.14159265358979323846"), 3.141592653589793);
    // Characters, not bytes: nineteen "π" and a digit leave the digit out.
    std::string text;
    for (int i = 0; i < 19; ++i) text += "\u03c0";
    EXPECT_EQ(FirstCharacters(text + "12", 20), text + "1");
    EXPECT_EQ(FirstCharacters("short", 20), "short");
}

struct ZeroCase {
    const char* name;
    double reading;
    int slot;
    int16_t face;
    int digits;
    double value;
};

class ZeroTrailing : public ::testing::TestWithParam<ZeroCase> {};

TEST_P(ZeroTrailing, TrimsTheParsingText) {
    const ZeroCase& c = GetParam();
    RuleState state;
    state.NumFoucs = static_cast<int16_t>(c.slot);
    state.SlideRev = c.face;
    EXPECT_DOUBLE_EQ(ZeroTrailingDigits(c.reading, c.digits, state), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ZeroTrailing,
    ::testing::Values(ZeroCase{"OneDigit", 3.14159265, 14, 0, 1, 3.1415},
                      ZeroCase{"ThreeDigits", 3.14159265, 14, 0, 3, 3.14},
                      ZeroCase{"LastNonZeroDigit", 3.14159265, 14, 0, 0, 3.1415},
                      ZeroCase{"LastNonZeroPastZeros", 3.1415, 14, 0, 0, 3.141},
                      ZeroCase{"SkipsThePoint", 31415.9, 14, 0, 2, 31410.0},
                      ZeroCase{"LOffsetFromOne", 1.5, 16, 0, 0, 0.0},
                      ZeroCase{"LOffsetFromOneTwoDigits", 1.123456, 16, 0, 2, 0.1234},
                      ZeroCase{"BackFaceLL2Sig7", 1.00501252, 16, 1, 1, 1.00501}),
    [](const ::testing::TestParamInfo<ZeroCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tesmark
