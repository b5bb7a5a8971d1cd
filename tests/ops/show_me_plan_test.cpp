// Show me plans played headless: for every kind of calculation the result
// read off the rule lies within the rule's accuracy of the exact value, the
// plan takes the moves a person takes (index, scale, face, LL pair), undo
// walks the moves back, and what the rule cannot do is refused.
#include "ops/show_me_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/positions.h"
#include "model/reading_table.h"
#include "ops/command_ids.h"
#include "ops/command_port.h"
#include "ops/undo_command.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

// A value move puts its target within half a position unit of the exact
// place: half of 1/6,300,000 decade. Readings are computed from the
// positions in double precision, so the only error a plan makes is that
// rounding, once per move, carried through what is read: a value on C or D
// is off by ln 10 x that fraction (1.83e-7) per move, a square on A by
// twice that, a cube on K by three times, a power on an LL scale by
// |ln result| times it (the LL scales read e^D), and a logarithm on L by the
// fraction of a decade itself. The floor covers the ten-digit e and pi of
// the rule's formulas (below 2e-9 over the LL range).
constexpr double kHalfUnitDecades = 0.5 / DecadeUnits;
const double kLn10 = std::log(10.0);
constexpr double kFloor = 2e-9;

enum class Reads { Linear, Square, Cube, LogLog, Logarithm };

double Tolerance(Reads reads, int moves, double exact) {
    const double decades = moves * kHalfUnitDecades;
    switch (reads) {
        case Reads::Linear:
            return kFloor + kLn10 * decades;
        case Reads::Square:
            return kFloor + 2 * kLn10 * decades;
        case Reads::Cube:
            return kFloor + 3 * kLn10 * decades;
        case Reads::LogLog:
            return kFloor + std::abs(std::log(exact)) * kLn10 * decades;
        case Reads::Logarithm:
            return kFloor + decades / std::abs(exact);
    }
    return 0.0;
}

struct Player : testing::SessionFixture {
    ShowMeOutcome Plan(const std::string& text, Language language = Language::English) {
        return PlanCalculation(text, state, language);
    }
    // Plays every step; the texts of the steps as they were shown.
    std::vector<std::string> Play(const ShowMePlan& plan, Language language = Language::English) {
        std::vector<std::string> texts;
        for (const ShowMeStep& step : plan.steps) {
            EXPECT_TRUE(PlayShowMeStep(step, target)) << texts.size();
            const double reading =
                step.kind == ShowMeStepKind::Command ? NoReading : CurrentReading(step.slot, state);
            texts.push_back(ShowMeStepText(step, plan, language, reading));
        }
        return texts;
    }
    NoCommandPort commands;
    CommandTarget target{session, port, commands};
};

int MovesOf(const ShowMePlan& plan) {
    int moves = 0;
    for (const ShowMeStep& step : plan.steps) moves += step.kind == ShowMeStepKind::Move ? 1 : 0;
    return std::max(moves, 1);
}

struct Calculation {
    std::string text;
    Reads reads;
    std::string shows;  // a step text the plan must contain ("" for none)
};

class ShowMePlays : public ::testing::TestWithParam<Calculation> {};

