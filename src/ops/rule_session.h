#pragma once
// RuleSession: the window-level data that the operations share. The main
// window owns one for its lifetime and hands it, with its WindowPort, to
// every operation; RuleState itself stays owned by the application.
#include <cstdint>

#include "model/composed_record.h"
#include "model/reading_table.h"
#include "model/rule_state.h"
#include "ops/random_generator.h"
#include "ops/undo_record.h"
#include "render/redraw_state.h"

namespace tesmark {

struct RuleSession {
    explicit RuleSession(RuleState& ruleState) : state(ruleState) {}

    RuleState& state;
    ReadingTable readings;    // the values of the last paint
    RedrawState redraw;       // RedrawHint and PaintedFlag
    ComposedRecord composed;  // options of the last composition of the body
    UndoRecord undo;          // one step of undo
    int16_t StatusShown = 0;  // 1 while an operation's message stands
    RandomGenerator random;   // greetings; seeded when the window is built
};

}  // namespace tesmark
