// tesmark-cli render: the rule body and the window as PNG files, and the
// option errors.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "cli/support/cli_runner.h"

namespace tesmark::cli {
namespace {

bool IsRed(QRgb pixel) {
    return pixel == qRgb(240, 0, 0);
}

TEST(RenderCommand, WritesTheRuleBody) {
    QTemporaryDir dir;
    const std::string out = dir.filePath("body.png").toStdString();
    CliResult r = RunCli({"render", "--body", "--face", "back", "--out", out});
    ASSERT_EQ(r.code, 0) << r.err;
    const QImage image(QString::fromStdString(out));
    EXPECT_EQ(image.size(), QSize(2501, 170));
    // The back face's upper stator starts with the red LL/ scale names.
    bool red = false;
    for (int x = 1; x < 28 && !red; ++x)
        for (int y = 2; y < 15 && !red; ++y) red = IsRed(image.pixel(x, y));
    EXPECT_TRUE(red);
}

TEST(RenderCommand, WritesTheWindowAtItsWidthWithTheHairline) {
    QTemporaryDir dir;
    const std::string out = dir.filePath("window.png").toStdString();
    CliResult r = RunCli({"render", "--window", "--width", "1001", "--out", out});
    ASSERT_EQ(r.code, 0) << r.err;
    const QImage image(QString::fromStdString(out));
    EXPECT_EQ(image.size(), QSize(1001, 325));
    EXPECT_TRUE(IsRed(image.pixel(345 + (1001 - 625) / 2, 120)));
}

struct BadRenderCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class RenderBadOptionTest : public testing::TestWithParam<BadRenderCase> {};

TEST_P(RenderBadOptionTest, ExitsWithAMessage) {
    CliResult r = RunCli(GetParam().args);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Options, RenderBadOptionTest,
    testing::Values(
        BadRenderCase{"NothingToRender", {"render", "--out", "/tmp/x.png"}, "--body or --window"},
        BadRenderCase{"NoOutput", {"render", "--body"}, "--out FILE.png"},
        BadRenderCase{"Both", {"render", "--body", "--window", "--out", "/tmp/x.png"}, "not both"},
        BadRenderCase{"WidthForBody",
                      {"render", "--body", "--width", "900", "--out", "/tmp/x.png"},
                      "--window only"},
        BadRenderCase{"BadWidth",
                      {"render", "--window", "--width", "wide", "--out", "/tmp/x.png"},
                      "--width takes a whole number of pixels from 625 to 2000, not 'wide'"},
        // One range check, with the range the window can have.
        BadRenderCase{"WidthBelowTheWindow",
                      {"render", "--window", "--width", "100", "--out", "/tmp/x.png"},
                      "--width takes a whole number of pixels from 625 to 2000, not '100'"},
        BadRenderCase{"WidthBeyondTheWindow",
                      {"render", "--window", "--width", "2001", "--out", "/tmp/x.png"},
                      "from 625 to 2000, not '2001'"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tesmark::cli
