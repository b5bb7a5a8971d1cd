#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace tesmark::cli {

int Main(int argc, char** argv);

// Runs one command line (without the program name) with the given streams;
// returns the exit code. The tests call this directly.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tesmark::cli
