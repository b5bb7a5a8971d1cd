// tesmark-cli readings: the 22 reading slots of a rule state.
#include <optional>
#include <ostream>

#include "commands.h"
#include "model/reading_table.h"
#include "option_table.h"
#include "readings_output.h"
#include "state_options.h"

namespace tesmark::cli {

namespace {

struct ReadingsRequest {
    StateOptions state;
    bool json = false;
};

std::vector<OptionGroup> ReadingsOptions(ReadingsRequest& request) {
    return {
        {nullptr,
         11,
         {FlagOption("--json", "print a JSON object instead of the table", request.json),
          HelpOption()}},
        StateOptionGroup(request.state),
    };
}

void PrintReadingsHelp(std::ostream& out) {
    ReadingsRequest unused;
    out << "usage: tesmark-cli readings [--json] [state options]\n\n"
           "Prints the value of every reading slot (1..22) for a rule state: slot,\n"
           "column, row, scale, the value at full precision and the readout text.\n"
           "-99 means that the slot has no reading (shown as dashes). The focus is\n"
           "the one the window shows: a focus on an index column without a reading\n"
           "moves to the other index column, as when the window paints.\n\n";
    WriteOptionHelp(out, ReadingsOptions(unused));
    out << "\n" << ExitStatusHelp();
}

ParseOutcome ParseReadings(const Args& args, ReadingsRequest& request, std::string& error) {
    return ParseCommandLine(args, {ReadingsOptions(request), nullptr, "-"}, error);
}

}  // namespace

int ParseReadingsOnly(const Args& args, std::string& error) {
    ReadingsRequest request;
    const ParseOutcome outcome = ParseReadings(args, request, error);
    return outcome == ParseOutcome::Error ? kExitUsage : kExitDone;
}

int RunReadings(const Args& args, std::ostream& out, std::ostream& err) {
    ReadingsRequest request;
    std::string error;
    if (const std::optional<int> code = StopAfterParse(
            ParseReadings(args, request, error), "readings", error, out, err, PrintReadingsHelp)) {
        return *code;
    }
    RuleState state;
    if (!ResolveState(request.state, state, error)) {
        err << "tesmark-cli readings: " << error << "\n";
        return kExitUsage;
    }
    ApplyFocusFixUp(state);
    if (request.json) {
        WriteReadingsJson(out, state, "");
    } else {
        WriteReadingsTable(out, state);
    }
    return kExitDone;
}

}  // namespace tesmark::cli
