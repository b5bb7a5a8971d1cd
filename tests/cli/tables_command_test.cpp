// tesmark-cli tables: CSV and JSON listings of the graduation tables, and the
// refusals of names and options it does not know.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <sstream>
#include <string>
#include <vector>

#include "cli_main.h"

namespace tesmark {
namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunCli(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::Run(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(TablesCommand, CsvListsTheNamedTableUnderItsHeader) {
    const Result result = RunCli({"tables", "CD"});
    ASSERT_EQ(result.code, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 1u + 351u);  // header and marks 0..350
    EXPECT_EQ(lines[0], "table,index,position,tick,label");
    EXPECT_EQ(lines[1], "CD,0,0,7,1");
    EXPECT_EQ(lines[51], "CD,50,370,7,2");
    EXPECT_EQ(lines[101], "CD,100,632,9,2");
    EXPECT_EQ(lines.back(), "CD,350,2100,7,10");
}

TEST(TablesCommand, CsvShowsLogLogLabelsAsTextAndQuotesLeadingBlanks) {
    const Result result = RunCli({"tables", "LL/3", "LL1"});
    ASSERT_EQ(result.code, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 1u + 356u + 361u);  // LL tables list marks 0..count-1
    EXPECT_EQ(lines[1], "LL/3,0,0,7,\" 1/e\"");
    EXPECT_EQ(lines[2], "LL/3,1,5,3,");
    EXPECT_TRUE(Contains(lines, "LL/3,34,169,7,.3"));
    EXPECT_EQ(lines[356], "LL/3,355,2101,3,");
    EXPECT_EQ(lines[357], "LL1,0,2099,7,");
    EXPECT_EQ(lines.back(), "LL1,360,-5,7,1.01");
}

TEST(TablesCommand, WithoutNamesListsAllSixteenTablesInOrder) {
    const Result result = RunCli({"tables"});
    ASSERT_EQ(result.code, 0) << result.err;
    std::vector<std::string> order;
    for (const std::string& line : Lines(result.out)) {
        const std::string table = line.substr(0, line.find(','));
        if (table != "table" && (order.empty() || order.back() != table)) order.push_back(table);
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"CD", "AB", "K", "S", "T", "S0", "T0", "L", "LL0", "LL1",
                                        "LL2", "LL3", "LL/0", "LL/1", "LL/2", "LL/3"}));
}

TEST(TablesCommand, JsonParsesAndKeepsEachCountConvention) {
    const Result result = RunCli({"tables", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_TRUE(document.isObject());
    const QJsonObject root = document.object();
    EXPECT_EQ(root.size(), 16);

    const QJsonObject cd = root["CD"].toObject();
    EXPECT_EQ(cd["count"].toInt(), 350);
    const QJsonArray cdMarks = cd["marks"].toArray();
    ASSERT_EQ(cdMarks.size(), 351);
    const QJsonObject fifty = cdMarks[50].toObject();
    EXPECT_EQ(fifty["index"].toInt(), 50);
    EXPECT_EQ(fifty["position"].toInt(), 370);
    EXPECT_EQ(fifty["tick"].toInt(), 7);
    EXPECT_EQ(fifty["label"].toInt(), 2);

    const QJsonObject recip2 = root["LL/2"].toObject();
    EXPECT_EQ(recip2["count"].toInt(), 327);
    const QJsonArray recipMarks = recip2["marks"].toArray();
    ASSERT_EQ(recipMarks.size(), 327);
    EXPECT_EQ(recipMarks[0].toObject()["label"].toString(), " 1/e");
    EXPECT_EQ(recipMarks[1].toObject()["label"].toString(), "");
    EXPECT_EQ(recipMarks[326].toObject()["position"].toInt(), -2);
}

TEST(TablesCommand, JsonListsATableNamedTwiceOnce) {
    const Result result = RunCli({"tables", "K", "--json", "K"});
    ASSERT_EQ(result.code, 0) << result.err;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(result.out));
    ASSERT_TRUE(document.isObject());
    EXPECT_EQ(document.object().keys(), QStringList{"K"});
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class TablesRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TablesRefusalTest, ExitsWithUsageErrorAndSaysWhy) {
    const Result result = RunCli(GetParam().args);
    EXPECT_EQ(result.code, 2);
    EXPECT_TRUE(result.out.empty()) << result.out.substr(0, 200);
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
}

const RefusalCase kRefusals[] = {
    {"UnknownTable", {"tables", "CD", "XY"}, "unknown table 'XY'"},
    {"NamesAreExact", {"tables", "ll0"}, "unknown table 'll0'"},
    {"UnknownOption", {"tables", "--csv"}, "unknown option '--csv'"},
};

INSTANTIATE_TEST_SUITE_P(Arguments, TablesRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TablesCommand, HelpExplainsTheCommand) {
    const Result result = RunCli({"tables", "--help"});
    EXPECT_EQ(result.code, 0);
    EXPECT_NE(result.out.find("usage: tesmark-cli tables [--json] [NAME...]"), std::string::npos);
    EXPECT_NE(result.out.find("LL/3"), std::string::npos);
}

TEST(TablesCommand, IsListedInTheCommandTable) {
    const Result result = RunCli({"help"});
    EXPECT_NE(result.out.find("tables"), std::string::npos);
}

}  // namespace
}  // namespace tesmark
