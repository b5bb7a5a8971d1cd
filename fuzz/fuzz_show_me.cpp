// The Show me parse and planner: any bytes must give a plan or a refusal,
// never a crash; a plan ends with its one Read step, plays on a fresh rule
// move by move as it was planned, and reads a finite result.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/reading_table.h"
#include "model/rule_state.h"
#include "ops/command_port.h"
#include "ops/headless_window_port.h"
#include "ops/rule_session.h"
#include "ops/show_me_plan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tesmark;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RuleState state = RuleState::Defaults();
    // The first byte, when there is one, also picks the face to start from.
    if (size > 0) state.SlideRev = static_cast<int16_t>(data[0] & 1);
    const Language language = size > 1 && (data[1] & 1) ? Language::Japanese : Language::English;
    const ShowMeOutcome outcome = PlanCalculation(text, state, language);
    if (!outcome.planned) {
        if (outcome.refusal.empty()) std::abort();
        return 0;
    }
    const ShowMePlan& plan = outcome.plan;
    if (plan.steps.empty() || plan.steps.back().kind != ShowMeStepKind::Read) std::abort();

    RuleSession session(state);
    HeadlessWindowPort port(session);
    HeadlessWindowPort::RecordComposition(session);
    NoCommandPort commands;
    CommandTarget target{session, port, commands};
    for (const ShowMeStep& step : plan.steps) {
        if (!PlayShowMeStep(step, target)) std::abort();
        (void)ShowMeStepText(step, plan, language, CurrentReading(step.slot, state));
    }
    const double result = ShowMeResult(plan, session);
    if (!std::isfinite(result)) std::abort();
    return 0;
}
