// tesmark-cli set: sets a value on the rule as a paste does, then prints the
// state and readings that result.
#include <ostream>
#include <string>

#include "commands.h"
#include "ops/headless_window_port.h"
#include "ops/move_to_value.h"
#include "ops/parse_number.h"
#include "ops/rule_session.h"
#include "readings_output.h"
#include "state_options.h"

namespace tesmark::cli {

namespace {

void PrintSetHelp(std::ostream& out) {
    out << "usage: tesmark-cli set --target slide|cursor [--focus SLOT] [state options]\n"
           "                      [--json] [--lang en|ja] [--] VALUE\n\n"
           "Moves the slide or the cursor so that the focus reading shows VALUE, as a\n"
           "paste from the clipboard does: VALUE is read as its leading number (of its\n"
           "first 20 characters); a text without one is 0. Use -- before a VALUE that\n"
           "starts with '--'. Prints the resulting state and readings, with the\n"
           "returned bar position (\"result\", -1 when refused) and the status message;\n"
           "a refused value leaves the state as it was and exits with 1.\n\n"
        << StateOptionsHelp();
}

struct SetOptions {
    bool json = false;
    bool japanese = false;
    bool haveTarget = false;
    MoveTarget target = MoveTarget::Cursor;
    bool haveValue = false;
    std::string value;
};

// Returns 0 to go on, 2 for a usage error (reported), or -1 after help.
int ParseSetOptions(const Args& rest, SetOptions& options, std::ostream& out, std::ostream& err) {
    auto takeValue = [&](const std::string& text) {
        if (options.haveValue) {
            err << "tesmark-cli set: more than one VALUE ('" << options.value << "', '" << text
                << "')\n";
            return false;
        }
        options.value = text;
        options.haveValue = true;
        return true;
    };
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& arg = rest[i];
        if (arg == "--") {
            for (++i; i < rest.size(); ++i) {
                if (!takeValue(rest[i])) return 2;
            }
            break;
        }
        if (arg == "--help" || arg == "-h") {
            PrintSetHelp(out);
            return -1;
        }
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--target" || arg == "--lang") {
            if (i + 1 >= rest.size()) {
                err << "tesmark-cli set: " << arg << " needs a value\n";
                return 2;
            }
            const std::string& value = rest[++i];
            if (arg == "--target" && (value == "slide" || value == "cursor")) {
                options.target = value == "slide" ? MoveTarget::Slide : MoveTarget::Cursor;
                options.haveTarget = true;
            } else if (arg == "--lang" && (value == "en" || value == "ja")) {
                options.japanese = value == "ja";
            } else {
                err << "tesmark-cli set: " << arg << " takes "
                    << (arg == "--target" ? "slide or cursor" : "en or ja") << ", not '" << value
                    << "'\n";
                return 2;
            }
        } else if (arg.rfind("--", 0) == 0) {
            err << "tesmark-cli set: unknown option '" << arg << "' (see --help)\n";
            return 2;
        } else if (!takeValue(arg)) {
            return 2;
        }
    }
    if (!options.haveTarget) {
        err << "tesmark-cli set: --target slide|cursor is required\n";
        return 2;
    }
    if (!options.haveValue) {
        err << "tesmark-cli set: a VALUE is required\n";
        return 2;
    }
    return 0;
}

}  // namespace

int RunSet(const Args& args, std::ostream& out, std::ostream& err) {
    ParsedState parsed;
    std::string error;
    if (!ParseStateOptions(args, parsed, error)) {
        err << "tesmark-cli set: " << error << "\n";
        return 2;
    }
    SetOptions options;
    const int parseResult = ParseSetOptions(parsed.rest, options, out, err);
    if (parseResult != 0) return parseResult < 0 ? 0 : parseResult;

    RuleState& state = parsed.state;
    state.Language = options.japanese ? 1 : 0;
    RuleSession session(state);
    HeadlessWindowPort port(session);
    // As after the window's construction: the body shows the state's options.
    HeadlessWindowPort::RecordComposition(session);

    const double value = ParsePastedNumber(options.value);
    const int32_t result = MoveToValue(session, port, value, options.target, true);

    if (options.json) {
        WriteReadingsJson(out, state,
                          ", \"result\": " + std::to_string(result) +
                              ", \"message\": " + JsonString(port.statusText));
    } else {
        out << "result: " << result << "\nmessage: " << port.statusText << "\n";
        WriteReadingsTable(out, state);
    }
    if (result < 0) {
        err << "tesmark-cli set: " << port.statusText << "\n";
        return 1;
    }
    return 0;
}

}  // namespace tesmark::cli
