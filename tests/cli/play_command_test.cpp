// tesmark-cli play: the steps of a plan with the state after each, the
// result and its error, as text and JSON, in both languages, and refusals.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/support/cli_runner.h"

namespace tesmark::cli {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// From the rule's home state, whatever the test machine's profile holds.
std::vector<std::string> Home(std::vector<std::string> args) {
    std::vector<std::string> line = {"play",     "--face",   "front", "--slide", "3150000",
                                     "--cursor", "3150000",  "--ll",  "2",       "--st",
                                     "0",        "--sinnum", "0",     "--pi",    "1"};
    line.insert(line.end(), args.begin(), args.end());
    return line;
}

TEST(PlayCommand, PrintsEachStepWithTheStateAfterItAndTheResult) {
    const CliResult r = RunCli(Home({"2.5 * 3.7 / 1.2"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "expression: 2.5 * 3.7 / 1.2\n")) << r.out;
    EXPECT_TRUE(
        Contains(r.out, "1. Set the hairline on D 2.5\n   cursor, slot 14 (D), value 2.5\n"))
        << r.out;
    EXPECT_TRUE(
        Contains(r.out, "2. Bring C 1 under the hairline\n   slide, slot 13 (C), value 1\n"));
    EXPECT_TRUE(Contains(r.out, "5. Read the result on D at the right index (C 10): 7.71\n"));
    EXPECT_TRUE(Contains(r.out, "after: slide "));
    EXPECT_TRUE(Contains(r.out, "front face, LL pair 2"));
    EXPECT_TRUE(Contains(r.out, "result: 7.7083"));
    EXPECT_TRUE(Contains(r.out, "relative error: "));
}

TEST(PlayCommand, JsonCarriesTheStepsStatesAndError) {
    const CliResult r = RunCli(Home({"--json", "2.4^3.1"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "{\"expression\": \"2.4^3.1\"")) << r.out;
    EXPECT_TRUE(Contains(r.out,
                         "\"kind\": \"command\", \"text\": \"Turn the rule over\", "
                         "\"command\": 111"));
    EXPECT_TRUE(Contains(r.out, "\"scale\": \"LL2\", \"value\": 2.4"));
    EXPECT_TRUE(Contains(r.out, "\"SlideRev\": 1"));
    EXPECT_TRUE(Contains(r.out, "\"kind\": \"read\""));
    EXPECT_TRUE(Contains(r.out, "\"scale\": \"LL3\""));
    const std::size_t at = r.out.find("\"relativeError\": ");
    ASSERT_NE(at, std::string::npos);
    const double error = std::strtod(r.out.c_str() + at + 17, nullptr);
    EXPECT_LT(error, 1e-6);
    EXPECT_GE(error, 0.0);
}

TEST(PlayCommand, SpeaksJapanese) {
    const CliResult r = RunCli(Home({"--lang", "ja", "sqrt(2)"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "1. カーソル線を A の 2 に合わせます\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "カーソル線の下の D で結果を読みます: 1.41"));
}

TEST(PlayCommand, StartsFromTheStateGiven) {
    const CliResult r = RunCli(Home({"--face", "back", "sin(30)"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "1. Turn the rule over\n   command 111\n")) << r.out;
}

TEST(PlayCommand, LogOfOneHasNoRelativeError) {
    const CliResult r = RunCli(Home({"log(1)"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "result: 0\n")) << r.out;
}

struct RefusalCase {
    std::vector<std::string> args;
    std::string message;
};

TEST(PlayCommand, RefusalsPrintWhyAndFail) {
    const std::vector<RefusalCase> cases = {
        {{"2 + 3"},
         "tesmark-cli play: A slide rule multiplies and divides; it cannot add or "
         "subtract.\n"},
        {{"--lang", "ja", "0"}, "対数目盛は 0 に届かない"},
        {{"sin(0.001)"}, "0.573"},
        {{"ln(1e50)"}, "LL scales"},
        {{"--", "-2"}, "no negative numbers"},
    };
    for (const RefusalCase& c : cases) {
        const CliResult r = RunCli(Home(c.args));
        EXPECT_EQ(r.code, 1) << c.args.back();
        EXPECT_TRUE(Contains(r.err, c.message)) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    const CliResult json = RunCli(Home({"--json", "2**3"}));
    EXPECT_EQ(json.code, 1);
    EXPECT_TRUE(Contains(json.out, "{\"refusal\": \"Write a power with ^")) << json.out;
}

TEST(PlayCommand, UsageErrorsAndHelp) {
    EXPECT_EQ(RunCli({"play"}).code, 2);
    EXPECT_TRUE(Contains(RunCli({"play"}).err, "an EXPR is required"));
    EXPECT_EQ(RunCli({"play", "2", "3"}).code, 2);
    EXPECT_EQ(RunCli({"play", "--lang", "fr", "2"}).code, 2);
    const CliResult help = RunCli({"play", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(Contains(help.out, "usage: tesmark-cli play [--json] [--lang en|ja]"));
    EXPECT_TRUE(Contains(RunCli({"help"}).out, "  play      "));
}

}  // namespace
}  // namespace tesmark::cli
