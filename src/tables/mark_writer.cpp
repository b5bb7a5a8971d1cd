#include "tables/mark_writer.h"

namespace tesmark {

namespace {

bool Matches(const LabelRule& rule, int index) {
    return (index + rule.offset) % rule.every == 0;
}

}  // namespace

void MarkWriter::Fixed(int position, TickClass tick, int16_t label) {
    Put(position, TickLengthOf(tick, ticks_), label);
}

void MarkWriter::Mark(int position, const Segment& segment, double x) {
    Mark(position, segment.tick, segment.label, segment.sweep, x);
}

void MarkWriter::Mark(int position, const TickRule& tick, const LabelRule& label,
                      const Sweep& sweep, double x) {
    const int16_t length = TickLengthOf(tick.ClassOf(next_), ticks_);
    Put(position, length, LabelAt(label, sweep, x));
}

int16_t MarkWriter::LabelAt(const LabelRule& rule, const Sweep& sweep, double x) {
    switch (rule.kind) {
        case LabelKind::None:
            return 0;
        case LabelKind::Rounded:
            return Matches(rule, next_) ? RoundPos(x) : int16_t{0};
        case LabelKind::RoundedOrHalfMark:
            if (Matches(rule, next_)) return RoundPos(x);
            // The half-degree marks between the whole ones carry the whole
            // degree below them, negated.
            if ((next_ + rule.offset) % (rule.every / 2) == 0) {
                return static_cast<int16_t>(-static_cast<int16_t>(x));
            }
            return 0;
        case LabelKind::TenthsFromTen:
            return Matches(rule, next_) ? static_cast<int16_t>(10 - RoundPos(10 * x)) : int16_t{0};
        case LabelKind::RoundedAtStartOnly:
            return x == sweep.start ? RoundPos(x) : int16_t{0};
        case LabelKind::Counted:
            return Matches(rule, next_) ? counter_++ : int16_t{0};
    }
    return 0;
}

void MarkWriter::Put(int position, int16_t tick, int16_t label) {
    // The tables are constant recipes sized to their capacity; a recipe that
    // outgrew its table must not write past it.
    if (static_cast<std::size_t>(next_) >= marks_.size()) return;
    marks_[static_cast<std::size_t>(next_)] =
        GraduationMark{static_cast<int16_t>(position), tick, label};
    ++next_;
}

}  // namespace tesmark
