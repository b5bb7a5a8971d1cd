// tesmark-cli round: the value the zero-rounding moves take the focus
// reading to (its last digit other than 0 made 0), and with --apply the move
// itself, made as the window's zero-rounding command makes it.
#include <optional>
#include <ostream>
#include <string>

#include "commands.h"
#include "model/panel_style.h"
#include "model/reading_table.h"
#include "move_report.h"
#include "ops/headless_window_port.h"
#include "ops/rule_session.h"
#include "ops/text_moves.h"
#include "option_table.h"
#include "readings_output.h"
#include "state_options.h"

namespace tesmark::cli {

namespace {

struct RoundRequest {
    StateOptions state;
    bool json = false;
    bool japanese = false;
    bool apply = false;
    bool haveTarget = false;
    MoveTarget target = MoveTarget::Cursor;
};

std::vector<OptionGroup> RoundOptions(RoundRequest& request) {
    return {
        {nullptr,
         23,
         {FlagOption("--apply",
                     "make the move, as the 0 Round menu's Slide move or\nCursor move does",
                     request.apply),
          ChoiceOption("--target", "slide|cursor",
                       "what --apply moves: the slide sets slots 1-6, 10-13\n"
                       "and 17-22, the cursor slots 7-16",
                       {"slide", "cursor"},
                       [&request](std::size_t cursor) {
                           request.target = cursor ? MoveTarget::Cursor : MoveTarget::Slide;
                           request.haveTarget = true;
                       }),
          ChoiceOption("--lang", "en|ja", "the language of the status message of --apply",
                       {"en", "ja"}, [&request](std::size_t ja) { request.japanese = ja == 1; }),
          FlagOption("--json", "print a JSON object instead of the text", request.json),
          HelpOption()}},
        StateOptionGroup(request.state),
    };
}

void PrintRoundHelp(std::ostream& out) {
    RoundRequest unused;
    out << "usage: tesmark-cli round [--json] [state options]\n"
           "       tesmark-cli round --apply --target slide|cursor [--json] [--lang en|ja]\n"
           "                         [state options]\n\n"
           "Prints the zero rounding of the focus reading: the reading as the slot\n"
           "formats it, with its last digit other than 0 made 0 (3.14159 gives\n"
           "3.1415, then 3.141, then 3.14). Prints the focus slot and its scale, the\n"
           "reading (its value and the text the panel shows) and the rounded value.\n"
           "A focus without a reading is refused with 1.\n\n"
           "With --apply it moves the target so that the focus reading shows the\n"
           "rounded value, as the window's zero-rounding move does, and prints the\n"
           "resulting state and readings as 'tesmark-cli set' does, with the\n"
           "rounded value; a refused move leaves the state as it was and exits\n"
           "with 1, and so does a focus the target cannot set.\n\n";
    WriteOptionHelp(out, RoundOptions(unused));
    out << "\n" << ExitStatusHelp();
}

ParseOutcome ParseRound(const Args& args, RoundRequest& request, std::string& error) {
    const ParseOutcome outcome =
        ParseCommandLine(args, {RoundOptions(request), nullptr, "-"}, error);
    if (outcome != ParseOutcome::Ok) return outcome;
    if (request.apply && !request.haveTarget) {
        error = "--apply needs --target slide|cursor";
        return ParseOutcome::Error;
    }
    if (request.haveTarget && !request.apply) {
        error = "--target says what --apply moves; give --apply too";
        return ParseOutcome::Error;
    }
    return ParseOutcome::Ok;
}

// The focus, its reading and the rounded value, without moving anything.
int WriteRounding(std::ostream& out, std::ostream& err, const RuleState& state, bool json) {
    const int slot = state.NumFoucs;
    const std::optional<double> rounded = ZeroRoundedFocusReading(state);
    if (slot == 0 || !rounded) {
        err << "tesmark-cli round: "
            << (slot == 0 ? std::string("there is no focus slot (give --focus SLOT)")
                          : NoReadingProblem(state))
            << "\n";
        return kExitFailed;
    }
    const char* scale = SlotScaleName(slot, state);
    const double reading = CurrentReading(slot, state);
    const std::string text =
        scale != nullptr ? PanelText(reading, PlaceOfSlot(slot).row, state) : std::string();
    if (json) {
        out << "{\"focus\": " << slot
            << ", \"scale\": " << (scale != nullptr ? JsonString(scale) : std::string("null"))
            << ", \"reading\": " << ExactNumber(reading) << ", \"text\": " << JsonString(text)
            << ", \"rounded\": " << ExactNumber(*rounded) << "}\n";
    } else {
        out << "focus: " << slot << (scale != nullptr ? std::string(" (") + scale + ")" : "")
            << "\nreading: " << ExactNumber(reading) << " (" << text << ")"
            << "\nrounded: " << ExactNumber(*rounded) << "\n";
    }
    return kExitDone;
}

}  // namespace

int ParseRoundOnly(const Args& args, std::string& error) {
    RoundRequest request;
    return ParseRound(args, request, error) == ParseOutcome::Error ? kExitUsage : kExitDone;
}

int RunRound(const Args& args, std::ostream& out, std::ostream& err) {
    RoundRequest request;
    std::string error;
    if (const std::optional<int> code = StopAfterParse(ParseRound(args, request, error), "round",
                                                       error, out, err, PrintRoundHelp)) {
        return *code;
    }
    RuleState state;
    if (!ResolveState(request.state, state, error)) {
        err << "tesmark-cli round: " << error << "\n";
        return kExitUsage;
    }
    // The focus as the window shows it, having painted the state.
    ApplyFocusFixUp(state);
    if (!request.apply) return WriteRounding(out, err, state, request.json);

    const std::string focusProblem = FocusProblem(state, request.target);
    if (!focusProblem.empty()) {
        err << "tesmark-cli round: " << focusProblem << "\n";
        return kExitFailed;
    }
    const std::optional<double> rounded = ZeroRoundedFocusReading(state);
    state.Language = request.japanese ? 1 : 0;
    RuleSession session(state);
    HeadlessWindowPort port(session);
    // As after the window's construction: the body shows the state's options.
    HeadlessWindowPort::RecordComposition(session);

    const std::optional<int32_t> result = ZeroRoundMove(session, port, request.target);
    if (!result || !rounded) {
        err << "tesmark-cli round: " << NoReadingProblem(state) << "\n";
        return kExitFailed;
    }
    ApplyFocusFixUp(state);
    return WriteMoveReport(out, err, "round", state,
                           {*result, port.statusText, {{"rounded", ExactNumber(*rounded)}}},
                           request.json);
}

}  // namespace tesmark::cli
