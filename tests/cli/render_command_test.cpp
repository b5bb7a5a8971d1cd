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

// --scale R draws the picture for a screen of R device pixels per pixel.
struct ScaleCase {
    const char* name;
    std::vector<std::string> args;
    QSize size;
};

class RenderScaleTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(RenderScaleTest, WritesThePictureAtTheRatio) {
    QTemporaryDir dir;
    const std::string out = dir.filePath("scaled.png").toStdString();
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--out", out});
    CliResult r = RunCli(args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, RenderScaleTest,
    testing::Values(
        ScaleCase{"BodyAtTwo", {"render", "--body", "--scale", "2"}, QSize(5002, 340)},
        ScaleCase{"WindowAtTwo", {"render", "--window", "--scale", "2"}, QSize(1760, 650)},
        ScaleCase{"WindowAtOneAndAHalf",
                  {"render", "--window", "--width", "1001", "--scale", "1.5"},
                  QSize(1502, 488)},
        ScaleCase{"WindowAtThree", {"render", "--window", "--scale", "3.0"}, QSize(2640, 975)}),
    [](const auto& info) { return info.param.name; });

// At ratio 2 the hairline is two device pixels wide, and --scale 1 is the
// picture without the option, pixel for pixel.
TEST(RenderCommand, ScaleTwoDoublesTheHairlineAndScaleOneChangesNothing) {
    QTemporaryDir dir;
    const std::string plain = dir.filePath("plain.png").toStdString();
    const std::string one = dir.filePath("one.png").toStdString();
    const std::string two = dir.filePath("two.png").toStdString();
    ASSERT_EQ(RunCli({"render", "--window", "--out", plain}).code, 0);
    ASSERT_EQ(RunCli({"render", "--window", "--scale", "1", "--out", one}).code, 0);
    ASSERT_EQ(RunCli({"render", "--window", "--scale", "2", "--out", two}).code, 0);
    EXPECT_EQ(QImage(QString::fromStdString(one)), QImage(QString::fromStdString(plain)));
    const QImage image(QString::fromStdString(two));
    const int x = 2 * (345 + (880 - 625) / 2);
    EXPECT_FALSE(IsRed(image.pixel(x - 1, 240)));
    EXPECT_TRUE(IsRed(image.pixel(x, 240)));
    EXPECT_TRUE(IsRed(image.pixel(x + 1, 240)));
    EXPECT_FALSE(IsRed(image.pixel(x + 2, 240)));
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
                      "from 625 to 2000, not '2001'"},
        BadRenderCase{"ScaleBelowOne",
                      {"render", "--window", "--scale", "0.5", "--out", "/tmp/x.png"},
                      "--scale takes a ratio from 1 to 4, not '0.5'"},
        BadRenderCase{"ScaleBeyondFour",
                      {"render", "--body", "--scale", "5", "--out", "/tmp/x.png"},
                      "--scale takes a ratio from 1 to 4, not '5'"},
        BadRenderCase{"ScaleNotANumber",
                      {"render", "--window", "--scale", "2x", "--out", "/tmp/x.png"},
                      "--scale takes a ratio from 1 to 4, not '2x'"},
        BadRenderCase{"ScaleWithAComma",
                      {"render", "--window", "--scale", "1,5", "--out", "/tmp/x.png"},
                      "not '1,5'"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tesmark::cli
