#pragma once
// The segments of the log-log tables. Labels are counted: each labelled mark
// takes the table's running counter, a 1-based index into the scale's label
// strings.
#include <cstdint>
#include <span>

#include "tables/mark_rules.h"
#include "tables/sweep.h"

namespace tesmark {

// LL3 by x, from e upwards (mark 0 is the fixed index mark at x = e).
inline constexpr Segment kLl3Segments[] = {
    {Rise(2.74, 0.02, 3.99), LongMediumShort(11, 25), Counted(36, 50)},    // marks 1-63
    {Rise(4.0, 0.05, 5.98), LongOddShort(16), Counted(16, 20)},            // marks 64-103
    {Rise(6.0, 0.1, 9.95), LongMediumShort(16, 10), Counted(16, 10)},      // marks 104-143
    {Rise(10.0, 0.2, 14.9), MediumShort(6), Counted(6, 25)},               // marks 144-168
    {Rise(15.0, 0.5, 29.8), LongOddShort(11), Counted(11, 10)},            // marks 169-198
    {Rise(30, 1, 49.5), LongMediumShort(11, 10), Counted(11, 10)},         // marks 199-218
    {Rise(50, 2, 99), LongMediumShort(6, 25), Counted(6, 25)},             // marks 219-243
    {Rise(100, 5, 198), LongOddShort(16), Counted(16, 20)},                // marks 244-263
    {Rise(200, 10, 395), LongMediumShort(16, 10), Counted(16, 20)},        // marks 264-283
    {Rise(400, 20, 490), LongMediumShort(16, 10), NoLabel()},              // marks 284-288
    {Rise(500, 50, 980), LongOddShort(11), Counted(11, 10)},               // marks 289-298
    {Rise(1000, 100, 1950), LongMediumShort(11, 10), Counted(11, 10)},     // marks 299-308
    {Rise(2000, 200, 4900), LongMediumShort(11, 20), Counted(11, 20)},     // marks 309-323
    {Rise(5000, 500, 9800), LongOddShort(16), Counted(16, 10)},            // marks 324-333
    {Rise(10000, 1000, 22500), LongMediumShort(16, 10), Counted(16, 10)},  // marks 334-346
};

// LL2 by x, from e downwards (mark 0 is the fixed index mark at x = e).
inline constexpr Segment kLl2Segments[] = {
    {Fall(2.70, 0.02, 2.51), MediumShort(9), NoLabel()},                     // marks 1-10
    {Fall(2.50, 0.01, 2.005), LongMediumShort(-11, 10), Counted(-11, 50)},   // marks 11-60
    {Fall(2.000, 0.005, 1.402), LongOddShort(19), Counted(19, 20)},          // marks 61-180
    {Fall(1.400, 0.002, 1.201), LongMediumShort(19, 25), Counted(19, 50)},   // marks 181-280
    {Fall(1.200, 0.001, 1.1105), LongMediumShort(19, 10), Counted(19, 50)},  // marks 281-370
    {Fall(1.110, 0.001, 1.1045), LongMediumShort(19, 10), Counted(19, 10)},  // marks 371-376
};

// LL1 by x, falling; no separate index mark.
inline constexpr Segment kLl1Segments[] = {
    {Fall(1.1050, 0.0005, 1.0502), LongOddShort(10), Counted(10, 20)},            // marks 0-109
    {Fall(1.0500, 0.0002, 1.0201), LongMediumShort(-10, 25), Counted(-10, 50)},   // marks 110-259
    {Fall(1.0200, 0.0001, 1.00995), LongMediumShort(-10, 10), Counted(-10, 50)},  // marks 260-360
};

// LL0 by x, falling. Its last run tests the bound before each mark; the start
// satisfies it, so that makes the same marks as a test after each step.
inline constexpr Segment kLl0Segments[] = {
    {Fall(1.01000, 0.00005, 1.00502), LongOddShort(0), Counted(0, 20)},         // marks 0-99
    {Fall(1.00500, 0.00002, 1.00201), LongMediumShort(0, 25), Counted(0, 50)},  // marks 100-249
    {{1.00200, 0.00001, Direction::Falling, 1.000995, BoundTest::BeforeEachMark},
     LongMediumShort(0, 10),
     Counted(0, 50)},  // marks 250-350
};

// LL/3 by x, from 1/e downwards (mark 0 is the fixed index mark at x = 1/e).
inline constexpr Segment kRecipLl3Segments[] = {
    {Fall(0.366, 0.002, 0.101), LongMediumShort(16, 25), Counted(16, 50)},      // marks 1-133
    {Fall(0.100, 0.001, 0.0305), LongMediumShort(16, 10), Counted(16, 50)},     // marks 134-203
    {Fall(0.0300, 0.0005, 0.0102), LongOddShort(16), Counted(16, 20)},          // marks 204-243
    {Fall(0.0100, 0.0002, 0.0051), LongMediumShort(6, 25), Counted(6, 25)},     // marks 244-268
    {Fall(0.0050, 0.0001, 0.00105), LongMediumShort(1, 10), Counted(1, 30)},    // marks 269-308
    {Fall(0.00100, 0.00005, 0.00052), LongOddShort(11), Counted(11, 10)},       // marks 309-318
    {Fall(0.00050, 0.00002, 0.00021), LongMediumShort(6, 25), Counted(6, 25)},  // marks 319-333
    {Fall(0.00020, 0.00001, 0.000105), LongShort(6), Counted(6, 10)},           // marks 334-343
    {Fall(0.000100, 0.000005, 0.000042), LongOddShort(16), Counted(16, 10)},    // marks 344-355
};

// LL/2 by x, from 1/e upwards (mark 0 is the fixed index mark at x = 1/e).
inline constexpr Segment kRecipLl2Segments[] = {
    {Rise(0.370, 0.002, 0.799), LongMediumShort(34, 25), Counted(34, 50)},     // marks 1-215
    {Rise(0.800, 0.001, 0.8995), LongMediumShort(-16, 10), Counted(-16, 50)},  // marks 216-315
    {Rise(0.9000, 0.0005, 0.9053), LongOddShort(4), Counted(4, 20)},           // marks 316-326
};

// LL/1 by x, rising; no separate index mark.
inline constexpr Segment kRecipLl1Segments[] = {
    {Rise(0.9050, 0.0005, 0.9498), LongOddShort(10), Counted(10, 20)},          // marks 0-89
    {Rise(0.9500, 0.0002, 0.9799), LongMediumShort(10, 25), Counted(10, 50)},   // marks 90-239
    {Rise(0.9800, 0.0001, 0.99005), LongMediumShort(10, 10), Counted(10, 50)},  // marks 240-340
};

// LL/0 by x, rising; its last run tests the bound before each mark, as LL0's.
inline constexpr Segment kRecipLl0Segments[] = {
    {Rise(0.99000, 0.00005, 0.99498), LongOddShort(0), Counted(0, 20)},         // marks 0-99
    {Rise(0.99500, 0.00002, 0.99799), LongMediumShort(0, 25), Counted(0, 50)},  // marks 100-249
    {{0.99800, 0.00001, Direction::Rising, 0.999005, BoundTest::BeforeEachMark},
     LongMediumShort(0, 10),
     Counted(0, 50)},  // marks 250-350
};

// One log-log table: which decade of D it spans (0 for LL3 and LL/3, 3 for
// LL0 and LL/0), its optional index mark at e or 1/e, and its runs.
struct LlRecipe {
    int decade;
    bool reciprocal;
    bool hasIndexMark;
    int16_t indexMarkPosition;  // 0 for LL3 and LL/3, 2100 for LL2 and LL/2
    std::span<const Segment> segments;
};

// In building order: LL3, LL2, LL1, LL0.
inline constexpr LlRecipe kLlRecipes[] = {
    {0, false, true, 0, kLl3Segments},
    {1, false, true, 2100, kLl2Segments},
    {2, false, false, 0, kLl1Segments},
    {3, false, false, 0, kLl0Segments},
};

// In building order: LL/3, LL/2, LL/1, LL/0.
inline constexpr LlRecipe kRecipLlRecipes[] = {
    {0, true, true, 0, kRecipLl3Segments},
    {1, true, true, 2100, kRecipLl2Segments},
    {2, true, false, 0, kRecipLl1Segments},
    {3, true, false, 0, kRecipLl0Segments},
};

}  // namespace tesmark
