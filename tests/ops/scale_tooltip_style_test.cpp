// The text colour of the formula tooltips by the point under the mouse and
// the face: the coloured bands of the name column and their edges.
#include "ops/scale_tooltip_style.h"

#include <gtest/gtest.h>

namespace tesmark {
namespace {

constexpr Rgb kDefault = kScaleTooltipText;
constexpr Rgb kGreen = kScaleTooltipGreen;

struct ColourCase {
    int x, y;
    int16_t face;
    Rgb colour;
};

TEST(ScaleTooltipStyle, TheFrontFaceColoursTheBrandLineAndDi) {
    const ColourCase cases[] = {
        {15, 39, 0, kDefault},  {15, 40, 0, kGreen},    {15, 57, 0, kGreen},
        {15, 58, 0, kDefault},  {15, 74, 0, kDefault},  {15, 108, 0, kDefault},
        {15, 141, 0, kDefault}, {15, 174, 0, kDefault}, {15, 175, 0, kRed},
        {15, 192, 0, kRed},     {15, 193, 0, kDefault}, {15, 207, 0, kDefault},
    };
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "y " << c.y);
        EXPECT_EQ(ScaleTooltipTextColour(c.x, c.y, c.face), c.colour);
    }
}

TEST(ScaleTooltipStyle, TheBackFaceColoursTheLlPairAndCifCi) {
    const ColourCase cases[] = {
        {15, 39, 1, kDefault},
        {15, 40, 1, kRed},
        {15, 57, 1, kRed},
        {15, 58, 1, kRed},
        {15, 73, 1, kRed},
        {15, 74, 1, kDefault},
        {15, 107, 1, kDefault},
        {15, 108, 1, kRed},
        {15, 140, 1, kRed},
        {15, 141, 1, kDefault},
        {15, 175, 1, kDefault},
        {15, 192, 1, kDefault},
        // Any face other than 0 is the back face.
        {15, 45, 2, kRed},
        {15, 45, -1, kRed},
    };
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "y " << c.y << " face " << c.face);
        EXPECT_EQ(ScaleTooltipTextColour(c.x, c.y, c.face), c.colour);
    }
}

TEST(ScaleTooltipStyle, OnlyTheNameColumnIsColoured) {
    const ColourCase cases[] = {
        {0, 45, 0, kDefault},  {1, 45, 0, kGreen},      {30, 45, 0, kGreen}, {31, 45, 0, kDefault},
        {0, 180, 0, kDefault}, {1, 180, 0, kRed},       {30, 180, 0, kRed},  {31, 180, 0, kDefault},
        {0, 120, 1, kDefault}, {1, 120, 1, kRed},       {30, 120, 1, kRed},  {31, 120, 1, kDefault},
        {-5, 45, 0, kDefault}, {400, 180, 0, kDefault},
    };
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "x " << c.x << " y " << c.y << " face " << c.face);
        EXPECT_EQ(ScaleTooltipTextColour(c.x, c.y, c.face), c.colour);
    }
}

}  // namespace
}  // namespace tesmark
