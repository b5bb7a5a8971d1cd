// tesmark-cli memories: the ten memories of a profile as the memory menu
// names them, in both languages, as a table and as JSON, with what a recall
// restores (a damaged option word restores the nearest valid values).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/support/cli_runner.h"

namespace tesmark::cli {
namespace {

// Memories 1-6 of the fixture: home; D = 2 at the left index; S0/T0; the
// back face with LL1/LL2; the back face with the LL bits 3 (no such pair);
// a word with every field beyond its set (face 2, SinNum 2, ScalePI 3,
// ScaleST 3). The profile's Language is Japanese.
const std::string kProfile = TESMARK_SOURCE_DIR "/tests/cli/data/memories.conf";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(MemoriesCommand, TableNamesEveryMemoryAsTheMenuDoes) {
    const CliResult r = RunCli({"memories", "--profile", kProfile, "--lang", "en"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 13u) << r.out;
    EXPECT_EQ(lines[0], "menu: &Memory");
    EXPECT_EQ(lines[1], "set submenu: &Set");
    EXPECT_EQ(lines[2],
              "memory\trecall\tmenu text\tkey\tstore\tset text\tposition\toptions\tface\tst\tpi\t"
              "ll\tsinnum");
    const char* const expected[] = {
        "1\t501\t&1 <ST:D=1.00000:||>\tShift+1\t521\tSet &1\t3150000\t0\tfront\t0\t0\t0\t0",
        "2\t502\t&2 <ST:D=2.00000:}}>\tShift+2\t522\tSet &2\t1253511\t0\tfront\t0\t0\t0\t0",
        "3\t503\t&3 <ST0:D=1.00000:||>\tShift+3\t523\tSet &3\t3150000\t256\tfront\t1\t0\t0\t0",
        "4\t504\t&4 <LL12:D=1.00000:||>\tShift+4\t524\tSet &4\t3150000\t65\tback\t0\t0\t1\t0",
        // The menu names the pair of the bits as stored; a recall takes LL2/LL3.
        "5\t505\t&5 <LL:D=1.00000:||>\tShift+5\t525\tSet &5\t3150000\t193\tback\t0\t0\t2\t0",
        "6\t506\t&6 <LL01:D=5.08568:{{>\tShift+6\t526\tSet &6\t5000000\t826\tback\t1\t1\t0\t1",
        "7\t507\t&7 <ST:D=1.00000:||>\tShift+7\t527\tSet &7\t3150000\t0\tfront\t0\t0\t0\t0",
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(lines[3 + i], expected[i]);
    EXPECT_EQ(lines[12],
              "10\t510\t&0 <ST:D=1.00000:||>\tShift+0\t530\tSet &0\t3150000\t0\tfront\t0\t0\t0\t0");
}

TEST(MemoriesCommand, TheLanguageNamesTheMenuAndDefaultsToTheProfiles) {
    const CliResult japanese = RunCli({"memories", "--profile", kProfile});
    ASSERT_EQ(japanese.code, 0) << japanese.err;
    EXPECT_EQ(japanese.out.rfind("menu: 滑尺メモリ(&M)\nset submenu: セット(&S)\n", 0), 0u)
        << japanese.out;
    // The items read the same in both languages.
    const CliResult english = RunCli({"memories", "--profile", kProfile, "--lang", "en"});
    EXPECT_EQ(japanese.out.substr(japanese.out.find("\nmemory\t")),
              english.out.substr(english.out.find("\nmemory\t")));
}

TEST(MemoriesCommand, JsonHoldsTheItemsTheStoredWordAndWhatARecallRestores) {
    for (const char* language : {"en", "ja"}) {
        SCOPED_TRACE(language);
        const CliResult r =
            RunCli({"memories", "--json", "--profile", kProfile, "--lang", language});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(JsonField(r.out, "menu"),
                  std::string(language) == "en" ? "\"&Memory\"" : "\"滑尺メモリ(&M)\"");
        EXPECT_EQ(JsonField(r.out, "setMenu"),
                  std::string(language) == "en" ? "\"&Set\"" : "\"セット(&S)\"");
        const std::string fifth = r.out.substr(r.out.find("{\"memory\": 5,"));
        EXPECT_EQ(JsonField(fifth, "recallId"), "505");
        EXPECT_EQ(JsonField(fifth, "recallText"), "\"&5 <LL:D=1.00000:||>\\tShift+5\"");
        EXPECT_EQ(JsonField(fifth, "storeText"), "\"Set &5\"");
        EXPECT_EQ(JsonField(fifth, "options"), "193");
        EXPECT_EQ(JsonField(fifth, "ScaleLL"), "2");
        const std::string sixth = r.out.substr(r.out.find("{\"memory\": 6,"));
        EXPECT_EQ(sixth.rfind("{\"memory\": 6, \"recallId\": 506, \"recallText\": \"&6 "
                              "<LL01:D=5.08568:{{>\\tShift+6\", \"storeId\": 526, \"storeText\": "
                              "\"Set &6\", \"position\": 5000000, \"options\": 826, \"restores\": "
                              "{\"SlidePos\": 5000000, \"SlideRev\": 1, \"SinNum\": 1, "
                              "\"ScaleLL\": 0, \"ScaleST\": 1, \"ScalePI\": 1}},\n",
                              0),
                  0u)
            << sixth;
        EXPECT_EQ(r.out.substr(r.out.size() - 4), "\n]}\n");
    }
}

TEST(MemoriesCommand, RefusesBadOptionsAndAProfileThatCannotBeRead) {
    EXPECT_EQ(RunCli({"memories", "--lang", "de"}).code, 2);
    EXPECT_EQ(RunCli({"memories", "--focus", "14"}).code, 2);  // no state options
    const CliResult missing = RunCli({"memories", "--profile", "/nonexistent/Tesmark.conf"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err,
              "tesmark-cli memories: profile file '/nonexistent/Tesmark.conf' does not exist\n");
    const CliResult help = RunCli({"memories", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("usage: tesmark-cli memories"), std::string::npos);
}

}  // namespace
}  // namespace tesmark::cli
