// tesmark-cli set: a value set on the rule as a paste sets it, the readings
// that result, refusals and option errors.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/support/cli_runner.h"
#include "model/reading_table.h"

namespace tesmark::cli {
namespace {

using Result = CliResult;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(SetCommand, SetsDOnTheCursorAndReportsThePosition) {
    Result r =
        RunCli({"set", "--json", "--face", "front", "--focus", "14", "--target", "cursor", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"CursorPos\": 1896489")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"result\": 1896489"));
    EXPECT_TRUE(Contains(r.out, "\"message\": \"Moved CURSOR.\""));
    EXPECT_TRUE(Contains(r.out, "\"text\": \"2.00000\""));
}

TEST(SetCommand, ReadsTheLeadingNumberOfTheTextAsAPasteDoes) {
    Result r = RunCli({"set", "--json", "--face", "front", "--focus", "14", "--target", "cursor",
                       "--", "-2 apples"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"result\": 1896489"));
    // Cut to its first 20 characters the exponent is lost: L = 0.25, not 2.5.
    r = RunCli({"set", "--json", "--face", "front", "--focus", "16", "--target", "cursor",
                "0.250000000000000000e1"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"result\": 1575000")) << r.out;
}

TEST(SetCommand, LogLogMoveSwitchesPairAndFocusInJapanese) {
    Result r = RunCli({"set", "--json", "--lang", "ja", "--face", "back", "--ll", "0", "--focus",
                       "16", "--target", "cursor", "0.5"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"result\": 5297200"));
    EXPECT_TRUE(Contains(r.out, "\"NumFoucs\": 8"));
    EXPECT_TRUE(Contains(r.out, "\"ScaleLL\": 1"));
    EXPECT_TRUE(Contains(r.out, "\"message\": \"カーソル を移動しました。\""));
}

TEST(SetCommand, SlideTargetKeepsTheCursor) {
    Result r = RunCli({"set", "--json", "--face", "front", "--focus", "13", "--cursor", "1000000",
                       "--target", "slide", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"CursorPos\": 1000000"));
    EXPECT_TRUE(Contains(r.out, "\"message\": \"Moved SLIDE.\""));
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class SetRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SetRefusal, PrintsTheUnchangedStateAndExitsWithOne) {
    std::vector<std::string> args = {"set", "--json", "--slide", "3000000", "--cursor", "2000000"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    Result r = RunCli(args);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(Contains(r.out, "\"result\": -1"));
    EXPECT_TRUE(Contains(r.out, std::string("\"message\": \"") + GetParam().message + "\""))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "\"SlidePos\": 3000000"));
    EXPECT_TRUE(Contains(r.out, "\"CursorPos\": 2000000"));
    EXPECT_TRUE(Contains(r.err, GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SetRefusal,
    ::testing::Values(
        RefusalCase{
            "TextWithoutANumber", {"--focus", "14", "--target", "cursor", "abc"}, "DOMAIN error."},
        RefusalCase{"NaN", {"--focus", "14", "--target", "cursor", "nan"}, "DOMAIN error."},
        RefusalCase{"Infinity", {"--focus", "14", "--target", "cursor", "inf"}, "DOMAIN error."},
        RefusalCase{
            "BeyondDouble", {"--focus", "13", "--target", "slide", "1e999"}, "DOMAIN error."},
        RefusalCase{"LogLogOverflow",
                    {"--face", "back", "--focus", "16", "--target", "cursor", "300000"},
                    "Slide Rule overflow error."},
        RefusalCase{"CannotMove",
                    {"--face", "front", "--st", "0", "--focus", "11", "--target", "cursor",
                     "--lang", "ja", "0.3"},
                    "カーソル を移動できません。"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(SetCommand, TableOutputStartsWithResultAndMessage) {
    Result r = RunCli({"set", "--face", "front", "--focus", "14", "--target", "cursor", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("result: 1896489\nmessage: Moved CURSOR.\n", 0), 0u) << r.out;
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

class SetUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(SetUsage, IsRefusedWithExitCodeTwo) {
    Result r = RunCli(GetParam().args);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(r.err.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, SetUsage,
    ::testing::Values(UsageCase{"NoTarget", {"set", "2"}},
                      UsageCase{"BadTarget", {"set", "--target", "hairline", "2"}},
                      UsageCase{"NoValue", {"set", "--target", "cursor"}},
                      UsageCase{"TwoValues", {"set", "--target", "cursor", "2", "3"}},
                      UsageCase{"BadLanguage", {"set", "--target", "cursor", "--lang", "de", "2"}},
                      UsageCase{"UnknownOption", {"set", "--target", "cursor", "--fast", "2"}},
                      UsageCase{"BadFocus", {"set", "--target", "cursor", "--focus", "23", "2"}}),
    [](const ::testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

TEST(SetCommand, HelpExplainsTheCommand) {
    Result r = RunCli({"set", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(Contains(r.out, "usage: tesmark-cli set"));
}

}  // namespace
}  // namespace tesmark::cli

namespace tesmark::cli {
namespace {

// The slots each bar sets by value in the window.
bool SlideSets(int slot) {
    return (slot >= 1 && slot <= 6) || (slot >= 10 && slot <= 13) || (slot >= 17 && slot <= 22);
}
bool CursorSets(int slot) {
    return slot >= 7 && slot <= 16;
}

TEST(SetCommand, RefusesEveryFocusTheTargetCannotSetAndGoesOnWithTheOthers) {
    for (const char* face : {"front", "back"}) {
        for (int slot = 0; slot <= 22; ++slot) {
            for (const char* target : {"slide", "cursor"}) {
                const bool sets =
                    std::string(target) == "slide" ? SlideSets(slot) : CursorSets(slot);
                const Result r = RunCli({"set", "--face", face, "--slide", "3150000", "--focus",
                                         std::to_string(slot), "--target", target, "2"});
                const std::string where = std::string(face) + " slot " + std::to_string(slot) +
                                          " " + target + ": " + r.err;
                // The front face's top row (slots 1, 7 and 17) shows no
                // scale: a paste there moves nothing, and set says so.
                const bool blank = std::string(face) == "front" && PlaceOfSlot(slot).row == 0;
                if (sets && blank) {
                    EXPECT_EQ(r.code, 1) << where;
                    EXPECT_TRUE(r.out.empty()) << where;
                    EXPECT_EQ(r.err, "tesmark-cli set: the focus slot " + std::to_string(slot) +
                                         " shows no reading\n");
                } else if (sets) {
                    EXPECT_FALSE(Contains(r.err, "cannot set")) << where;
                    EXPECT_FALSE(r.out.empty()) << where;
                } else {
                    EXPECT_EQ(r.code, 1) << where;
                    EXPECT_TRUE(r.out.empty()) << where;
                    EXPECT_TRUE(Contains(r.err, slot == 0
                                                    ? "there is no focus slot to set"
                                                    : "cannot set slot " + std::to_string(slot)))
                        << where;
                }
            }
        }
    }
}

struct FocusRefusal {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class SetFocusRefusal : public ::testing::TestWithParam<FocusRefusal> {};

TEST_P(SetFocusRefusal, SaysWhatTheTargetSets) {
    const Result r = RunCli(GetParam().args);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(r.err, std::string("tesmark-cli set: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Messages, SetFocusRefusal,
    ::testing::Values(
        FocusRefusal{"SlideOnD",
                     {"set", "--face", "front", "--focus", "14", "--target", "slide", "2"},
                     "the slide cannot set slot 14 (D): it sets slots 1-6, 10-13 and 17-22"},
        FocusRefusal{"CursorOnAnIndex",
                     {"set", "--face", "back", "--focus", "22", "--target", "cursor", "2"},
                     "the cursor cannot set slot 22 (LL2): it sets slots 7-16"},
        FocusRefusal{"NoFocus",
                     {"set", "--focus", "0", "--target", "slide", "2"},
                     "there is no focus slot to set (give --focus SLOT; the slide sets slots "
                     "1-6, 10-13 and 17-22)"},
        // The window moves a focus off an index without a reading before it
        // paints; the target must suit the slot the focus then stands on.
        FocusRefusal{"AfterTheFixUp",
                     {"set", "--face", "front", "--slide", "4000000", "--focus", "6", "--target",
                      "cursor", "2"},
                     "the cursor cannot set slot 22 (L): it sets slots 7-16"}),
    [](const ::testing::TestParamInfo<FocusRefusal>& info) { return info.param.name; });

TEST(SetCommand, SetsFromTheSlotTheFocusIsMovedTo) {
    // Slot 4 has no reading with the slide this far right: the focus is on
    // 20 (D at the right index) when the value is set, and back on 4 once
    // the slide has moved far enough left for the left index to read D = 2.
    const Result r = RunCli({"set", "--json", "--face", "front", "--slide", "4000000", "--focus",
                             "4", "--target", "slide", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"message\": \"Moved SLIDE.\"")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"NumFoucs\": 4")) << r.out;
    EXPECT_TRUE(
        Contains(r.out, "{\"slot\": 4, \"column\": \"left\", \"row\": 7, \"scale\": \"D\""));
    EXPECT_TRUE(Contains(r.out, "\"text\": \"2.00000\""));
}

}  // namespace
}  // namespace tesmark::cli

namespace tesmark::cli {
namespace {

// --text TEXT is the paste's text: the leading number of its first 20
// characters, through the paste command's own path.
TEST(SetText, ReadsTheLeadingNumberOfTheFirstTwentyCharacters) {
    struct Case {
        const char* text;
        const char* reads;  // D under the cursor afterwards
    };
    for (const Case& c : {Case{"2.5 word", "2.50000"}, Case{"-2 apples", "2.00000"},
                          Case{"1234567890123456789012345", "1.23457"}}) {
        SCOPED_TRACE(c.text);
        const Result r = RunCli({"set", "--json", "--face", "front", "--focus", "14", "--target",
                                 "cursor", "--text", c.text});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_TRUE(Contains(r.out, "\"message\": \"Moved CURSOR.\"")) << r.out;
        EXPECT_TRUE(Contains(r.out, "{\"slot\": 14, \"column\": \"cursor\""));
        const std::size_t d = r.out.find("{\"slot\": 14,");
        EXPECT_EQ(JsonField(r.out.substr(d), "text"), '"' + std::string(c.reads) + '"');
    }
    // The 25 digits are cut to 20: the move is the one of the first 20 alone.
    const Result cut = RunCli(
        {"set", "--json", "--focus", "14", "--target", "cursor", "--text", "12345678901234567890"});
    const Result full = RunCli({"set", "--json", "--focus", "14", "--target", "cursor", "--text",
                                "1234567890123456789012345"});
    EXPECT_EQ(JsonField(cut.out, "result"), JsonField(full.out, "result"));
}

TEST(SetText, RefusesWhatIsNoNumberWithTheWindowsMessage) {
    for (const char* text : {"word", "", "nan", "inf", "-inf", "1e999"}) {
        SCOPED_TRACE(text);
        const Result r = RunCli({"set", "--json", "--cursor", "2000000", "--focus", "14",
                                 "--target", "cursor", "--text", text});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(Contains(r.out, "\"result\": -1"));
        EXPECT_TRUE(Contains(r.out, "\"message\": \"DOMAIN error.\"")) << r.out;
        EXPECT_TRUE(Contains(r.out, "\"CursorPos\": 2000000"));
        EXPECT_EQ(r.err, "tesmark-cli set: DOMAIN error.\n");
    }
}

TEST(SetText, IsOneValueWithVALUE) {
    EXPECT_EQ(RunCli({"set", "--target", "cursor", "--text", "2", "3"}).code, 2);
    EXPECT_EQ(RunCli({"set", "--target", "cursor", "--text", "2", "--text", "3"}).code, 2);
    EXPECT_EQ(RunCli({"set", "--target", "cursor", "--text"}).code, 2);
    EXPECT_TRUE(Contains(RunCli({"set", "--help"}).out, "--text TEXT"));
}

}  // namespace
}  // namespace tesmark::cli
