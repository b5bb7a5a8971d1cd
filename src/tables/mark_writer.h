#pragma once
// Appends marks to a graduation table: fixed marks and runs of segments, with
// the running mark index and the running label counter of the LL tables.
#include <cstdint>
#include <span>

#include "tables/graduation.h"
#include "tables/mark_rules.h"

namespace tesmark {

class MarkWriter {
  public:
    MarkWriter(std::span<GraduationMark> marks, const TickLengths& ticks)
        : marks_(marks), ticks_(ticks) {}

    // A mark whose position, tick and label are given outright.
    void Fixed(int position, TickClass tick, int16_t label);

    // One mark at value x of `segment`: the index is the next free one.
    void Mark(int position, const Segment& segment, double x);
    void Mark(int position, const TickRule& tick, const LabelRule& label, const Sweep& sweep,
              double x);

    // Every value of every segment, in order; positionOf(x) gives the position.
    template <class PositionOf>
    void Run(std::span<const Segment> segments, PositionOf&& positionOf) {
        for (const Segment& segment : segments) {
            segment.sweep.ForEach([&](double x) { Mark(positionOf(x), segment, x); });
        }
    }

    // The value the next counted label takes.
    void StartLabelCounter(int16_t first) { counter_ = first; }

    void SetLabel(int index, int16_t label) {
        marks_[static_cast<std::size_t>(index)].label = label;
    }

    // The number of marks written (the LL count convention).
    int16_t MarkCount() const { return static_cast<int16_t>(next_); }
    // The index of the last mark written (the C/D family's count convention).
    int16_t LastIndex() const { return static_cast<int16_t>(next_ - 1); }

  private:
    int16_t LabelAt(const LabelRule& rule, const Sweep& sweep, double x);
    void Put(int position, int16_t tick, int16_t label);

    std::span<GraduationMark> marks_;
    TickLengths ticks_;
    int next_ = 0;
    int16_t counter_ = 1;
};

}  // namespace tesmark
