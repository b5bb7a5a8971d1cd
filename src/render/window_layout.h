#pragma once
// The fixed client-area layout of the main window: the three views of the
// rule, the cursor glass, the readout boxes, the end pieces and the bar
// labels. Coordinates are client pixels. `a` is the extra client width (the
// client width less 625) and `b` = a / 2 truncated toward zero; the views and
// boxes right of the left index view move with b or a as noted.
#include <array>

#include "model/client_size.h"

namespace tesmark::layout {

// b: half the extra width, truncated toward zero (integer division does that
// for negative widths too).
constexpr int HalfExtra(int a) {
    return a / 2;
}

// --- The rule -------------------------------------------------------------

// A horizontal band of the rule as the views copy it: window rows
// windowTop .. windowTop + height - 1 show the body bitmap's rows from bodyTop.
// The rows between the bands carry outlines, which the window draws itself.
struct RuleBand {
    int windowTop;
    int height;
    int bodyTop;
};
inline constexpr RuleBand kUpperStator{40, 50, 1};
inline constexpr RuleBand kSlideBand{91, 66, 52};
inline constexpr RuleBand kLowerStator{158, 50, 119};

// Outline frames of the rule (frame conventions: rows top and bottom - 1).
inline constexpr int kRuleTop = 39;
inline constexpr int kRuleBottom = 209;
inline constexpr int kSlideOutlineTop = 90;
inline constexpr int kSlideOutlineBottom = 158;

// LeftIndexView: window columns 88 .. 216 + b. With LeftFollow = 0 the body
// column 69 shows at window column 88, which puts the stator's left index
// (body column 100) at window column 119.
inline constexpr int kLeftViewX = 88;
inline constexpr int kLeftViewBaseWidth = 129;  // + b
inline constexpr int kLeftViewSource = 69;      // - LeftFollow

// CursorView: window columns 279 + b .. 414 + b, in two blocks either side of
// the hairline column 345 + b. The stator point under the hairline is body
// column cx + 100.
inline constexpr int kCursorViewX = 279;  // + b
inline constexpr int kCursorViewWidth = 136;
inline constexpr int kCursorLeftBlockWidth = 66;
inline constexpr int kCursorRightBlockX = 346;  // + b
inline constexpr int kCursorRightBlockWidth = 69;
inline constexpr int kCursorLeftSourceOffset = 34;    // body column cx + 34 at 279 + b
inline constexpr int kCursorRightSourceOffset = 101;  // body column cx + 101 at 346 + b
inline constexpr int kHairlineX = 345;                // + b

// RightIndexView: window columns 418 + b .. 545 + a. The body column
// 2101 + b - a - RightFollow shows at window column 418 + b, which puts the
// stator's right index (body column 2200) at window column 517 + a.
inline constexpr int kRightViewX = 418;          // + b
inline constexpr int kRightViewBaseWidth = 128;  // + a - b
inline constexpr int kRightViewSource = 2101;    // + b - a - RightFollow

// The cursor glass: three grey frames, three grey separator lines between the
// cursor's readout box and its view, and the erasing bands above and below
// the rule where the glass frame stands out (fill conventions).
struct FrameRect {
    int x1, y1, x2, y2;  // x measured before adding b
};
inline constexpr std::array<FrameRect, 3> kGlassFrames{{
    {217, 37, 418, 211},
    {218, 36, 417, 212},
    {219, 38, 416, 210},
}};
inline constexpr std::array<int, 3> kSeparatorX{276, 277, 278};  // + b
inline constexpr int kSeparatorTop = 38;
inline constexpr int kSeparatorBottom = 209;  // line end, excluded
inline constexpr int kEraseBandLeft = 89;
inline constexpr int kEraseAboveTop = 36;
inline constexpr int kEraseAboveBottom = 40;
inline constexpr int kEraseBelowTop = 209;
inline constexpr int kEraseBelowBottom = 213;

// --- End pieces and labels ------------------------------------------------

// A block copied unchanged from the body bitmap: the scale names at the left,
// a plain piece of body at the right (window x + a).
struct EndPiece {
    int x, y, w, h, bodyX, bodyY;
};
inline constexpr EndPiece kLeftEndPiece{1, 40, 29, 168, 1, 1};
inline constexpr EndPiece kRightEndPiece{604, 40, 20, 168, 27, 1};  // x + a

// The bar labels, drawn in white 2 pixels right of and below their place
// first, which shows as a light edge.
struct BarLabel {
    int x, y;
    const char* text;
};
inline constexpr std::array<BarLabel, 2> kBarLabels{{{12, 226, "SLIDE"}, {12, 262, "CURSOR"}}};
inline constexpr int kLabelShadowOffset = 2;
// Where the labels and their white edges stand: columns 12 .. 99, rows
// 226 .. 277.
struct LabelArea {
    int left, top, right, bottom;
};
inline constexpr LabelArea kBarLabelArea{12, 226, 100, 278};

// --- Readout panel --------------------------------------------------------

// A part of a readout box: its top row, the bottom of its fill (fill
// conventions: the fill's last row is fillBottom - 2), the bottom of its text
// clip (exclusive) and the rows R<first> .. R<last> whose texts it holds.
struct BoxPart {
    int top;
    int fillBottom;
    int clipBottom;
    int firstRow;
    int lastRow;
};
inline constexpr BoxPart kUpperPart{40, 91, 90, 0, 2};
inline constexpr BoxPart kSlidePart{91, 158, 157, 3, 6};
inline constexpr BoxPart kLowerPart{158, 209, 209, 7, 9};

// A readout column before its offset (0 for the left column, b for the
// cursor column, a for the right one; the focus frame uses b' and a' of
// CxSize). Fills cover columns fillLeft .. fillRight - 2, text clips
// clipLeft .. clipRight - 1; the focus frame stands on focusLeft and focusRight.
struct ReadoutColumnLayout {
    int textCentre;
    int fillLeft, fillRight;
    int clipLeft, clipRight;
    int focusLeft, focusRight;
};
inline constexpr ReadoutColumnLayout kLeftReadout{59, 30, 89, 32, 86, 31, 86};
inline constexpr ReadoutColumnLayout kCursorReadout{248, 220, 277, 221, 275, 220, 275};
inline constexpr ReadoutColumnLayout kRightReadout{575, 546, 605, 548, 602, 547, 602};

// Rows R0 .. R9: the top of each text, which is also the top of the focus
// frame, and the focus frame's bottom row.
struct ReadoutRowLayout {
    int top;
    int focusBottom;
};
inline constexpr std::array<ReadoutRowLayout, 10> kReadoutRows{{
    {41, 55},
    {58, 72},
    {74, 88},
    {92, 106},
    {108, 122},
    {124, 138},
    {141, 155},
    {159, 173},
    {175, 189},
    {192, 206},
}};

}  // namespace tesmark::layout
