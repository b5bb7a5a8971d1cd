#include "ops/show_me_plan.h"

#include <cmath>

#include "model/reading_table.h"

namespace tesmark {

ShowMeOutcome PlanCalculation(std::string_view text, const RuleState& state, Language language) {
    (void)text;
    (void)state;
    ShowMeOutcome outcome;
    outcome.refusal = language == Language::Japanese ? "まだ計画できません。" : "Not planned yet.";
    return outcome;
}

std::string ShowMeStepText(const ShowMeStep& step, const ShowMePlan& plan, Language language,
                           double reading) {
    (void)step;
    (void)plan;
    (void)language;
    (void)reading;
    return {};
}

bool PlayShowMeStep(const ShowMeStep& step, CommandTarget& target) {
    (void)step;
    (void)target;
    return false;
}

double ShowMeResult(const ShowMePlan& plan, const RuleSession& session) {
    if (plan.steps.empty()) return NoReading;
    const double reading = CurrentReading(plan.steps.back().slot, session.state);
    return reading * std::pow(10.0, plan.exponent);
}

}  // namespace tesmark
