// tesmark-cli play: plans a calculation as "Show me" does, plays it on the
// rule step by step and prints each step with the state after it, then the
// result as read off the rule and its relative error against the exact value.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>

#include "commands.h"
#include "model/reading_table.h"
#include "model/scale_layout.h"
#include "ops/command_port.h"
#include "ops/headless_window_port.h"
#include "ops/rule_session.h"
#include "ops/show_me_plan.h"
#include "option_table.h"
#include "readings_output.h"
#include "state_options.h"

namespace tesmark::cli {

namespace {

struct PlayRequest {
    StateOptions state;
    bool json = false;
    bool japanese = false;
    bool haveExpression = false;
    std::string expression;
};

std::vector<OptionGroup> PlayOptions(PlayRequest& request) {
    return {
        {nullptr,
         16,
         {ChoiceOption("--lang", "en|ja", "the language of the steps and messages", {"en", "ja"},
                       [&request](std::size_t ja) { request.japanese = ja == 1; }),
          FlagOption("--json", "print a JSON object instead of text", request.json), HelpOption()}},
        StateOptionGroup(request.state),
    };
}

void PrintPlayHelp(std::ostream& out) {
    PlayRequest unused;
    out << "usage: tesmark-cli play [--json] [--lang en|ja] [state options] [--] EXPR\n\n"
           "Plans the moves a person makes on the rule for the calculation EXPR and\n"
           "plays them from the state given: products and quotients (* x / :),\n"
           "powers (x^2, x^3, x^y, e^x), roots (sqrt, cbrt, x^(1/n)), reciprocals\n"
           "(1/x), sin cos tan of degrees, log and ln, the constants e and pi.\n"
           "Prints every step (its text, the move, the scale and value, the state\n"
           "after it) and the result as read off the rule, with its relative error\n"
           "against the exact value. A calculation the rule cannot do (addition,\n"
           "subtraction, values beyond the scales, a malformed text) prints why and\n"
           "exits with 1.\n\n";
    WriteOptionHelp(out, PlayOptions(unused));
    out << "\n" << ExitStatusHelp();
}

ParseOutcome ParsePlay(const Args& args, PlayRequest& request, std::string& error) {
    auto takeExpression = [&request](const std::string& text, std::string& message) {
        if (request.haveExpression) {
            message = "more than one EXPR (quote the calculation as one argument)";
            return false;
        }
        request.expression = text;
        request.haveExpression = true;
        return true;
    };
    const ParseOutcome outcome =
        ParseCommandLine(args, {PlayOptions(request), takeExpression, "--"}, error);
    if (outcome != ParseOutcome::Ok) return outcome;
    if (!request.haveExpression) {
        error = "an EXPR is required";
        return ParseOutcome::Error;
    }
    return ParseOutcome::Ok;
}

std::string Number(double value) {
    char text[40];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    return text;
}

const char* KindName(ShowMeStepKind kind) {
    switch (kind) {
        case ShowMeStepKind::Command:
            return "command";
        case ShowMeStepKind::Move:
            return "move";
        case ShowMeStepKind::Read:
            return "read";
    }
    return "";
}

std::string FocusScale(const RuleState& state) {
    const SlotPlace place = PlaceOfSlot(state.NumFoucs);
    if (place.row < 0) return "";
    return FaceLayout(state)[static_cast<std::size_t>(place.row)].name;
}

std::string StateJson(const RuleState& state) {
    return "{\"SlidePos\": " + std::to_string(state.SlidePos) +
           ", \"CursorPos\": " + std::to_string(state.CursorPos) +
           ", \"SlideRev\": " + std::to_string(state.SlideRev) +
           ", \"ScaleLL\": " + std::to_string(state.ScaleLL) +
           ", \"ScaleST\": " + std::to_string(state.ScaleST) +
           ", \"SinNum\": " + std::to_string(state.SinNum) +
           ", \"ScalePI\": " + std::to_string(state.ScalePI) +
           ", \"NumFoucs\": " + std::to_string(state.NumFoucs) +
           ", \"focusScale\": " + JsonString(FocusScale(state)) +
           ", \"focusReading\": " + Number(CurrentReading(state.NumFoucs, state)) + "}";
}

std::string StateText(const RuleState& state) {
    return "slide " + std::to_string(state.SlidePos) + ", cursor " +
           std::to_string(state.CursorPos) + ", " + (state.SlideRev != 0 ? "back" : "front") +
           " face, LL pair " + std::to_string(state.ScaleLL) + ", ST " +
           std::to_string(state.ScaleST) + ", SinNum " + std::to_string(state.SinNum) + ", PI " +
           std::to_string(state.ScalePI) + ", focus " + std::to_string(state.NumFoucs) + " (" +
           FocusScale(state) + ") = " + Number(CurrentReading(state.NumFoucs, state));
}

std::string MoveText(const ShowMeStep& step) {
    if (step.kind == ShowMeStepKind::Command) return "command " + std::to_string(step.command);
    std::string text = step.kind == ShowMeStepKind::Move
                           ? std::string(step.target == MoveTarget::Slide ? "slide" : "cursor")
                           : std::string("read");
    return text + ", slot " + std::to_string(step.slot) + " (" + step.scale + "), value " +
           Number(step.value);
}

}  // namespace

int ParsePlayOnly(const Args& args, std::string& error) {
    PlayRequest request;
    const ParseOutcome outcome = ParsePlay(args, request, error);
    return outcome == ParseOutcome::Error ? kExitUsage : kExitDone;
}

int RunPlay(const Args& args, std::ostream& out, std::ostream& err) {
    PlayRequest request;
    std::string error;
    if (const std::optional<int> code = StopAfterParse(ParsePlay(args, request, error), "play",
                                                       error, out, err, PrintPlayHelp)) {
        return *code;
    }
    RuleState state;
    if (!ResolveState(request.state, state, error)) {
        err << "tesmark-cli play: " << error << "\n";
        return kExitUsage;
    }
    ApplyFocusFixUp(state);
    state.Language = request.japanese ? 1 : 0;
    const Language language = request.japanese ? Language::Japanese : Language::English;

    const ShowMeOutcome outcome = PlanCalculation(request.expression, state, language);
    if (!outcome.planned) {
        if (request.json) out << "{\"refusal\": " << JsonString(outcome.refusal) << "}\n";
        err << "tesmark-cli play: " << outcome.refusal << "\n";
        return kExitFailed;
    }
    const ShowMePlan& plan = outcome.plan;

    RuleSession session(state);
    HeadlessWindowPort port(session);
    HeadlessWindowPort::RecordComposition(session);
    NoCommandPort commands;
    CommandTarget target{session, port, commands};

    if (request.json) {
        out << "{\"expression\": " << JsonString(plan.expression)
            << ", \"exact\": " << Number(plan.exact) << ", \"steps\": [";
    } else {
        out << "expression: " << plan.expression << "\nexact: " << Number(plan.exact) << "\n";
    }
    int index = 0;
    for (const ShowMeStep& step : plan.steps) {
        ++index;
        if (!PlayShowMeStep(step, target)) {
            if (request.json) out << "]}\n";
            err << "tesmark-cli play: the rule refused step " << index << ": " << port.statusText
                << "\n";
            return kExitFailed;
        }
        const double reading =
            step.kind == ShowMeStepKind::Command ? NoReading : CurrentReading(step.slot, state);
        const std::string text = ShowMeStepText(step, plan, language, reading);
        if (request.json) {
            out << (index > 1 ? ", " : "") << "{\"step\": " << index << ", \"kind\": \""
                << KindName(step.kind) << "\", \"text\": " << JsonString(text);
            if (step.kind == ShowMeStepKind::Command) {
                out << ", \"command\": " << step.command;
            } else {
                if (step.kind == ShowMeStepKind::Move) {
                    out << ", \"target\": \""
                        << (step.target == MoveTarget::Slide ? "slide" : "cursor") << "\"";
                }
                out << ", \"slot\": " << step.slot << ", \"scale\": " << JsonString(step.scale)
                    << ", \"value\": " << Number(step.value)
                    << ", \"reading\": " << Number(reading);
            }
            out << ", \"state\": " << StateJson(state) << "}";
        } else {
            out << index << ". " << text << "\n   " << MoveText(step)
                << "\n   after: " << StateText(state) << "\n";
        }
    }
    const double result = ShowMeResult(plan, session);
    // A result of 0 (log 1) has no relative error: the error is then absolute.
    const double relativeError = plan.exact != 0.0
                                     ? std::abs(result - plan.exact) / std::abs(plan.exact)
                                     : std::abs(result - plan.exact);
    if (request.json) {
        out << "], \"exponent\": " << plan.exponent
            << ", \"characteristic\": " << plan.characteristic
            << ", \"negative\": " << (plan.negative ? "true" : "false")
            << ", \"result\": " << Number(result)
            << ", \"relativeError\": " << Number(relativeError) << "}\n";
    } else {
        char error[32];
        std::snprintf(error, sizeof error, "%.3g", relativeError);
        out << "result: " << Number(result) << "\nrelative error: " << error << "\n";
    }
    return kExitDone;
}

}  // namespace tesmark::cli
