// The option parsing of tesmark-cli: the input is a command line, one
// argument per line. It is parsed as given and after the name of every
// command, without acting: no profile is read and nothing is written. The
// graduation tables command, which touches neither, also runs in full into
// a string. A verdict other than done or usage, a usage error without a
// message, or a run that disagrees with its parse stops the fuzzer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli_main.h"

namespace {

std::vector<std::string> SplitLines(const uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    if (!current.empty()) args.push_back(current);
    return args;
}

int CheckParse(const std::vector<std::string>& args) {
    std::string error;
    const int code = tesmark::cli::ParseOnly(args, error);
    if (code != 0 && code != 2) std::abort();
    if (code == 2 && error.empty() && !args.empty()) std::abort();
    return code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > 4096) return -1;  // a command line, not a file
    const std::vector<std::string> args = SplitLines(data, size);
    CheckParse(args);
    // Every command's parse, so a new command is fuzzed without an edit here.
    static const std::vector<std::string> commands = tesmark::cli::CommandNames();
    for (const std::string& command : commands) {
        std::vector<std::string> line{command};
        line.insert(line.end(), args.begin(), args.end());
        const int parsed = CheckParse(line);
        if (command != "tables") continue;
        std::ostringstream out;
        std::ostringstream err;
        const int ran = tesmark::cli::Run(line, out, err);
        // The tables command refuses exactly what its parse refuses.
        if (ran != parsed) std::abort();
        if (ran != 0 && err.str().empty()) std::abort();
    }
    return 0;
}
