#pragma once
// The tick and label rules of a graduation segment. Both are tests on the
// running mark index of the table, shifted by a per-rule offset (v = i + offset),
// so that one index runs through all segments of a table.
#include <cstdint>

#include "tables/graduation.h"
#include "tables/sweep.h"

namespace tesmark {

enum class TickClass { Short, Medium, Long, HalfIndex };

int16_t TickLengthOf(TickClass tick, const TickLengths& lengths);

// v % majorEvery = 0: major; else v % mediumEvery = 0: medium; else short.
// mediumEvery 2 reads "v odd: short; else medium"; mediumEvery 0 means no
// medium ticks.
struct TickRule {
    int offset;
    int majorEvery;
    TickClass major;
    int mediumEvery;

    TickClass ClassOf(int index) const;
};

// v%every = 0: long; else v%5 = 0: medium; else short.
constexpr TickRule LongMediumShort(int offset, int every) {
    return {offset, every, TickClass::Long, 5};
}
// v%10 = 0: long; else v odd: short; else medium.
constexpr TickRule LongOddShort(int offset) {
    return {offset, 10, TickClass::Long, 2};
}
// v%25 = 0: half index; else v%5 = 0: medium; else short.
constexpr TickRule HalfMediumShort(int offset) {
    return {offset, 25, TickClass::HalfIndex, 5};
}
// v%5 = 0: medium; else short (a segment without long ticks).
constexpr TickRule MediumShort(int offset) {
    return {offset, 5, TickClass::Medium, 0};
}
// v%5 = 0: long; else short.
constexpr TickRule LongShort(int offset) {
    return {offset, 5, TickClass::Long, 0};
}
// The same tick at every mark.
constexpr TickRule Always(TickClass tick) {
    return {0, 1, tick, 0};
}

enum class LabelKind {
    None,
    Rounded,             // RoundPos(x)
    RoundedOrHalfMark,   // RoundPos(x); at the odd multiples of every/2: -trunc(x)
    TenthsFromTen,       // 10 - RoundPos(10 * x)
    RoundedAtStartOnly,  // RoundPos(x), only where x equals the segment's start exactly
    Counted,             // the table's running label counter, which then advances
};

struct LabelRule {
    LabelKind kind;
    int offset = 0;
    int every = 1;
};

constexpr LabelRule NoLabel() {
    return {LabelKind::None};
}
constexpr LabelRule Rounded(int offset, int every) {
    return {LabelKind::Rounded, offset, every};
}
constexpr LabelRule RoundedOrHalfMark(int offset, int every) {
    return {LabelKind::RoundedOrHalfMark, offset, every};
}
constexpr LabelRule TenthsFromTen(int offset, int every) {
    return {LabelKind::TenthsFromTen, offset, every};
}
constexpr LabelRule RoundedAtStartOnly() {
    return {LabelKind::RoundedAtStartOnly};
}
constexpr LabelRule Counted(int offset, int every) {
    return {LabelKind::Counted, offset, every};
}

// A run of marks: the loop variable and the rules that turn each value into a
// tick and a label.
struct Segment {
    Sweep sweep;
    TickRule tick;
    LabelRule label;
};

}  // namespace tesmark
