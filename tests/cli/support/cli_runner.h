#pragma once
// Runs one tesmark-cli command line in-process and keeps what it printed.
#include <sstream>
#include <string>
#include <vector>

#include "cli_main.h"

namespace tesmark::cli {

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

inline CliResult RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = Run(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace tesmark::cli
