#pragma once
// What a "Show me" step may change on the rule, kept before each step so
// that Previous can walk the playback back further than the one step of
// undo: both positions, the face, the scale options, the focus slot and the
// undo record itself.
#include <cstdint>

#include "ops/command_registry.h"
#include "ops/rule_session.h"
#include "ops/undo_record.h"

namespace tesmark {

struct RuleSnapshot {
    int32_t SlidePos = 0;
    int32_t CursorPos = 0;
    int16_t SlideRev = 0;
    int16_t SinNum = 0;
    int16_t ScalePI = 0;
    int16_t ScaleST = 0;
    int16_t ScaleLL = 0;
    int16_t NumFoucs = 0;
    UndoRecord undo;
};

RuleSnapshot CaptureRule(const RuleSession& session);

// Whether the rule stands where a snapshot left it: the positions, the face
// and the options. The focus slot and the undo record are not compared; a
// click on a reading box moves nothing.
bool SameRulePlace(const RuleSnapshot& a, const RuleSnapshot& b);

// Puts the rule back the way the ordinary moves do: the state and the bar
// thumbs, the rule body recomposed for the face and options, the whole rule
// repainted and, when the face turns, the menus and toolbars refreshed.
void RestoreRule(const RuleSnapshot& snapshot, CommandTarget& target);

}  // namespace tesmark
