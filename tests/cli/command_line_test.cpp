// The command lines of every tesmark-cli command: one table of bad ones with
// the exit code and message each gets, the help every command prints, and
// the parse without acting that the fuzz target drives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/support/cli_runner.h"

namespace tesmark::cli {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct BadLine {
    const char* name;
    std::vector<std::string> args;
    int code;
    const char* message;
    // The exit code of the parse alone: the profile file and the output
    // are looked at only when the command acts.
    int parseCode = 2;
};

class BadCommandLine : public testing::TestWithParam<BadLine> {};

TEST_P(BadCommandLine, ExitsWithItsCodeAndSaysWhy) {
    const CliResult r = RunCli(GetParam().args);
    EXPECT_EQ(r.code, GetParam().code) << r.err;
    EXPECT_TRUE(Contains(r.err, GetParam().message)) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out.substr(0, 200);
    // One line: a message, not a help page.
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    std::string error;
    EXPECT_EQ(ParseOnly(GetParam().args, error), GetParam().parseCode);
    if (GetParam().parseCode != 0) {
        EXPECT_TRUE(Contains(r.err, error)) << error;
    }
}

const BadLine kBadLines[] = {
    {"UnknownCommand", {"frobnicate"}, 2, "unknown command 'frobnicate'"},
    {"ReadingsPositional", {"readings", "extra"}, 2, "unexpected argument 'extra'"},
    {"ReadingsAfterDashDash", {"readings", "--", "--json"}, 2, "unexpected argument '--json'"},
    {"RenderUnknown", {"render", "--png"}, 2, "unknown option '--png'"},
    {"TablesShortUnknown", {"tables", "-x"}, 2, "tables: unknown option '-x' (see --help)"},
    {"TablesUnknownName", {"tables", "--json", "XY"}, 2, "unknown table 'XY'"},
    {"ValueTakesTheNextArgument",
     {"readings", "--focus", "--json"},
     2,
     "--focus takes a whole number from 0 to 22, not '--json'"},
    {"ErrorBeforeHelpIsReported",
     {"readings", "--ll", "7", "--help"},
     2,
     "--ll takes a whole number from 0 to 2, not '7'"},
    {"EmptyNumber", {"readings", "--cursor", ""}, 2, "--cursor takes a whole number"},
    {"NumberWithSpace", {"readings", "--cursor", " 5"}, 2, "--cursor takes a whole number"},
    {"FaceIsExact", {"readings", "--face", "Front"}, 2, "--face takes front or back, not 'Front'"},
    {"SetTargetMissingValue", {"set", "2", "--target"}, 2, "--target needs a value"},
    {"SetBadTarget",
     {"set", "--target", "hairline", "2"},
     2,
     "--target takes slide or cursor, not 'hairline'"},
    {"SetBadLanguage",
     {"set", "--target", "cursor", "--lang", "de", "2"},
     2,
     "--lang takes en or ja, not 'de'"},
    {"SetTwoValues",
     {"set", "--target", "cursor", "2", "--", "3"},
     2,
     "more than one VALUE ('2', '3')"},
    {"SetNoValue", {"set", "--target", "cursor"}, 2, "a VALUE (or --text TEXT) is required"},
    {"SetNoTarget", {"set", "2"}, 2, "--target slide|cursor is required"},
    {"SetTextAndValue",
     {"set", "--target", "cursor", "--text", "2", "3"},
     2,
     "more than one VALUE ('2', '3')"},
    {"RoundApplyWithoutTarget", {"round", "--apply"}, 2, "--apply needs --target slide|cursor"},
    {"RoundTargetWithoutApply",
     {"round", "--target", "cursor"},
     2,
     "--target says what --apply moves; give --apply too"},
    {"MemoriesTakesNoStateOption", {"memories", "--slide", "5"}, 2, "unknown option '--slide'"},
    {"MemoriesProfileMissing",
     {"memories", "--profile", "/nonexistent/p.conf"},
     2,
     "profile file '/nonexistent/p.conf' does not exist",
     0},
    {"RenderEmptyOut", {"render", "--body", "--out", ""}, 2, "--out needs a file name"},
    {"RenderWidthNotANumber",
     {"render", "--window", "--width", "0x300", "--out", "/tmp/x.png"},
     2,
     "--width takes a whole number of pixels from 625 to 2000, not '0x300'"},
    {"ProfileIsADirectory",
     {"readings", "--profile", "/"},
     2,
     "profile file '/' is a directory",
     0},
    {"ProfileIsADevice",
     {"readings", "--profile", "/dev/null"},
     2,
     "profile file '/dev/null' is not a regular file",
     0},
    {"ProfileMissing",
     {"set", "--target", "cursor", "--profile", "/nonexistent/p.conf", "2"},
     2,
     "profile file '/nonexistent/p.conf' does not exist",
     0},
    {"RenderIntoADirectory",
     {"render", "--body", "--out", "/tmp"},
     1,
     "cannot write '/tmp': is a directory",
     0},
    {"RenderIntoAMissingFolder",
     {"render", "--body", "--out", "/nonexistent/folder/x.png"},
     1,
     "cannot write '/nonexistent/folder/x.png'",
     0},
};

INSTANTIATE_TEST_SUITE_P(AllCommands, BadCommandLine, testing::ValuesIn(kBadLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, EveryHelpExplainsTheExitCodes) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"help"},
                                               {"--help"},
                                               {"readings", "--help"},
                                               {"set", "-h"},
                                               {"render", "--help"},
                                               {"tables", "--help"},
                                               {"round", "--help"},
                                               {"memories", "-h"}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.code, 0) << args[0];
        EXPECT_TRUE(Contains(r.out, "exit status: 0 done, 1 refused or failed")) << args[0];
        EXPECT_TRUE(Contains(r.out, "2 usage error")) << args[0];
    }
}

TEST(CommandLine, HelpListsTheOptionsInTheirColumns) {
    const CliResult r = RunCli({"render", "--help"});
    EXPECT_TRUE(
        Contains(r.out,
                 "  --body       the composed rule body of the face and options: 2501 x 170\n"
                 "               pixels, both stators and the slide unshifted, no cursor\n"))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "  --out FILE   where to write the PNG\n"));
    EXPECT_TRUE(Contains(r.out,
                         "  --face front|back  the face of the rule\n"
                         "  --st 0|1           front slide: 0 S and T, 1 S0 and T0\n"));
    EXPECT_TRUE(
        Contains(r.out, "  --profile FILE     read this profile file instead of the user's\n"));
}

TEST(CommandLine, HelpStopsTheParseWhereItStands) {
    // What follows a help request is not read: it cannot make help fail.
    const CliResult r = RunCli({"tables", "--help", "--bogus", "XY"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(Contains(r.out, "usage: tesmark-cli tables"));
    EXPECT_TRUE(r.err.empty());
}

TEST(CommandLine, ParseOnlyAcceptsWhatRunCarriesOut) {
    std::string error;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"readings", "--json", "--slide", "-90000", "--slide", "6390000"},
             {"set", "--target", "cursor", "-2"},
             {"set", "--target", "slide", "--", "--5"},
             {"render", "--window", "--width", "625", "--out", "/nonexistent/x.png"},
             {"tables", "LL/3", "CD"},
             {"set", "--target", "cursor", "--text", "--5"},
             {"round", "--apply", "--target", "slide", "--focus", "13"},
             {"memories", "--json", "--profile", "/nonexistent/p.conf"},
             {"help"}}) {
        EXPECT_EQ(ParseOnly(args, error), 0) << args[0] << ": " << error;
    }
}

}  // namespace
}  // namespace tesmark::cli
