#pragma once
// The subcommands of tesmark-cli. Each takes its arguments (after the
// command name) and the output streams, and returns the exit code.
#include <iosfwd>
#include <string>
#include <vector>

namespace tesmark::cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const Args& args, std::ostream& out, std::ostream& err);
};

}  // namespace tesmark::cli
