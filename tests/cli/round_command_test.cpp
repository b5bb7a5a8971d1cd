// tesmark-cli round: the zero rounding of the focus reading, the move with
// --apply made as the window's zero-rounding command makes it, and the
// refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/support/cli_runner.h"

namespace tesmark::cli {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The panel text of slot 14 (D under the cursor) in a JSON state.
std::string DText(const std::string& json) {
    const std::size_t slot = json.find("{\"slot\": 14,");
    if (slot == std::string::npos) return {};
    return JsonField(json.substr(slot), "text").value_or("");
}

TEST(RoundCommand, PrintsTheFocusReadingAndItsRoundedValue) {
    const CliResult text = RunCli({"round", "--face", "front", "--focus", "14"});
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_EQ(text.out, "focus: 14 (D)\nreading: 3.1622776601683795 (3.16228)\nrounded: 3.1622\n");
    const CliResult json =
        RunCli({"round", "--json", "--face", "back", "--ll", "2", "--focus", "16"});
    ASSERT_EQ(json.code, 0) << json.err;
    EXPECT_EQ(JsonField(json.out, "focus"), "16");
    EXPECT_EQ(JsonField(json.out, "scale"), "\"LL2\"");
    EXPECT_TRUE(JsonField(json.out, "rounded"));
}

TEST(RoundCommand, ApplyRoundsOneDigitARun) {
    const CliResult pasted = RunCli({"set", "--json", "--face", "front", "--focus", "14",
                                     "--target", "cursor", "--text", "3.14159"});
    ASSERT_EQ(pasted.code, 0) << pasted.err;
    ASSERT_EQ(DText(pasted.out), "\"3.14159\"");
    std::string cursor = JsonField(pasted.out, "CursorPos").value_or("");
    struct Step {
        const char* rounded;
        const char* reads;
    };
    for (const Step& step :
         {Step{"3.1415", "3.14150"}, Step{"3.141", "3.14100"}, Step{"3.14", "3.14000"}}) {
        SCOPED_TRACE(step.rounded);
        const CliResult r = RunCli({"round", "--json", "--apply", "--target", "cursor", "--face",
                                    "front", "--focus", "14", "--cursor", cursor});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(JsonField(r.out, "rounded"), step.rounded);
        EXPECT_EQ(JsonField(r.out, "message"), "\"Moved CURSOR.\"");
        EXPECT_EQ(DText(r.out), '"' + std::string(step.reads) + '"');
        cursor = JsonField(r.out, "CursorPos").value_or("");
        EXPECT_EQ(JsonField(r.out, "result"), cursor);
    }
}

TEST(RoundCommand, ApplyPrintsTheStateAsSetDoes) {
    const CliResult r = RunCli({"round", "--apply", "--target", "slide", "--lang", "ja", "--face",
                                "front", "--focus", "13"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("result: ", 0), 0u) << r.out;
    EXPECT_TRUE(Contains(r.out, "\nmessage: 滑尺 を移動しました。\nrounded: 3.1622\nslot  column"))
        << r.out;
}

TEST(RoundCommand, ARefusedMoveKeepsTheStateAndExitsWithOne) {
    // D = 1 under the cursor rounds to 0, which D cannot show.
    const CliResult r = RunCli({"round", "--json", "--apply", "--target", "cursor", "--face",
                                "front", "--focus", "14", "--cursor", "0"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(JsonField(r.out, "rounded"), "0");
    EXPECT_EQ(JsonField(r.out, "result"), "-1");
    EXPECT_EQ(JsonField(r.out, "CursorPos"), "0");
    EXPECT_EQ(r.err, "tesmark-cli round: DOMAIN error.\n");
}

struct RoundRefusal {
    const char* name;
    std::vector<std::string> args;
    int code;
    const char* message;
};

class RoundRefused : public ::testing::TestWithParam<RoundRefusal> {};

TEST_P(RoundRefused, SaysWhyOnStandardError) {
    std::vector<std::string> args = {"round"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.code, GetParam().code);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(r.err, std::string("tesmark-cli round: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundRefused,
    ::testing::Values(
        RoundRefusal{"UnknownOption", {"--text", "2"}, 2, "unknown option '--text' (see --help)"},
        RoundRefusal{"NoFocus", {"--focus", "0"}, 1, "there is no focus slot (give --focus SLOT)"},
        RoundRefusal{"FocusWithoutReading",
                     {"--face", "front", "--focus", "7"},
                     1,
                     "the focus slot 7 shows no reading"},
        RoundRefusal{"TargetCannotSetTheFocus",
                     {"--apply", "--target", "slide", "--face", "front", "--focus", "14"},
                     1,
                     "the slide cannot set slot 14 (D): it sets slots 1-6, 10-13 and 17-22"}),
    [](const ::testing::TestParamInfo<RoundRefusal>& info) { return info.param.name; });

TEST(RoundCommand, HelpExplainsTheCommand) {
    const CliResult r = RunCli({"round", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(Contains(r.out, "usage: tesmark-cli round"));
    EXPECT_TRUE(Contains(r.out, "--apply"));
    EXPECT_TRUE(Contains(RunCli({"help"}).out, "  round "));
}

}  // namespace
}  // namespace tesmark::cli
