// tesmark-cli readings: the table, the JSON object and the option errors.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "cli/support/cli_runner.h"

namespace tesmark::cli {
namespace {

using Result = CliResult;

TEST(ReadingsCommand, JsonHoldsTheStateAndAllSlotsInOrder) {
    Result r = RunCli({"readings", "--json", "--face", "back", "--focus", "7"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"SlideRev\": 1"), std::string::npos);
    EXPECT_NE(r.out.find("\"NumFoucs\": 7"), std::string::npos);
    EXPECT_NE(r.out.find("{\"slot\": 1, \"column\": \"left\", \"row\": 0, \"scale\": \"LL/2\""),
              std::string::npos);
    EXPECT_NE(r.out.find("\"text\": \".9048374\""), std::string::npos);
    std::size_t last = r.out.find("{\"slot\": 22, \"column\": \"right\", \"row\": 9");
    EXPECT_NE(last, std::string::npos);
    EXPECT_LT(r.out.find("{\"slot\": 21,"), last);
}

TEST(ReadingsCommand, FrontRowZeroHasNoScaleAndOffStatorIndexShowsDashes) {
    Result r = RunCli({"readings", "--json", "--face", "front", "--slide", "3750000"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("{\"slot\": 1, \"column\": \"left\", \"row\": 0, \"scale\": null, "
                         "\"value\": -99, \"text\": \"\"}"),
              std::string::npos);
    EXPECT_NE(r.out.find("{\"slot\": 4, \"column\": \"left\", \"row\": 7, \"scale\": \"D\", "
                         "\"value\": -99, \"text\": \"--------\"}"),
              std::string::npos);
}

TEST(ReadingsCommand, ValuesRoundTripAsDoubles) {
    Result r = RunCli({"readings", "--json"});
    ASSERT_EQ(r.code, 0);
    std::size_t at = r.out.find("{\"slot\": 14,");
    ASSERT_NE(at, std::string::npos);
    std::size_t value = r.out.find("\"value\": ", at) + 9;
    EXPECT_EQ(std::strtod(r.out.c_str() + value, nullptr), 3.1622776601683795);
}

TEST(ReadingsCommand, TableShowsPanelTexts) {
    Result r = RunCli({"readings", "--face", "front"});
    ASSERT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("16    cursor  R9   L      1.5"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(".500000"), std::string::npos);
}

TEST(ReadingsCommand, ProfileFileSuppliesWhatOptionsDoNotGive) {
    QTemporaryDir dir;
    const QString file = dir.filePath("p.conf");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[TesmarkX]\nScaleRev=257\nSlidePos=3000000\nSlideRev=1\nScaleLL=0\n");
    f.close();
    Result r = RunCli({"readings", "--json", "--profile", file.toStdString(), "--ll", "1"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"SlidePos\": 3000000"), std::string::npos);
    EXPECT_NE(r.out.find("\"SlideRev\": 1"), std::string::npos);
    EXPECT_NE(r.out.find("\"ScaleLL\": 1"), std::string::npos);
}

struct BadOptionCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class ReadingsBadOptionTest : public testing::TestWithParam<BadOptionCase> {};

TEST_P(ReadingsBadOptionTest, ExitsNonZeroWithAMessage) {
    Result r = RunCli(GetParam().args);
    EXPECT_NE(r.code, 0);
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Options, ReadingsBadOptionTest,
    testing::Values(
        BadOptionCase{"UnknownOption", {"readings", "--bogus"}, "unknown option '--bogus'"},
        BadOptionCase{"BadFace", {"readings", "--face", "side"}, "--face takes front or back"},
        BadOptionCase{"LlOutOfRange", {"readings", "--ll", "3"}, "--ll takes a whole number"},
        BadOptionCase{"SlideNotANumber", {"readings", "--slide", "12x"}, "--slide takes"},
        BadOptionCase{"SlideOutOfRange", {"readings", "--slide", "9999999"}, "--slide takes"},
        BadOptionCase{"MissingValue", {"readings", "--focus"}, "--focus needs a value"},
        BadOptionCase{
            "MissingProfile", {"readings", "--profile", "/nonexistent/x.conf"}, "does not exist"},
        BadOptionCase{"UnknownCommand", {"frobnicate"}, "unknown command"}),
    [](const auto& info) { return info.param.name; });

TEST(ReadingsCommand, HelpExplainsTheOptions) {
    Result r = RunCli({"readings", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("--focus SLOT"), std::string::npos);
}

}  // namespace
}  // namespace tesmark::cli

namespace tesmark::cli {
namespace {

struct FixUpCase {
    const char* slide;
    const char* focus;
    const char* shown;
};

TEST(ReadingsCommand, ShowsTheFocusTheWindowPaints) {
    // An index focus without a reading moves to the other index column; at
    // exactly the bounds it stays (and reads -99).
    const FixUpCase cases[] = {
        {"4000000", "6", "\"NumFoucs\": 22"}, {"2000000", "20", "\"NumFoucs\": 4"},
        {"3750000", "6", "\"NumFoucs\": 6"},  {"2550000", "20", "\"NumFoucs\": 20"},
        {"3150000", "6", "\"NumFoucs\": 6"},  {"4000000", "14", "\"NumFoucs\": 14"},
    };
    for (const FixUpCase& c : cases) {
        const CliResult r = RunCli(
            {"readings", "--json", "--face", "front", "--slide", c.slide, "--focus", c.focus});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_NE(r.out.find(c.shown), std::string::npos) << c.slide << " " << c.focus;
    }
}

}  // namespace
}  // namespace tesmark::cli
