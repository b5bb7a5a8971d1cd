// tesmark-cli readings: the 22 reading slots of a rule state.
#include <ostream>

#include "commands.h"
#include "readings_output.h"
#include "state_options.h"

namespace tesmark::cli {

int RunReadings(const Args& args, std::ostream& out, std::ostream& err) {
    ParsedState parsed;
    std::string error;
    if (!ParseStateOptions(args, parsed, error)) {
        err << "tesmark-cli readings: " << error << "\n";
        return 2;
    }
    bool json = false;
    for (const std::string& arg : parsed.rest) {
        if (arg == "--help" || arg == "-h") {
            out << "usage: tesmark-cli readings [--json] [state options]\n\n"
                   "Prints the value of every reading slot (1..22) for a rule state: slot,\n"
                   "column, row, scale, the value at full precision and the readout text.\n"
                   "-99 means that the slot has no reading (shown as dashes).\n\n"
                << StateOptionsHelp();
            return 0;
        }
        if (arg == "--json") {
            json = true;
            continue;
        }
        err << "tesmark-cli readings: unknown option '" << arg << "' (see --help)\n";
        return 2;
    }
    if (json) {
        WriteReadingsJson(out, parsed.state, "");
    } else {
        WriteReadingsTable(out, parsed.state);
    }
    return 0;
}

}  // namespace tesmark::cli