TEST_P(ShowMePlays, ReadsTheExactValueWithinTheRulesAccuracy) {
    const Calculation& c = GetParam();
    Player p;
    const ShowMeOutcome outcome = p.Plan(c.text);
    ASSERT_TRUE(outcome.planned) << c.text << ": " << outcome.refusal;
    const ShowMePlan& plan = outcome.plan;
    ASSERT_FALSE(plan.steps.empty());
    EXPECT_EQ(plan.steps.back().kind, ShowMeStepKind::Read);
    for (std::size_t i = 0; i + 1 < plan.steps.size(); ++i) {
        EXPECT_NE(plan.steps[i].kind, ShowMeStepKind::Read) << c.text << " step " << i;
    }

    const std::vector<std::string> texts = p.Play(plan);
    const double result = ShowMeResult(plan, p.session);
    const double error = std::abs(result - plan.exact) / std::abs(plan.exact);
    EXPECT_LE(error, Tolerance(c.reads, MovesOf(plan), plan.exact))
        << c.text << ": exact " << plan.exact << ", read " << result;
    // The result is the framed focus reading.
    EXPECT_EQ(p.state.NumFoucs, plan.steps.back().slot);

    if (!c.shows.empty()) {
        bool found = false;
        std::string all;
        for (const std::string& text : texts) {
            found = found || text.find(c.shows) != std::string::npos;
            all += "\n  " + text;
        }
        EXPECT_TRUE(found) << c.text << " lacks \"" << c.shows << "\":" << all;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProductsAndQuotients, ShowMePlays,
    ::testing::Values(
        Calculation{"2.5 * 3.7 / 1.2", Reads::Linear, "at the right index (C 10)"},
        Calculation{"2 * 3", Reads::Linear, "Bring C 1 under the hairline"},
        Calculation{"8 * 2", Reads::Linear, "Bring C 10 under the hairline"},
        // 2 first would run the hairline off the slide: 8 goes first.
        Calculation{"2 * 8", Reads::Linear, "Set the hairline on D 8"},
        Calculation{"0.05 * 0.4", Reads::Linear, ""}, Calculation{"12345 * 6.7", Reads::Linear, ""},
        Calculation{"3.7 * 4.2 * 1.5", Reads::Linear, ""},
        Calculation{"9 * 9 * 9 * 9 * 9", Reads::Linear, ""},
        Calculation{"2 / 8", Reads::Linear, "at the left index (C 1)"},
        Calculation{"8 / 2", Reads::Linear, "at the right index (C 10)"},
        Calculation{"720 / 3.6 / 2.5", Reads::Linear, ""},
        Calculation{"1.5 * 2.5 / 7.5 * 4", Reads::Linear, ""},
        // After 6 / 2 the hairline cannot reach C 9 on the slide: CI does it.
        Calculation{"6 / 2 * 9", Reads::Linear, "Bring CI 9 under the hairline"},
        Calculation{"3 / (4 * 5)", Reads::Linear, ""},
        Calculation{"(2 * 3) / (4 * 5)", Reads::Linear, ""},
        Calculation{"2 * 100", Reads::Linear, ""}, Calculation{"2 * 5", Reads::Linear, ""},
        Calculation{"2 / 2", Reads::Linear, ""}, Calculation{"pi * 2", Reads::Linear, ""},
        Calculation{"e * 2", Reads::Linear, ""}));

INSTANTIATE_TEST_SUITE_P(
    SquaresRootsReciprocals, ShowMePlays,
    ::testing::Values(Calculation{"2.5^2", Reads::Square, "Read the result on A"},
                      Calculation{"7^2", Reads::Square, ""},
                      Calculation{"0.3^2", Reads::Square, ""},
                      Calculation{"4.2^3", Reads::Cube, "Read the result on K"},
                      Calculation{"1.7^3", Reads::Cube, ""},
                      Calculation{"sqrt(2)", Reads::Linear, "Set the hairline on A 2"},
                      Calculation{"sqrt(20)", Reads::Linear, "Set the hairline on A 20"},
                      Calculation{"sqrt(0.05)", Reads::Linear, "Set the hairline on A 5"},
                      Calculation{"√1234", Reads::Linear, ""},
                      Calculation{"cbrt(5000)", Reads::Linear, "Set the hairline on K 5"},
                      Calculation{"cbrt(0.2)", Reads::Linear, "Set the hairline on K 200"},
                      Calculation{"cbrt(27)", Reads::Linear, ""},
                      Calculation{"1/7", Reads::Linear, "Read the result on DI"},
                      Calculation{"1/0.025", Reads::Linear, ""},
                      Calculation{"1/1", Reads::Linear, ""},
                      Calculation{"(2.5 * 3.7)^2", Reads::Square, ""},
                      Calculation{"sqrt(2.5 * 3.7)", Reads::Linear, ""}));

INSTANTIATE_TEST_SUITE_P(
    Trigonometry, ShowMePlays,
    ::testing::Values(Calculation{"sin(30)", Reads::Linear, "Set the hairline on S 30"},
                      Calculation{"sin(3)", Reads::Linear, "Show the S0 and T0 scales"},
                      Calculation{"sin(0.6)", Reads::Linear, "S0 0.6"},
                      Calculation{"sin(75)", Reads::Linear, ""},
                      Calculation{"sin(90)", Reads::Linear, ""},
                      Calculation{"cos(60)", Reads::Linear, "by their red numbers"},
                      Calculation{"cos(89)", Reads::Linear, "S0 89"},
                      Calculation{"tan(20)", Reads::Linear, "Set the hairline on T 20"},
                      Calculation{"tan(3)", Reads::Linear, "T0 3"},
                      Calculation{"tan(45)", Reads::Linear, ""},
                      Calculation{"tan(60)", Reads::Linear, "Read the result on DI"},
                      Calculation{"tan(87)", Reads::Linear, "T0 3"},
                      Calculation{"sin(30) * 4", Reads::Linear, ""}));

INSTANTIATE_TEST_SUITE_P(
    Logarithms, ShowMePlays,
    ::testing::Values(Calculation{"log(2000)", Reads::Logarithm, "Read the result on L"},
                      Calculation{"log(0.05)", Reads::Logarithm, ""},
                      Calculation{"log(3.7 * 4.2)", Reads::Logarithm, ""},
                      Calculation{"ln(2.4)", Reads::Linear, "Set the hairline on LL2 2.4"},
                      Calculation{"ln(20000)", Reads::Linear, "LL3 20000"},
                      Calculation{"ln(1.05)", Reads::Linear, "LL1 1.05"},
                      Calculation{"ln(1.005)", Reads::Linear, "Show the LL0 and LL1 scales"},
                      Calculation{"ln(0.5)", Reads::Linear, "LL/2 0.5"},
                      Calculation{"ln(0.9)", Reads::Linear, "LL/2 0.9"},
                      Calculation{"ln(0.995)", Reads::Linear, "LL/0 0.995"},
                      Calculation{"ln(2) * 3", Reads::Linear, ""}));

INSTANTIATE_TEST_SUITE_P(
    Powers, ShowMePlays,
    ::testing::Values(
        Calculation{"e^0.35", Reads::LogLog, "Read the result on LL2"},
        Calculation{"e^5", Reads::LogLog, "Read the result on LL3"},
        Calculation{"e^0.05", Reads::LogLog, "Show the LL1 and LL2 scales"},
        Calculation{"e^0.002", Reads::LogLog, "LL0 under the hairline: 1.00200"},
        Calculation{"e^-0.35", Reads::LogLog, "Read the result on LL/2"},
        Calculation{"e^-3", Reads::LogLog, "LL/3"},
        // From LL2 (below e) to LL3 (above e).
        Calculation{"2.4^3.1", Reads::LogLog, "Read the result on LL3"},
        // From LL3 to LL2, a root by division.
        Calculation{"7.3^(1/3)", Reads::LogLog, "Bring C 3 under the hairline"},
        Calculation{"0.5^0.3", Reads::LogLog, "LL/2"}, Calculation{"0.8^2.5", Reads::LogLog, ""},
        Calculation{"2^-3", Reads::LogLog, "LL/3"}, Calculation{"2^(-1/3)", Reads::LogLog, ""},
        Calculation{"1.002^100", Reads::LogLog, "Show the LL1 and LL2 scales"},
        Calculation{"10^0.5", Reads::LogLog, "Bring CI 5 under the hairline"},
        Calculation{"1.5^8", Reads::LogLog, ""}, Calculation{"3^(1/5)", Reads::LogLog, ""},
        Calculation{"1.01^3.5", Reads::LogLog, ""}));

TEST(ShowMePlan, WordsTheExampleAsAPersonWouldSayIt) {
    Player p;
    const ShowMeOutcome outcome = p.Plan("2.5 × 3.7 ÷ 1.2");
    ASSERT_TRUE(outcome.planned) << outcome.refusal;
    EXPECT_EQ(outcome.plan.expression, "2.5 * 3.7 / 1.2");
    EXPECT_EQ(
        p.Play(outcome.plan),
        (std::vector<std::string>{"Set the hairline on D 2.5", "Bring C 1 under the hairline",
                                  "Set the hairline on C 3.7", "Bring C 1.2 under the hairline",
                                  "Read the result on D at the right index (C 10): 7.71"}));
    EXPECT_EQ(outcome.plan.exponent, 0);

    Player q;
    const ShowMeOutcome japanese = q.Plan("2.5 * 3.7 / 1.2", Language::Japanese);
    ASSERT_TRUE(japanese.planned);
    EXPECT_EQ(
        q.Play(japanese.plan, Language::Japanese),
        (std::vector<std::string>{
            "カーソル線を D の 2.5 に合わせます", "滑尺を動かし、C の 1 をカーソル線に合わせます",
            "カーソル線を C の 3.7 に合わせます", "滑尺を動かし、C の 1.2 をカーソル線に合わせます",
            "右の指標（C の 10）の D で結果を読みます: 7.71"}));
}

TEST(ShowMePlan, KeepsTheDecimalPointByTheExponents) {
    // The same moves for 2.5 x 3.7 at any decade; only the exponent differs.
    Player p;
    const ShowMeOutcome small = p.Plan("0.0025 * 0.37");
    const ShowMeOutcome large = p.Plan("250 * 3700");
    ASSERT_TRUE(small.planned && large.planned);
    ASSERT_EQ(small.plan.steps.size(), large.plan.steps.size());
    for (std::size_t i = 0; i < small.plan.steps.size(); ++i) {
        EXPECT_EQ(small.plan.steps[i].slot, large.plan.steps[i].slot);
        EXPECT_DOUBLE_EQ(small.plan.steps[i].value, large.plan.steps[i].value);
    }
    EXPECT_EQ(small.plan.exponent, -4);
    EXPECT_EQ(large.plan.exponent, 5);
}

TEST(ShowMePlan, StartsFromTheFaceAndOptionsTheRuleShows) {
    Player p;
    p.state.SlideRev = 1;
    p.state.ScaleST = 1;
    p.state.SinNum = 1;
    p.state.SlidePos = 2000000;
    const ShowMeOutcome outcome = p.Plan("sin(30)");
    ASSERT_TRUE(outcome.planned) << outcome.refusal;
    const std::vector<ShowMeStep>& steps = outcome.plan.steps;
    ASSERT_GE(steps.size(), 5u);
    EXPECT_EQ(steps[0].command, cmd::kReverse);
    EXPECT_EQ(steps[1].command, cmd::kSinNumBlack);
    EXPECT_EQ(steps[2].command, cmd::kScaleST);
    // The slide comes home first, so that C stands over D.
    EXPECT_EQ(steps[3].target, MoveTarget::Slide);
    p.Play(outcome.plan);
    EXPECT_EQ(p.state.SlidePos, HomePos);
    EXPECT_NEAR(ShowMeResult(outcome.plan, p.session), 0.5, 1e-6);
}

TEST(ShowMePlan, PlanningMovesNothingOnTheRule) {
    Player p;
    p.state.CursorPos = 1234567;
    const RuleState before = p.state;
    ASSERT_TRUE(p.Plan("2.4^3.1").planned);
    EXPECT_EQ(p.state.CursorPos, before.CursorPos);
    EXPECT_EQ(p.state.SlidePos, before.SlidePos);
    EXPECT_EQ(p.state.SlideRev, before.SlideRev);
    EXPECT_EQ(p.state.ScaleLL, before.ScaleLL);
    EXPECT_EQ(p.state.NumFoucs, before.NumFoucs);
}

TEST(ShowMePlan, UndoAfterAMoveRestoresThePositionsBeforeIt) {
    for (const char* text : {"2.5 * 3.7 / 1.2", "6 / 2 * 9", "2.4^3.1", "sin(3)"}) {
        Player p;
        p.state.SlidePos = 2000000;
        const ShowMeOutcome outcome = p.Plan(text);
        ASSERT_TRUE(outcome.planned) << text;
        for (const ShowMeStep& step : outcome.plan.steps) {
            const int32_t slide = p.state.SlidePos;
            const int32_t cursor = p.state.CursorPos;
            ASSERT_TRUE(PlayShowMeStep(step, p.target)) << text;
            if (step.kind != ShowMeStepKind::Move) continue;
            const int32_t slideAfter = p.state.SlidePos;
            const int32_t cursorAfter = p.state.CursorPos;
            UndoCommand(p.session, p.port);
            EXPECT_EQ(p.state.SlidePos, slide) << text;
            EXPECT_EQ(p.state.CursorPos, cursor) << text;
            // Undo takes itself back, and the play goes on from there.
            UndoCommand(p.session, p.port);
            EXPECT_EQ(p.state.SlidePos, slideAfter) << text;
            EXPECT_EQ(p.state.CursorPos, cursorAfter) << text;
        }
    }
}

TEST(ShowMePlan, UndoThroughTheRegistryIsEnabledAfterAMove) {
    Player p;
    const ShowMeOutcome outcome = p.Plan("2 * 3");
    ASSERT_TRUE(outcome.planned);
    const int32_t cursor = p.state.CursorPos;
    ASSERT_TRUE(PlayShowMeStep(outcome.plan.steps[0], p.target));
    EXPECT_EQ(ExecuteCommand(cmd::kUndo, p.target, MakeCommandContext(p.session, false)),
              CommandOutcome::Ran);
    EXPECT_EQ(p.state.CursorPos, cursor);
}

TEST(ShowMePlan, PlayingReportsWhatTheRuleRefuses) {
    Player p;
    ShowMeStep command;
    command.kind = ShowMeStepKind::Command;
    command.command = cmd::kScaleLL0;  // only on the back face
    EXPECT_FALSE(PlayShowMeStep(command, p.target));
    ShowMeStep move;
    move.slot = 0;
    EXPECT_FALSE(PlayShowMeStep(move, p.target));
    ShowMeStep overflow;
    overflow.slot = 11;  // T: 80 degrees lies beyond it
    overflow.value = 80.0;
    EXPECT_FALSE(PlayShowMeStep(overflow, p.target));
    ShowMeStep read;
    read.kind = ShowMeStepKind::Read;
    read.slot = 1;  // no scale on the front's R0
    EXPECT_FALSE(PlayShowMeStep(read, p.target));
}

struct Unreachable {
    std::string text;
    std::string english;  // a part of the English message
};

class ShowMeRefuses : public ::testing::TestWithParam<Unreachable> {};

TEST_P(ShowMeRefuses, SaysWhyInBothLanguages) {
    const Unreachable& c = GetParam();
    Player p;
    const ShowMeOutcome english = p.Plan(c.text, Language::English);
    const ShowMeOutcome japanese = p.Plan(c.text, Language::Japanese);
    EXPECT_FALSE(english.planned) << c.text;
    EXPECT_FALSE(japanese.planned) << c.text;
    EXPECT_NE(english.refusal.find(c.english), std::string::npos) << english.refusal;
    EXPECT_FALSE(japanese.refusal.empty());
    EXPECT_NE(english.refusal, japanese.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowMeRefuses,
    ::testing::Values(
        Unreachable{"2 + 3", "cannot add or subtract"}, Unreachable{"7 - 2", "cannot add"},
        Unreachable{"", "Type a calculation"}, Unreachable{"2**3", "with ^"},
        Unreachable{std::string(30, '(') + "2" + std::string(30, ')'), "nests too deeply"},
        Unreachable{std::string(10000, '7'), "too long"},
        Unreachable{std::string("2\0", 2), "at character 2"}, Unreachable{"２", "at character 1"},
        Unreachable{"1e999", "1e999"}, Unreachable{"0", "no place for zero"},
        Unreachable{"-2", "no negative numbers"}, Unreachable{"sin(0.001)", "0.573"},
        Unreachable{"sin(120)", "0.573"}, Unreachable{"cos(89.9)", "89.4"},
        Unreachable{"tan(89.9)", "89.4"}, Unreachable{"ln(1e50)", "LL scales"},
        Unreachable{"ln(1)", "1 itself"}, Unreachable{"ln(1.0001)", "LL scales"},
        Unreachable{"e^20", "0.001 to 10"}, Unreachable{"e^0.0001", "0.001 to 10"},
        Unreachable{"2^100", "beyond the LL scales"}, Unreachable{"50000^0.5", "The base 50000"},
        Unreachable{"1^3.5", "The base 1"}, Unreachable{"log(0.5) * 2", "not positive"},
        Unreachable{"1e90 * 1e90 * 1e90", "beyond what the rule can keep track of"}));

}  // namespace
}  // namespace tesmark
