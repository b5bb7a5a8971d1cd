#pragma once
// "Show me": a calculation typed by the user, turned into the moves a person
// makes on this rule (set the hairline, bring the slide, turn the rule over,
// choose the LL pair) and played with the ordinary operations, so that every
// step is undoable and the result is read off the rule, not computed.
#include <string>
#include <string_view>
#include <vector>

#include "model/rule_state.h"
#include "model/slot_scale.h"
#include "model/string_table.h"
#include "ops/command_registry.h"
#include "ops/rule_session.h"
#include "ops/undo_record.h"

namespace tesmark {

enum class ShowMeStepKind { Command, Move, Read };

struct ShowMeStep {
    ShowMeStepKind kind = ShowMeStepKind::Move;
    int command = 0;  // Command: the id run through the registry (face, LL pair, S/T ...)
    int slot = 0;     // Move, Read: the reading slot (1..22) made the focus first
    MoveTarget target = MoveTarget::Cursor;  // Move: what moves
    double value = 0.0;  // Move: the value set on the slot's scale; Read: the value expected there
    // The scale of the slot as the step finds it (after the move, for a Move):
    // its printed name ("D", "LL3", "S0") and its kind.
    std::string scale;
    ScaleKind scaleKind = ScaleKind::None;
};

struct ShowMePlan {
    std::string expression;         // the calculation as parsed, written back normalised
    std::vector<ShowMeStep> steps;  // ends with one Read step
    double exact = 0.0;             // the exact value of the calculation
    int exponent = 0;  // result = reading of the last step x 10^exponent (the decimal point rule)
    // A common logarithm is read on L as its mantissa: the result is the L
    // reading's fraction plus this whole number (the characteristic).
    int characteristic = 0;
    // The natural logarithm of a value below 1 is read as the size of a
    // negative number: the result is the reading taken negative.
    bool negative = false;
};

struct ShowMeOutcome {
    bool planned = false;
    ShowMePlan plan;
    std::string refusal;  // why not, in the language asked (UTF-8), when !planned
};

// Parses the calculation and plans its moves from the state as it stands (the
// face and options it starts with decide which commands the plan begins with).
ShowMeOutcome PlanCalculation(std::string_view text, const RuleState& state, Language language);

// The status-line text of a step ("Set the hairline on D 2.5", "Bring C 1 under the hairline",
// "Read the result on D under the hairline: 7.71"); reading: what the rule shows for a Read step.
std::string ShowMeStepText(const ShowMeStep& step, const ShowMePlan& plan, Language language,
                           double reading);

// Plays one step with the ordinary operations on the session (focus slot, then MoveToValue through
// the same path the value moves use, recording undo first as they do; Command steps through
// ExecuteCommand). False when the rule refused the step.
bool PlayShowMeStep(const ShowMeStep& step, CommandTarget& target);

// The result a reading of the plan's Read step stands for: the reading x
// 10^exponent on the C/D family (a reading that sits on the very end of its
// scale, where 1 and 10 are the same place, is taken at the end the estimate
// expects), the L fraction plus the characteristic, an LL reading as it is;
// negated for the logarithm of a value below 1.
double ShowMeValueOfReading(const ShowMePlan& plan, double reading);

// What the rule shows as the result after the last step: the Read slot's current reading x
// 10^exponent.
double ShowMeResult(const ShowMePlan& plan, const RuleSession& session);

}  // namespace tesmark
