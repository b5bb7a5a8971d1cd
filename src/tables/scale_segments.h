#pragma once
// The segments of the front-face tables: C/D, A/B with K, S, T, S0, T0 and L.
// Each row is one run of marks (loop variable, tick rule, label rule); the
// fixed end marks are placed by the builders around these runs.
#include "tables/mark_rules.h"
#include "tables/sweep.h"

namespace tesmark {

// C/D by x; position RoundPos(2100 * log10 x).
inline constexpr Segment kCdSegments[] = {
    {Rise(1.00, 0.01, 1.998), LongMediumShort(0, 10), Rounded(0, 50)},  // marks 0-99
    {Rise(2.00, 0.02, 4.99), HalfMediumShort(0), Rounded(0, 50)},       // marks 100-249
    {Rise(5.00, 0.05, 9.98), LongOddShort(0), Rounded(10, 20)},         // marks 250-349
};

// A/B and K share their loop and index; only the rules of the last run differ.
struct PairedSegment {
    Sweep sweep;
    TickRule abTick;
    LabelRule abLabel;
    TickRule kTick;
    LabelRule kLabel;
};

// Marks 0-49 carry a label only at index 0 (x = 1): the only multiple of 50.
inline constexpr PairedSegment kAbKSegments[] = {
    {Rise(1.00, 0.02, 1.99),  // marks 0-49
     LongMediumShort(0, 25), Rounded(0, 50), LongMediumShort(0, 25), Rounded(0, 50)},
    {Rise(2.00, 0.05, 4.99),  // marks 50-109
     LongOddShort(0), Rounded(10, 20), LongOddShort(0), Rounded(10, 20)},
    {Rise(5.0, 0.1, 9.98),  // marks 110-159
     MediumShort(0), Rounded(0, 10), LongMediumShort(0, 10), RoundedAtStartOnly()},
};

// S by the complementary angle theta = 90 - alpha, between the fixed marks 0
// (theta = 0) and 317 (alpha = 5.74).
inline constexpr Segment kSSegments[] = {
    {Rise(5.0, 5.0, 9.0), Always(TickClass::Medium), NoLabel()},         // mark 1
    {Rise(10.0, 1.0, 29.8), LongMediumShort(-2, 10), Rounded(8, 20)},    // marks 2-21
    {Rise(30.0, 0.5, 59.8), LongOddShort(-2), Rounded(-2, 20)},          // marks 22-81
    {Rise(60.0, 0.2, 69.9), LongMediumShort(-7, 25), Rounded(-7, 25)},   // marks 82-131
    {Rise(70.0, 0.1, 79.95), LongMediumShort(-2, 10), Rounded(18, 50)},  // marks 132-231
    {Rise(80.00, 0.05, 84.18), LongOddShort(-2), Rounded(8, 20)},        // marks 232-315
    {At(84.2), Always(TickClass::Long), NoLabel()},                      // mark 316
};

// T by the tangent angle R, falling from 45; then the fixed end mark 361.
inline constexpr Segment kTSegments[] = {
    {Fall(45.0, 0.2, 30.1), LongMediumShort(0, 25), Rounded(25, 50)},   // marks 0-74
    {Fall(30.0, 0.1, 10.05), LongMediumShort(5, 10), Rounded(25, 50)},  // marks 75-274
    {Fall(10.00, 0.05, 5.77), LongOddShort(5), Rounded(5, 20)},         // marks 275-359
    {At(5.75), Always(TickClass::Short), NoLabel()},                    // mark 360
};

// S0 by theta = 90 - alpha, between the fixed marks 0 and 260. Whole degrees
// are labelled with theta, the half degrees between them with -trunc(theta).
inline constexpr Segment kS0Segments[] = {
    {Rise(84.26, 0.02, 89.43), LongMediumShort(12, 25), RoundedOrHalfMark(12, 50)},  // 1-259
};

// T0 by the angle X, between the fixed marks 0 and 258.
inline constexpr Segment kT0Segments[] = {
    {Fall(5.70, 0.02, 0.57), LongMediumShort(14, 25), RoundedOrHalfMark(14, 50)},  // 1-257
};

// L by Y = 1 - L; then the fixed end mark 500.
inline constexpr Segment kLSegments[] = {
    {Rise(0.000, 0.002, 0.999), LongMediumShort(0, 25), TenthsFromTen(0, 50)},  // 0-499
};

}  // namespace tesmark
