#include "cli_main.h"

#include <iostream>

namespace tesmark::cli {

int Main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    if (args.empty()) {
        err << "usage: tesmark-cli COMMAND [OPTIONS]\n";
        return 2;
    }
    err << "tesmark-cli: unknown command '" << args[0] << "'\n";
    return 2;
}

}  // namespace tesmark::cli
