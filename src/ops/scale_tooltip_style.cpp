#include "ops/scale_tooltip_style.h"

namespace tesmark {

namespace {

// A band of rows of the name column whose names are printed in colour; the
// tooltip takes the colour of the name. Bands run top <= y < bottom.
struct ColouredRows {
    bool backFace;
    int top;
    int bottom;
    Rgb colour;
};

constexpr ColouredRows kColouredRows[] = {
    {false, 40, 58, kScaleTooltipGreen},  // R0: the brand line
    {false, 175, 193, kRed},              // R8: DI
    {true, 40, 74, kRed},                 // R0, R1: LL/n, LL/(n+1)
    {true, 108, 141, kRed},               // R4, R5: CIF, CI
};

constexpr int kNameColumnLeft = 1;
constexpr int kNameColumnRight = 30;  // inclusive

}  // namespace

Rgb ScaleTooltipTextColour(int x, int y, int16_t slideRev) {
    if (x < kNameColumnLeft || x > kNameColumnRight) return kScaleTooltipText;
    const bool back = slideRev != 0;
    for (const ColouredRows& rows : kColouredRows) {
        if (rows.backFace == back && y >= rows.top && y < rows.bottom) return rows.colour;
    }
    return kScaleTooltipText;
}

}  // namespace tesmark
