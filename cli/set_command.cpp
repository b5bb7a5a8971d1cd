// tesmark-cli set: sets a value on the rule as a paste does, then prints the
// state and readings that result.
#include <optional>
#include <ostream>
#include <string>

#include "commands.h"
#include "model/panel_style.h"
#include "model/reading_table.h"
#include "model/scale_layout.h"
#include "ops/headless_window_port.h"
#include "ops/move_to_value.h"
#include "ops/parse_number.h"
#include "ops/rule_session.h"
#include "ops/scroll_handler.h"
#include "option_table.h"
#include "readings_output.h"
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
           "                      [--json] [--lang en|ja] [--] VALUE\n\n"
           "Moves the slide or the cursor so that the focus reading shows VALUE, as a\n"
           "paste from the clipboard does: VALUE is read as its leading number (of its\n"
           "first 20 characters); a text without one is 0. Use -- before a VALUE that\n"
           "starts with '--'. Prints the resulting state and readings, with the\n"
           "returned bar position (\"result\", -1 when refused) and the status message;\n"
           "a refused value leaves the state as it was and exits with 1. A focus the\n"
           "target cannot set (a stator slot for the slide, an index slot for the\n"
           "cursor, or no focus) is refused with 1 before anything moves.\n\n";
    WriteOptionHelp(out, SetOptions(unused));
    out << "\n" << ExitStatusHelp();
}

ParseOutcome ParseSet(const Args& args, SetRequest& request, std::string& error) {
    auto takeValue = [&request](const std::string& text, std::string& message) {
        if (request.haveValue) {
            message = "more than one VALUE ('" + request.value + "', '" + text + "')";
            return false;
        }
        request.value = text;
        request.haveValue = true;
        return true;
    };
    const ParseOutcome outcome =
        ParseCommandLine(args, {SetOptions(request), takeValue, "--"}, error);
    if (outcome != ParseOutcome::Ok) return outcome;
    if (!request.haveTarget) {
        error = "--target slide|cursor is required";
        return ParseOutcome::Error;
    }
    if (!request.haveValue) {
        error = "a VALUE is required";
        return ParseOutcome::Error;
    }
    return ParseOutcome::Ok;
}

// The window sets by value only a focus its bar can move: "" when the target
// can set the slot, else why not.
std::string FocusProblem(const RuleState& state, MoveTarget target) {
    const bool slide = target == MoveTarget::Slide;
    const int slot = state.NumFoucs;
    if (SlotSuitsBar(slot, slide ? BarId::Slide : BarId::Cursor)) return "";
    const std::string mover = slide ? "the slide" : "the cursor";
    const std::string reach = slide ? "slots 1-6, 10-13 and 17-22" : "slots 7-16";
    if (slot == 0)
        return "there is no focus slot to set (give --focus SLOT; " + mover + " sets " + reach +
               ")";
    std::string scale;
    const int row = PlaceOfSlot(slot).row;
    if (PanelStyleOfRow(row, state))
        scale = std::string(" (") + FaceLayout(state)[static_cast<std::size_t>(row)].name + ")";
    return mover + " cannot set slot " + std::to_string(slot) + scale + ": it sets " + reach;
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

    const double value = ParsePastedNumber(request.value);
    const int32_t result = MoveToValue(session, port, value, request.target, true);
    ApplyFocusFixUp(state);

    if (request.json) {
        WriteReadingsJson(out, state,
                          ", \"result\": " + std::to_string(result) +
                              ", \"message\": " + JsonString(port.statusText));
    } else {
        out << "result: " << result << "\nmessage: " << port.statusText << "\n";
        WriteReadingsTable(out, state);
    }
    if (result < 0) {
        err << "tesmark-cli set: " << port.statusText << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace tesmark::cli
