#include "cli_main.h"

#include <iostream>

#include "commands.h"

namespace tesmark::cli {

// Each command lives in its own file; this table is the only list of them.
// (declare the command's run function here and add a row below)
int RunTables(const Args& args, std::ostream& out, std::ostream& err);
int RunReadings(const Args& args, std::ostream& out, std::ostream& err);
int RunSet(const Args& args, std::ostream& out, std::ostream& err);
int RunRender(const Args& args, std::ostream& out, std::ostream& err);
int RunCommands(const Args& args, std::ostream& out, std::ostream& err);

namespace {

const Command kCommands[] = {
    {"readings", "print the 22 reading slots of a rule state", RunReadings},
    {"set", "set a value on the rule and print the readings", RunSet},
    {"render", "write the rule body or the window as a PNG", RunRender},
    {"tables", "print graduation tables as CSV or JSON", RunTables},
    {"commands", "list the commands with their keys, menu texts and states", RunCommands},
    {"help", "show this help", nullptr},
};

void PrintUsage(std::ostream& out) {
    out << "usage: tesmark-cli COMMAND [OPTIONS]\n\ncommands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.name << std::string(10 - std::string(command.name).size(), ' ')
            << command.summary << "\n";
    }
    out << "\n'tesmark-cli COMMAND --help' explains a command.\n";
}

}  // namespace

int Main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return 2;
    }
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        PrintUsage(out);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (command.run != nullptr && args[0] == command.name) {
            return command.run(Args(args.begin() + 1, args.end()), out, err);
        }
    }
    err << "tesmark-cli: unknown command '" << args[0] << "' (try 'tesmark-cli help')\n";
    return 2;
}

}  // namespace tesmark::cli
