// The Show me grammar: what it accepts and how it writes a calculation back,
// and the refusals for malformed, hostile or meaningless input, with their
// messages in both languages.
#include "ops/show_me_expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "ops/show_me_text.h"

namespace tesmark {
namespace {

struct Accepted {
    std::string text;
    std::string written;
    double value;
};

class ShowMeGrammarAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(ShowMeGrammarAccepts, ParsesWritesBackAndEvaluates) {
    const Accepted& c = GetParam();
    const ShowMeParse parse = ParseShowMeExpression(c.text);
    ASSERT_TRUE(parse.ok()) << c.text << ": " << ShowMeParseRefusal(parse, Language::English);
    EXPECT_EQ(WriteShowMeExpression(parse.expression), c.written);
    EXPECT_NEAR(EvaluateShowMeExpression(parse.expression), c.value, std::abs(c.value) * 1e-12);
    // What is written back reads the same.
    const ShowMeParse again = ParseShowMeExpression(c.written);
    ASSERT_TRUE(again.ok()) << c.written;
    EXPECT_EQ(WriteShowMeExpression(again.expression), c.written);
}

const double kPi = std::numbers::pi;
const double kDegree = kPi / 180.0;

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowMeGrammarAccepts,
    ::testing::Values(
        Accepted{"2.5 * 3.7 / 1.2", "2.5 * 3.7 / 1.2", 2.5 * 3.7 / 1.2},
        Accepted{"2.5×3.7÷1.2", "2.5 * 3.7 / 1.2", 2.5 * 3.7 / 1.2}, Accepted{"2·3", "2 * 3", 6.0},
        Accepted{"  7  ", "7", 7.0}, Accepted{".5*4.", ".5 * 4.", 2.0},
        Accepted{"1.5e3 / 2E-2", "1.5e3 / 2E-2", 75000.0},
        Accepted{"2 / (4 * 5)", "2 / (4 * 5)", 0.1}, Accepted{"(2 / 4) * 5", "2 / 4 * 5", 2.5},
        Accepted{"2.4^3.1", "2.4^3.1", std::pow(2.4, 3.1)},
        Accepted{"e^0.35", "e^0.35", std::exp(0.35)},
        Accepted{"7.3^(1/3)", "7.3^(1 / 3)", std::cbrt(7.3)}, Accepted{"2^-3", "2^-3", 0.125},
        Accepted{"2^(-1/2)", "2^-(1 / 2)", std::sqrt(0.5)}, Accepted{"2^3^2", "2^3^2", 512.0},
        Accepted{"(2^3)^2", "(2^3)^2", 64.0}, Accepted{"sqrt(2)", "sqrt(2)", std::sqrt(2.0)},
        Accepted{"√2", "sqrt(2)", std::sqrt(2.0)}, Accepted{"∛27", "cbrt(27)", 3.0},
        Accepted{"cbrt(0.2)", "cbrt(0.2)", std::cbrt(0.2)}, Accepted{"1/7", "1 / 7", 1.0 / 7.0},
        Accepted{"4.2^2 * 3", "4.2^2 * 3", 4.2 * 4.2 * 3},
        Accepted{"SIN(30)", "sin(30)", std::sin(30 * kDegree)},
        Accepted{"cos 60", "cos(60)", std::cos(60 * kDegree)},
        Accepted{"tan(70)", "tan(70)", std::tan(70 * kDegree)},
        Accepted{"log(2000)", "log(2000)", std::log10(2000.0)},
        Accepted{"ln(0.5)", "ln(0.5)", std::log(0.5)}, Accepted{"pi * 2", "pi * 2", 2 * kPi},
        Accepted{"π×2", "pi * 2", 2 * kPi}, Accepted{"e", "e", std::numbers::e},
        Accepted{"sqrt sqrt 16", "sqrt(sqrt(16))", 2.0}));

struct Refused {
    std::string text;
    ShowMeParseError error;
};

class ShowMeGrammarRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(ShowMeGrammarRefuses, GivesTheReasonInBothLanguages) {
    const Refused& c = GetParam();
    const ShowMeParse parse = ParseShowMeExpression(c.text);
    EXPECT_EQ(parse.error, c.error) << c.text;
    const std::string english = ShowMeParseRefusal(parse, Language::English);
    const std::string japanese = ShowMeParseRefusal(parse, Language::Japanese);
    EXPECT_FALSE(english.empty());
    EXPECT_FALSE(japanese.empty());
    EXPECT_NE(english, japanese);
    EXPECT_EQ(english.find('%'), std::string::npos) << english;
    EXPECT_EQ(japanese.find('%'), std::string::npos) << japanese;
}

std::string Nested(int depth) {
    return std::string(static_cast<std::size_t>(depth), '(') + "2" +
           std::string(static_cast<std::size_t>(depth), ')');
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowMeGrammarRefuses,
    ::testing::Values(
        Refused{"2 + 3", ShowMeParseError::AddSubtract},
        Refused{"5 - 3", ShowMeParseError::AddSubtract},
        Refused{"5 − 3", ShowMeParseError::AddSubtract},
        Refused{"+2", ShowMeParseError::AddSubtract}, Refused{"", ShowMeParseError::Empty},
        Refused{" \t ", ShowMeParseError::Empty}, Refused{"2**3", ShowMeParseError::DoubleStar},
        Refused{"2 * * 3", ShowMeParseError::DoubleStar},
        Refused{Nested(40), ShowMeParseError::TooDeep},
        Refused{std::string(90, '(') + "2", ShowMeParseError::TooDeep},
        Refused{"2^2^2^2^2^2^2^2^2^2^2^2^2^2^2^2^2^2", ShowMeParseError::TooDeep},
        Refused{"sqrt sqrt sqrt sqrt sqrt sqrt sqrt sqrt sqrt sqrt sqrt sqrt sqrt "
                "sqrt sqrt sqrt sqrt 2",
                ShowMeParseError::TooDeep},
        Refused{std::string(10000, '9'), ShowMeParseError::TooLong},
        Refused{std::string(190, '9'), ShowMeParseError::NumberOutOfRange},
        Refused{std::string("2\0*3", 4), ShowMeParseError::UnexpectedCharacter},
        Refused{std::string("\0", 1), ShowMeParseError::UnexpectedCharacter},
        Refused{"２×３", ShowMeParseError::UnexpectedCharacter},
        Refused{"\xFF\xFE", ShowMeParseError::UnexpectedCharacter},
        Refused{"1e999", ShowMeParseError::NumberOutOfRange},
        Refused{"1e-999", ShowMeParseError::NumberOutOfRange},
        Refused{"1e100", ShowMeParseError::NumberOutOfRange}, Refused{"0", ShowMeParseError::Zero},
        Refused{"0.000", ShowMeParseError::Zero}, Refused{"2 / 0", ShowMeParseError::Zero},
        Refused{"-2", ShowMeParseError::Negative}, Refused{"sqrt(-4)", ShowMeParseError::Negative},
        Refused{"x * 2", ShowMeParseError::UnknownName},
        Refused{"exp(2)", ShowMeParseError::UnknownName},
        Refused{"2 3", ShowMeParseError::UnexpectedCharacter},
        Refused{"2pi", ShowMeParseError::UnexpectedCharacter},
        Refused{".", ShowMeParseError::UnexpectedCharacter},
        Refused{"2 *", ShowMeParseError::UnexpectedEnd},
        Refused{"sin", ShowMeParseError::UnexpectedEnd},
        Refused{"(2 * 3", ShowMeParseError::MissingParenthesis},
        Refused{"2^(-3", ShowMeParseError::MissingParenthesis},
        Refused{"2 * 3)", ShowMeParseError::UnexpectedCharacter}));

TEST(ShowMeGrammar, MessagesNameThePlaceAndTheCharacter) {
    const ShowMeParse parse = ParseShowMeExpression("2 × 3 # 4");
    EXPECT_EQ(parse.position, 6u);  // counted in characters, not bytes
    EXPECT_EQ(ShowMeParseRefusal(parse, Language::English),
              "Cannot read the calculation at character 7 (\"#\").");
    EXPECT_EQ(ShowMeParseRefusal(parse, Language::Japanese), "7 文字目の「#」が読み取れません。");
    // A byte that is no character is not copied into the message.
    const ShowMeParse bad = ParseShowMeExpression("2*\x80");
    EXPECT_EQ(ShowMeParseRefusal(bad, Language::English),
              "Cannot read the calculation at character 3.");
}

TEST(ShowMeGrammar, AdditionIsRefusedForWhatItIs) {
    const ShowMeParse parse = ParseShowMeExpression("2.5 * 3 + 1");
    EXPECT_EQ(ShowMeParseRefusal(parse, Language::English),
              "A slide rule multiplies and divides; it cannot add or subtract.");
    EXPECT_EQ(ShowMeParseRefusal(parse, Language::Japanese),
              "計算尺でできるのは掛け算と割り算で、足し算や引き算はできません。");
}

TEST(ShowMeGrammar, NestingUpToTheLimitIsAccepted) {
    // The number inside the parentheses is a level of its own.
    EXPECT_TRUE(ParseShowMeExpression(Nested(kShowMeMaxDepth - 1)).ok());
    EXPECT_EQ(ParseShowMeExpression(Nested(kShowMeMaxDepth)).error, ShowMeParseError::TooDeep);
    EXPECT_TRUE(ParseShowMeExpression(std::string(kShowMeMaxLength, '2')).ok() ||
                ParseShowMeExpression(std::string(kShowMeMaxLength, '2')).error ==
                    ShowMeParseError::NumberOutOfRange);
}

}  // namespace
}  // namespace tesmark
