#pragma once
// Drawing one scale strip of the rule body from its graduation table: the
// ticks, the numbers, the gauge glyphs, the arrowheads of the unlabelled half
// marks and the paired black and red angle numbers of the trigonometric
// scales. One table serves several scales through placement alone: C and D
// forward, CI and DI inverted, CF, DF and CIF shifted by the fold.
//
// The caller selects the scale font, a solid black 1-pixel pen, a transparent
// text background, the text colour and baseline-centred alignment; every
// strip ends with the alignment back at baseline-centred.
#include "render/surface.h"
#include "tables/graduation.h"

namespace tesmark {

// Strip kinds. The LL kinds are computed as kStripLL0 + n and
// kStripRecipLL0 + n; any other number draws nothing.
inline constexpr int kStripD = 0;          // D, CF: forward, ticks down
inline constexpr int kStripC = 1;          // C, DF: forward, ticks up
inline constexpr int kStripDI = 2;         // DI, CIF: inverted, ticks down
inline constexpr int kStripCI = 3;         // CI: inverted, ticks up
inline constexpr int kStripA = 4;          // two decades, ticks up
inline constexpr int kStripB = 5;          // two decades, ticks down
inline constexpr int kStripK = 6;          // three decades, ticks up
inline constexpr int kStripS = 10;         // measured from the right, ticks down
inline constexpr int kStripT = 11;         // measured from the right, ticks up
inline constexpr int kStripS0 = 12;        // measured from the right, ticks down
inline constexpr int kStripT0 = 13;        // measured from the right, ticks up
inline constexpr int kStripL = 20;         // measured from the right, ticks up
inline constexpr int kStripLL0 = 21;       // LL0 .. LL3: 21 .. 24, ticks down
inline constexpr int kStripRecipLL0 = 25;  // LL/0 .. LL/3: 25 .. 28, ticks up

// Baseline offsets of a number under and over a line, the apex distance of
// the half-mark arrowhead, and where the black and red angle numbers meet.
inline constexpr int LabelBelow = 13;
inline constexpr int LabelAbove = -3;
inline constexpr int ChevronReach = 9;
inline constexpr int kAnglePairSplit = 5;

// Gauge glyph placements (the id argument of DrawGaugeGlyph).
inline constexpr int kGaugePiBelow = 0;      // pi under a line (D, CF folded at pi)
inline constexpr int kGaugePiAbove = 1;      // pi over a line (C)
inline constexpr int kGaugeSqrt10Below = 2;  // root of ten (CF folded at sqrt 10)
inline constexpr int kGaugeC = 11;           // c = sqrt(4 / pi) on C
inline constexpr int kGaugeRhoSecond = 12;   // seconds per radian on C
inline constexpr int kGaugeRhoMinute = 13;   // minutes per radian on C
inline constexpr int kGaugeRhoDegree = 14;   // degrees per radian on C

// Draws one scale. `first` and `limit` choose the marks of kinds 0 to 3 and
// 20; marks with x < left are skipped; the walk stops at the first mark
// beyond `right`; `y` is the baseline row; `shift` moves the whole
// graduation to the left (not applied to the LL kinds).
void DrawScaleStrip(Surface& surface, const GraduationTables& tables, int kind, int first,
                    int limit, int left, int right, int y, int shift);

// A gauge glyph hung on the line at row y, with its short tick at x + dx.
void DrawGaugeGlyph(Surface& surface, int x, int y, int id);
// The arrowhead of an unlabelled half mark, its apex 9 pixels from the line.
void DrawChevron(Surface& surface, int x, int y, bool up);
// The black angle 90 - v ending 5 pixels right of the tick and the red
// angle v starting there; leaves the text colour black.
void DrawAnglePair(Surface& surface, int v, int x, int y);
// The single pair at 0.6 degrees: red "89.4" and black ".6" with the dot.
void DrawPointSixPair(Surface& surface, int x, int y);

}  // namespace tesmark
