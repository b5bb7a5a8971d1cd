#pragma once
// The subcommands of tesmark-cli. Each takes its arguments (after the
// command name) and the output streams, and returns the exit code; each can
// also only parse its arguments, acting on nothing (for the fuzz target).
#include <iosfwd>
#include <string>
#include <vector>

namespace tesmark::cli {

using Args = std::vector<std::string>;

// The exit codes of every command.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // refused, or a read or write failed
inline constexpr int kExitUsage = 2;   // a bad command line

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const Args& args, std::ostream& out, std::ostream& err);
    // Parses as run does, and stops there: reads no profile, writes nothing.
    // Returns the exit code a usage error or a help request would give, or
    // kExitDone when the command would go on to act.
    int (*parse)(const Args& args, std::string& error);
};

}  // namespace tesmark::cli
