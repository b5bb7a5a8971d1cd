#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace tesmark::cli {

int Main(int argc, char** argv);

// Runs one command line (without the program name) with the given streams;
// returns the exit code. A failed write to `out` fails the command (exit 1,
// with a message on `err`). The tests call this directly.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Parses one command line as Run does, and acts on nothing: no profile is
// read and nothing is written. Returns the exit code of the parse (0 for a
// command line Run would carry out, or a help request; 2 for a usage error
// with its message in `error`).
int ParseOnly(const std::vector<std::string>& args, std::string& error);

// The names of the commands, in the order the usage lists them ("help" last).
std::vector<std::string> CommandNames();

}  // namespace tesmark::cli
