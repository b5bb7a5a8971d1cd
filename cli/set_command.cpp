// tesmark-cli set: sets a value on the rule as a paste does (through the
// paste command's own path), then prints the state and readings that result.
#include <optional>
#include <ostream>
#include <string>

#include "commands.h"
#include "model/reading_table.h"
#include "move_report.h"
#include "ops/headless_window_port.h"
#include "ops/parse_number.h"
#include "ops/rule_session.h"
#include "ops/text_moves.h"
#include "option_table.h"
#include "state_options.h"

namespace tesmark::cli {

namespace {

struct SetRequest {
    StateOptions state;
    bool json = false;
    bool japanese = false;
    bool haveTarget = false;
    MoveTarget target = MoveTarget::Cursor;
    bool haveValue = false;
    std::string value;
};

// VALUE and --text TEXT are one value, given once.
bool TakeValue(SetRequest& request, const std::string& text, std::string& error) {
    if (request.haveValue) {
        error = "more than one VALUE ('" + request.value + "', '" + text + "')";
        return false;
    }
    request.value = text;
    request.haveValue = true;
    return true;
}

std::vector<OptionGroup> SetOptions(SetRequest& request) {
    return {
        {nullptr,
         23,
         {ChoiceOption("--target", "slide|cursor",
                       "what moves: the slide sets slots 1-6, 10-13 and 17-22,\n"
                       "the cursor slots 7-16",
                       {"slide", "cursor"},
                       [&request](std::size_t cursor) {
                           request.target = cursor ? MoveTarget::Cursor : MoveTarget::Slide;
                           request.haveTarget = true;
                       }),
          {"--text", nullptr, "TEXT", "the text to paste, as VALUE (a TEXT may begin with '-')",
           [&request](const std::string& text, std::string& error) {
               return TakeValue(request, text, error);
           }},
          ChoiceOption("--lang", "en|ja", "the language of the status message", {"en", "ja"},
                       [&request](std::size_t ja) { request.japanese = ja == 1; }),
          FlagOption("--json", "print a JSON object instead of the table", request.json),
          HelpOption()}},
        StateOptionGroup(request.state),
    };
}

void PrintSetHelp(std::ostream& out) {
    SetRequest unused;
    out << "usage: tesmark-cli set --target slide|cursor [--focus SLOT] [state options]\n"
           "                      [--json] [--lang en|ja] [--] VALUE\n"
           "       tesmark-cli set --target slide|cursor --text TEXT [...]\n\n"
           "Moves the slide or the cursor so that the focus reading shows VALUE, as a\n"
           "paste from the clipboard does: VALUE (or TEXT) is read as the leading\n"
           "number of its first 20 characters; a text without one is 0, which only\n"
           "the L scale shows. Give a VALUE that starts with '--' after --, or as\n"
           "--text. Prints the resulting state and readings, with the returned bar\n"
           "position (\"result\", -1 when refused) and the status message; a refused\n"
           "value (\"DOMAIN error.\" for 0, nan, inf or 1e999) leaves the state as it\n"
           "was and exits with 1. A focus the target cannot set (a stator slot for\n"
           "the slide, an index slot for the cursor, or no focus) or a focus slot\n"
           "without a reading is refused with 1 before anything moves.\n\n";
    WriteOptionHelp(out, SetOptions(unused));
    out << "\n" << ExitStatusHelp();
}

ParseOutcome ParseSet(const Args& args, SetRequest& request, std::string& error) {
    auto takeValue = [&request](const std::string& text, std::string& message) {
        return TakeValue(request, text, message);
    };
    const ParseOutcome outcome =
        ParseCommandLine(args, {SetOptions(request), takeValue, "--"}, error);
    if (outcome != ParseOutcome::Ok) return outcome;
    if (!request.haveTarget) {
        error = "--target slide|cursor is required";
        return ParseOutcome::Error;
    }
    if (!request.haveValue) {
        error = "a VALUE (or --text TEXT) is required";
        return ParseOutcome::Error;
    }
    return ParseOutcome::Ok;
}

}  // namespace

int ParseSetOnly(const Args& args, std::string& error) {
    SetRequest request;
    const ParseOutcome outcome = ParseSet(args, request, error);
    if (outcome == ParseOutcome::Ok) static_cast<void>(ParsePastedNumber(request.value));
    return outcome == ParseOutcome::Error ? kExitUsage : kExitDone;
}

int RunSet(const Args& args, std::ostream& out, std::ostream& err) {
    SetRequest request;
    std::string error;
    if (const std::optional<int> code =
            StopAfterParse(ParseSet(args, request, error), "set", error, out, err, PrintSetHelp)) {
        return *code;
    }
    RuleState state;
    if (!ResolveState(request.state, state, error)) {
        err << "tesmark-cli set: " << error << "\n";
        return kExitUsage;
    }
    // The focus as the window shows it, having painted the state.
    ApplyFocusFixUp(state);
    const std::string focusProblem = FocusProblem(state, request.target);
    if (!focusProblem.empty()) {
        err << "tesmark-cli set: " << focusProblem << "\n";
        return kExitFailed;
    }

    state.Language = request.japanese ? 1 : 0;
    RuleSession session(state);
    HeadlessWindowPort port(session);
    // As after the window's construction: the body shows the state's options.
    HeadlessWindowPort::RecordComposition(session);

    const std::optional<int32_t> result =
        PasteToTarget(session, port, request.target, request.value);
    if (!result) {
        err << "tesmark-cli set: " << NoReadingProblem(state) << "\n";
        return kExitFailed;
    }
    ApplyFocusFixUp(state);
    return WriteMoveReport(out, err, "set", state, {*result, port.statusText, {}}, request.json);
}

}  // namespace tesmark::cli
