// Scale strips drawn onto the recording surface: where the numbers, ticks,
// glyphs and arrowheads of each strip kind land, with which alignment and
// colour.
#include "render/scale_strip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/recording_surface.h"
#include "tables/graduation.h"

namespace tesmark {
namespace {

const GraduationTables& Tables() {
    static const GraduationTables tables = [] {
        GraduationTables t;
        BuildAllTables(t);
        return t;
    }();
    return tables;
}

struct StripArgs {
    int kind;
    int first;
    int limit;
    int left;
    int y;
    int shift;
};

constexpr int kRight = 2301;
constexpr int kPiFold = PiOffset;

RecordingSurface Draw(const StripArgs& a) {
    RecordingSurface surface;
    surface.setTextColour(kBlack);
    DrawScaleStrip(surface, Tables(), a.kind, a.first, a.limit, a.left, kRight, a.y, a.shift);
    return surface;
}

// The strips as the rule body places them (y values of the front and back).
constexpr StripArgs kD{kStripD, 0, 350, 100, 119, 0};
constexpr StripArgs kC{kStripC, 0, 350, 100, 117, 0};
constexpr StripArgs kDfPi{kStripC, 150, 366, 40, 50, kPiFold - 60};
constexpr StripArgs kCifPi{kStripDI, 160, 356, 80, 71, kPiFold - 20};
constexpr StripArgs kCfPi{kStripD, 157, 351, 100, 52, kPiFold};
constexpr StripArgs kCfSqrt10{kStripD, 159, 349, 100, 52, 1050};
constexpr StripArgs kCI{kStripCI, 350, 350, 100, 96, 0};
constexpr StripArgs kDI{kStripDI, 350, 350, 100, 137, 0};
constexpr StripArgs kA{kStripA, 0, 0, 100, 50, 0};
constexpr StripArgs kB{kStripB, 0, 0, 100, 52, 0};
constexpr StripArgs kK{kStripK, 0, 0, 100, 31, 0};
constexpr StripArgs kS{kStripS, 0, 0, 100, 86, 0};
constexpr StripArgs kT{kStripT, 0, 0, 100, 83, 0};
constexpr StripArgs kS0{kStripS0, 0, 0, 100, 86, 0};
constexpr StripArgs kT0{kStripT0, 0, 0, 100, 83, 0};
constexpr StripArgs kL{kStripL, 0, 500, 100, 165, 0};
constexpr StripArgs kLL1{kStripLL0 + 1, 0, 0, 100, 138, 0};
constexpr StripArgs kLL2{kStripLL0 + 2, 0, 0, 100, 138, 0};
constexpr StripArgs kRecipLL2{kStripRecipLL0 + 2, 0, 0, 100, 15, 0};

// ---------------------------------------------------------------------------
// A number drawn at a place, with its alignment and colour.

struct TextCase {
    const char* name;
    StripArgs strip;
    const char* text;
    int x;
    int y;
    TextAlign align;
    Rgb colour;
};

class StripText : public ::testing::TestWithParam<TextCase> {};

TEST_P(StripText, StandsWhereTheRuleShowsIt) {
    const TextCase& c = GetParam();
    const RecordingSurface surface = Draw(c.strip);
    const auto call = surface.findTextAt(c.text, c.x, c.y);
    ASSERT_TRUE(call.has_value()) << "\"" << c.text << "\" not drawn at (" << c.x << ", " << c.y
                                  << ")";
    EXPECT_EQ(call->align, c.align);
    EXPECT_EQ(call->textColour, c.colour);
}

constexpr TextAlign kCentre = TextAlign::BaselineCentre;
constexpr TextAlign kRightOf = TextAlign::BaselineRight;
constexpr TextAlign kLeftOf = TextAlign::BaselineLeft;

INSTANTIATE_TEST_SUITE_P(
    Kinds, StripText,
    ::testing::Values(
        TextCase{"D_one_at_left_index", kD, "1", 100, 132, kCentre, kBlack},
        TextCase{"D_one_and_half", kD, "1.5", 470, 132, kCentre, kBlack},
        TextCase{"D_two", kD, "2", 732, 132, kCentre, kBlack},
        TextCase{"D_ten_at_right_index", kD, "10", 2200, 132, kCentre, kBlack},
        TextCase{"C_numbers_over_the_line", kC, "1.5", 470, 114, kCentre, kBlack},
        TextCase{"C_ten", kC, "10", 2200, 114, kCentre, kBlack},
        TextCase{"DF_starts_with_three_at_58", kDfPi, "3", 58, 47, kCentre, kBlack},
        TextCase{"DF_ten_at_the_join", kDfPi, "10", 1156, 47, kCentre, kBlack},
        TextCase{"DF_ends_with_three_point_three", kDfPi, "3.3", 2245, 47, kCentre, kBlack},
        TextCase{"CIF_ten_at_the_join", kCifPi, "10", 1156, 84, kCentre, kBlack},
        TextCase{"CIF_ends_with_three_point_one", kCifPi, "3.1", 2224, 84, kCentre, kBlack},
        TextCase{"CI_ten_at_left_index", kCI, "10", 100, 93, kCentre, kBlack},
        TextCase{"CI_one_at_right_index", kCI, "1", 2200, 93, kCentre, kBlack},
        TextCase{"CI_one_and_half", kCI, "1.5", 1830, 93, kCentre, kBlack},
        TextCase{"DI_ten_at_left_index", kDI, "10", 100, 150, kCentre, kBlack},
        TextCase{"DI_one_at_right_index", kDI, "1", 2200, 150, kCentre, kBlack},
        TextCase{"A_one", kA, "1", 100, 47, kCentre, kBlack},
        TextCase{"A_ten", kA, "10", 1150, 47, kCentre, kBlack},
        TextCase{"A_hundred", kA, "100", 2200, 47, kCentre, kBlack},
        TextCase{"B_numbers_under_the_line", kB, "10", 1150, 65, kCentre, kBlack},
        TextCase{"K_one", kK, "1", 100, 28, kCentre, kBlack},
        TextCase{"K_ten", kK, "10", 800, 28, kCentre, kBlack},
        TextCase{"K_hundred", kK, "100", 1500, 28, kCentre, kBlack},
        TextCase{"K_thousand", kK, "1000", 2200, 28, kCentre, kBlack},
        TextCase{"S_ninety_under_right_end", kS, "90", 2200, 99, kCentre, kBlack},
        TextCase{"S_black_seventy_ends_5_right", kS, "70・", 2148, 99, kRightOf, kBlack},
        TextCase{"S_red_twenty_starts_there", kS, "20", 2148, 99, kLeftOf, kRed},
        TextCase{"T_black_forty_five", kT, "45・", 2205, 80, kRightOf, kBlack},
        TextCase{"T_red_forty_five", kT, "45", 2205, 80, kLeftOf, kRed},
        TextCase{"T_black_ten", kT, "10・", 622, 80, kRightOf, kBlack},
        TextCase{"T_red_eighty", kT, "80", 622, 80, kLeftOf, kRed},
        TextCase{"S0_half_degree_centred", kS0, "5.5", 2161, 99, kCentre, kBlack},
        TextCase{"S0_black_five_degrees", kS0, "5・", 2080, 99, kRightOf, kBlack},
        TextCase{"S0_red_eighty_five", kS0, "85", 2080, 99, kLeftOf, kRed},
        TextCase{"S0_point_six_red", kS0, "89.4", 147, 99, kLeftOf, kRed},
        TextCase{"S0_point_six_black", kS0, ".6・", 147, 99, kRightOf, kBlack},
        TextCase{"T0_half_degree_centred", kT0, "5.5", 2166, 80, kCentre, kBlack},
        TextCase{"T0_black_one_degree", kT0, "1・", 613, 80, kRightOf, kBlack},
        TextCase{"T0_point_six_red", kT0, "89.4", 147, 80, kLeftOf, kRed},
        TextCase{"L_one_at_right_end", kL, "1", 2200, 162, kCentre, kBlack},
        TextCase{"L_zero_at_left_end", kL, "0", 100, 162, kCentre, kBlack},
        TextCase{"L_tenths_with_space", kL, ".5 ", 1150, 162, kCentre, kBlack},
        TextCase{"LL1_last_mark_at_left_minus_5", kLL1, "1.01 ", 95, 151, kCentre, kBlack},
        TextCase{"LL1_first_label", kLL1, "1.10 ", 2156, 151, kCentre, kBlack},
        TextCase{"LL2_without_space", kLL2, "e", 2200, 151, kCentre, kBlack},
        TextCase{"LL2_one_point_one_one", kLL2, "1.11", 139, 151, kCentre, kBlack},
        TextCase{"RecipLL2_over_the_line", kRecipLL2, " 1/e ", 2200, 12, kCentre, kBlack},
        TextCase{"RecipLL2_point_nine", kRecipLL2, ".9 ", 148, 12, kCentre, kBlack}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// How often a number stands on a strip (joins, repeated decades).

struct CountCase {
    const char* name;
    StripArgs strip;
    const char* text;
    int times;
};

class StripTextCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(StripTextCount, AppearsAsOftenAsOnTheRule) {
    const CountCase& c = GetParam();
    EXPECT_EQ(static_cast<int>(Draw(c.strip).textsEqual(c.text).size()), c.times);
}

INSTANTIATE_TEST_SUITE_P(Kinds, StripTextCount,
                         ::testing::Values(CountCase{"DF_no_one_at_the_join", kDfPi, "1", 0},
                                           CountCase{"DF_ten_once", kDfPi, "10", 1},
                                           CountCase{"CIF_no_one_at_the_join", kCifPi, "1", 0},
                                           CountCase{"CIF_ten_once", kCifPi, "10", 1},
                                           CountCase{"CI_one_once", kCI, "1", 1},
                                           CountCase{"DI_one_once", kDI, "1", 1},
                                           CountCase{"A_inner_two_in_both_decades", kA, "2", 2},
                                           CountCase{"A_inner_nine_in_both_decades", kA, "9", 2},
                                           CountCase{"K_inner_two_in_three_decades", kK, "2", 3},
                                           CountCase{"D_one_and_half_once", kD, "1.5", 1},
                                           CountCase{"D_two_once", kD, "2", 1},
                                           CountCase{"S_ninety_once", kS, "90", 1},
                                           CountCase{"LL_list_end_never_shown", kLL2, " ", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Ticks, glyphs, arrowheads.

TEST(StripTicks, RunFromTheBaselineAwayFromTheNumbers) {
    // Mark 0 of C/D: a long tick of 7, up on C and down on D.
    EXPECT_TRUE(Draw(kC).findLine(100, 117, 100, 110).has_value());
    EXPECT_TRUE(Draw(kD).findLine(100, 119, 100, 126).has_value());
    // CI and DI: mark 350 lands on the left index.
    EXPECT_TRUE(Draw(kCI).findLine(100, 96, 100, 89).has_value());
    EXPECT_TRUE(Draw(kDI).findLine(100, 137, 100, 144).has_value());
    // DF starts at 3.0 (x = 58); nothing left of it.
    const RecordingSurface df = Draw(kDfPi);
    ASSERT_FALSE(df.lines().empty());
    EXPECT_EQ(df.lines().front().x1, 58);
    for (const SurfaceCall& line : df.lines()) EXPECT_GE(line.x1, 40);
    // CIF starts with 3.2 at x = 95.
    EXPECT_EQ(Draw(kCifPi).lines().front().x1, 95);
    // L: mark 500 at the left index, mark 0 at the right.
    EXPECT_TRUE(Draw(kL).findLine(100, 165, 100, 158).has_value());
    EXPECT_TRUE(Draw(kL).findLine(2200, 165, 2200, 158).has_value());
}

TEST(StripTicks, StopAtTheRightLimitAndSkipLeftOfTheClip) {
    RecordingSurface surface;
    DrawScaleStrip(surface, Tables(), kStripD, 0, 350, 100, 1000, 119, 0);
    ASSERT_FALSE(surface.lines().empty());
    for (const SurfaceCall& line : surface.lines()) {
        EXPECT_GE(line.x1, 100);
        EXPECT_LE(line.x1, 1000);
    }
    EXPECT_FALSE(surface.findText("10").has_value());

    RecordingSurface clipped;
    DrawScaleStrip(clipped, Tables(), kStripD, 0, 350, 100, kRight, 119, 500);
    for (const SurfaceCall& call : clipped.calls()) {
        if (call.kind == CallKind::Line || call.kind == CallKind::Text) {
            EXPECT_GE(call.x1, 100);
        }
    }
}

TEST(StripTicks, HalfMarksWithoutNumberGetAnArrowhead) {
    // 2.5 (mark 125) stands at 100 + 836 on C; its tick is 7 long and the
    // arrowhead's apex 9 pixels over the line.
    const RecordingSurface c = Draw(kC);
    EXPECT_TRUE(c.findLine(936, 117, 936, 110).has_value());
    EXPECT_TRUE(c.findLine(936, 108, 934, 113).has_value());
    EXPECT_TRUE(c.findLine(936, 108, 938, 113).has_value());
    // On D the arrowhead hangs under the line.
    const RecordingSurface d = Draw(kD);
    EXPECT_TRUE(d.findLine(936, 128, 934, 123).has_value());
    EXPECT_TRUE(d.findLine(936, 128, 938, 123).has_value());
    // 3.0 is a half mark with a number: a 7-pixel tick, no arrowhead.
    const int three = 100 + Tables().CdTable[150].position;
    EXPECT_TRUE(c.findLine(three, 117, three, 110).has_value());
    EXPECT_TRUE(c.linesAtX(three).size() == 1);
    // Three unlabelled half marks (2.5, 3.5, 4.5), two lines each.
    int apexLines = 0;
    for (const SurfaceCall& line : c.lines())
        if (line.y1 == 108) ++apexLines;
    EXPECT_EQ(apexLines, 6);
}

struct GlyphCase {
    const char* name;
    StripArgs strip;
    GlyphId glyph;
    int glyphX;
    int glyphY;
    int tickX;
    int tickFrom;
    int tickTo;
};

class StripGauge : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(StripGauge, HangsOnItsConstant) {
    const GlyphCase& c = GetParam();
    const RecordingSurface surface = Draw(c.strip);
    const auto glyphs = surface.ofKind(CallKind::AndGlyph);
    const bool found = std::any_of(glyphs.begin(), glyphs.end(), [&](const SurfaceCall& g) {
        return g.glyph == c.glyph && g.x1 == c.glyphX && g.y1 == c.glyphY;
    });
    EXPECT_TRUE(found);
    EXPECT_TRUE(surface.findLine(c.tickX, c.tickFrom, c.tickX, c.tickTo).has_value());
}

// C at y 117: c at mark 13 (111), rho'' at 103 (659), pi at 157 (1044),
// rho' at 172 (1127), rho degrees at 265 (1595), each moved by its dx.
INSTANTIATE_TEST_SUITE_P(
    Glyphs, StripGauge,
    ::testing::Values(
        GlyphCase{"C_c", kC, GlyphId::C, 206, 105, 210, 115, 111},
        GlyphCase{"C_rho_second", kC, GlyphId::RhoSecond, 756, 105, 760, 115, 111},
        GlyphCase{"C_pi", kC, GlyphId::Pi, 1140, 105, 1144, 115, 111},
        GlyphCase{"C_rho_minute", kC, GlyphId::RhoMinute, 1222, 105, 1226, 115, 111},
        GlyphCase{"C_rho_degree", kC, GlyphId::RhoDegree, 1688, 105, 1692, 115, 111},
        GlyphCase{"D_pi", kD, GlyphId::Pi, 1140, 123, 1144, 121, 125},
        GlyphCase{"CF_pi_left_index", kCfPi, GlyphId::Pi, 96, 56, 100, 54, 58},
        GlyphCase{"CF_pi_right_index", kCfPi, GlyphId::Pi, 2196, 56, 2200, 54, 58},
        GlyphCase{"CF_sqrt10_left_index", kCfSqrt10, GlyphId::Sqrt10, 92, 56, 100, 52, 55},
        GlyphCase{"CF_sqrt10_right_index", kCfSqrt10, GlyphId::Sqrt10, 2192, 56, 2200, 52, 55}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StripGauge, OnlyTheCdStripsFromMarkZeroCarryGlyphs) {
    EXPECT_EQ(Draw(kC).ofKind(CallKind::AndGlyph).size(), 5u);
    EXPECT_EQ(Draw(kD).ofKind(CallKind::AndGlyph).size(), 1u);
    EXPECT_EQ(Draw(kCfPi).ofKind(CallKind::AndGlyph).size(), 2u);
    EXPECT_TRUE(Draw(kDfPi).ofKind(CallKind::AndGlyph).empty());
    EXPECT_TRUE(Draw(kCI).ofKind(CallKind::AndGlyph).empty());
}

// ---------------------------------------------------------------------------
// State left behind and arguments outside the tables.

TEST(StripState, EveryKindEndsBaselineCentredAndBlack) {
    for (const StripArgs& strip :
         {kD, kC, kDfPi, kCifPi, kCI, kDI, kA, kB, kK, kS, kT, kS0, kT0, kL, kLL1, kRecipLL2}) {
        SCOPED_TRACE(strip.kind);
        const RecordingSurface surface = Draw(strip);
        ASSERT_FALSE(surface.calls().empty());
        EXPECT_EQ(surface.calls().back().align, TextAlign::BaselineCentre);
        EXPECT_EQ(surface.calls().back().textColour, kBlack);
    }
}

TEST(StripState, UnknownKindsAndMarksOutsideTheTableDrawNothing) {
    for (const StripArgs& strip :
         {StripArgs{7, 0, 350, 100, 50, 0}, StripArgs{29, 0, 0, 100, 50, 0},
          StripArgs{-1, 0, 0, 100, 50, 0}, StripArgs{kStripC, 351, 350, 100, 50, 0},
          StripArgs{kStripCI, -1, 350, 100, 50, 0}, StripArgs{kStripL, 501, 500, 100, 50, 0}}) {
        SCOPED_TRACE(::testing::Message() << strip.kind << " from " << strip.first);
        EXPECT_FALSE(Draw(strip).drewAnything());
    }
}

TEST(StripState, LimitBeyondTheLTableStaysInsideIt) {
    RecordingSurface surface;
    DrawScaleStrip(surface, Tables(), kStripL, 0, 2000, 100, kRight, 165, 0);
    EXPECT_EQ(static_cast<int>(surface.lines().size()), Tables().LTable.count + 1);
}

TEST(AnglePair, BlackComplementEndsAtTheSplitRedAngleStartsThere) {
    RecordingSurface surface;
    DrawAnglePair(surface, 20, 300, 99);
    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "70・");
    EXPECT_EQ(texts[0].x1, 305);
    EXPECT_EQ(texts[0].align, TextAlign::BaselineRight);
    EXPECT_EQ(texts[1].text, "20");
    EXPECT_EQ(texts[1].x1, 305);
    EXPECT_EQ(texts[1].align, TextAlign::BaselineLeft);
    EXPECT_EQ(texts[1].textColour, kRed);
    EXPECT_EQ(surface.calls().back().textColour, kBlack);
}

}  // namespace
}  // namespace tesmark
