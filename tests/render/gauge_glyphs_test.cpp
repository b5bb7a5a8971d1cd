// The gauge glyph pictures: their sizes, and pixels read from the data.
#include "render/gauge_glyphs.h"

#include <gtest/gtest.h>

#include <string>

namespace tesmark {
namespace {

struct GlyphShape {
    const char* name;
    GlyphId id;
    int width;
    int drawnColumns;  // columns the picture itself spans
    int blackPixels;
};

class GaugeGlyphShape : public ::testing::TestWithParam<GlyphShape> {};

TEST_P(GaugeGlyphShape, IsNineRowsOfBlackAndWhite) {
    const GlyphShape& shape = GetParam();
    const GaugeGlyphPicture& picture = GaugeGlyph(shape.id);
    EXPECT_EQ(picture.width, shape.width);
    int black = 0;
    for (int row = 0; row < kGlyphHeight; ++row) {
        const std::string_view text = picture.rows[static_cast<std::size_t>(row)];
        SCOPED_TRACE(std::string(text));
        EXPECT_EQ(static_cast<int>(text.size()), shape.drawnColumns);
        EXPECT_EQ(text.find_first_not_of("#."), std::string_view::npos);
        for (int column = 0; column < picture.width; ++column)
            if (GaugeGlyphPixelIsBlack(shape.id, column, row)) ++black;
    }
    EXPECT_EQ(black, shape.blackPixels);
}

INSTANTIATE_TEST_SUITE_P(Glyphs, GaugeGlyphShape,
                         ::testing::Values(GlyphShape{"c", GlyphId::C, 9, 9, 13},
                                           GlyphShape{"pi", GlyphId::Pi, 9, 9, 21},
                                           GlyphShape{"rho_degree", GlyphId::RhoDegree, 9, 9, 25},
                                           GlyphShape{"rho_minute", GlyphId::RhoMinute, 9, 9, 20},
                                           GlyphShape{"rho_second", GlyphId::RhoSecond, 9, 9, 23},
                                           GlyphShape{"sqrt10", GlyphId::Sqrt10, 16, 15, 48}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GaugeGlyphPixels, ReadRowsFromTheTopAndStayWhiteOutside) {
    // pi: ".#######." on row 1, a blank top row.
    EXPECT_FALSE(GaugeGlyphPixelIsBlack(GlyphId::Pi, 0, 1));
    EXPECT_TRUE(GaugeGlyphPixelIsBlack(GlyphId::Pi, 1, 1));
    EXPECT_TRUE(GaugeGlyphPixelIsBlack(GlyphId::Pi, 7, 1));
    EXPECT_FALSE(GaugeGlyphPixelIsBlack(GlyphId::Pi, 8, 1));
    EXPECT_FALSE(GaugeGlyphPixelIsBlack(GlyphId::Pi, 4, 0));
    // rho degrees: the stem in column 0 down to the last row.
    EXPECT_TRUE(GaugeGlyphPixelIsBlack(GlyphId::RhoDegree, 0, 8));
    // The sixteenth column of sqrt 10 and anything outside a glyph is white.
    for (int row = 0; row < kGlyphHeight; ++row)
        EXPECT_FALSE(GaugeGlyphPixelIsBlack(GlyphId::Sqrt10, 15, row));
    EXPECT_FALSE(GaugeGlyphPixelIsBlack(GlyphId::C, -1, 3));
    EXPECT_FALSE(GaugeGlyphPixelIsBlack(GlyphId::C, 2, 9));
    EXPECT_FALSE(GaugeGlyphPixelIsBlack(GlyphId::C, 40, 3));
}

}  // namespace
}  // namespace tesmark
