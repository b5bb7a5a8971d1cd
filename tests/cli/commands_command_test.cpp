// tesmark-cli commands: the registry as a table and as JSON, in both
// languages, with the states for the state options given.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_runner.h"

namespace tesmark::cli {
namespace {

// The JSON object of one command, as one line of the listing.
std::string ObjectOf(const std::string& json, int id) {
    const std::string key = "{\"id\": " + std::to_string(id) + ",";
    const std::size_t start = json.find(key);
    if (start == std::string::npos) return {};
    return json.substr(start, json.find('}', start) - start + 1);
}

TEST(CommandsCommand, JsonListsEveryCommandWithItsState) {
    const CliResult result = RunCli({"commands", "--json", "--lang", "en", "--face", "back"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out.front(), '[');
    const std::string reverse = ObjectOf(result.out, 111);
    EXPECT_NE(reverse.find("\"englishId\": 32783"), std::string::npos) << reverse;
    EXPECT_NE(reverse.find("\"keys\": \"R, Shift+R\""), std::string::npos) << reverse;
    EXPECT_NE(reverse.find("\"menuText\": \"&Reverse R\""), std::string::npos) << reverse;
    EXPECT_NE(reverse.find("\"prompt\": \"Reverse\""), std::string::npos) << reverse;
    // On the back face the front's options are disabled, the back's enabled.
    EXPECT_NE(ObjectOf(result.out, 116).find("\"enabled\": false"), std::string::npos);
    const std::string ll2 = ObjectOf(result.out, 823);
    EXPECT_NE(ll2.find("\"enabled\": true"), std::string::npos) << ll2;
    EXPECT_NE(ll2.find("\"mark\": \"radio\", \"enabled\": true, \"marked\": true"),
              std::string::npos)
        << ll2;
    EXPECT_NE(ObjectOf(result.out, 530).find("\"name\": \"store memory 10\""), std::string::npos);
}

TEST(CommandsCommand, JapaneseTextsAndTheContextOptions) {
    const CliResult plain = RunCli({"commands", "--lang", "ja"});
    ASSERT_EQ(plain.code, 0) << plain.err;
    EXPECT_NE(
        plain.out.find("111\t32783\tR, Shift+R\tnone\tyes\tno\treverse the rule\t裏返す(&R) R"),
        std::string::npos);
    EXPECT_NE(plain.out.find("631\t32790\tCtrl+Z\tnone\tno\t"), std::string::npos);
    const CliResult withUndo = RunCli({"commands", "--lang", "ja", "--undo"});
    EXPECT_NE(withUndo.out.find("631\t32790\tCtrl+Z\tnone\tyes\t"), std::string::npos);
    // Slot 13 is a slide and a cursor slot; the paste needs clipboard text.
    const CliResult paste = RunCli({"commands", "--json", "--focus", "13", "--clipboard"});
    EXPECT_NE(ObjectOf(paste.out, 602).find("\"enabled\": true"), std::string::npos);
    const CliResult noPaste = RunCli({"commands", "--json", "--focus", "13"});
    EXPECT_NE(ObjectOf(noPaste.out, 602).find("\"enabled\": false"), std::string::npos);
}

TEST(CommandsCommand, RefusesBadOptions) {
    EXPECT_EQ(RunCli({"commands", "--lang", "de"}).code, 2);
    EXPECT_EQ(RunCli({"commands", "--lang"}).code, 2);
    EXPECT_EQ(RunCli({"commands", "--bogus"}).code, 2);
    const CliResult help = RunCli({"commands", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("usage: tesmark-cli commands"), std::string::npos);
}

}  // namespace
}  // namespace tesmark::cli
