#include "cli_main.h"

#include <cstring>
#include <iostream>

#include "commands.h"
#include "fd_output.h"
#include "option_table.h"

namespace tesmark::cli {

// Each command lives in its own file; this table is the only list of them.
// (declare the command's run and parse functions here and add a row below)
int RunTables(const Args& args, std::ostream& out, std::ostream& err);
int ParseTablesOnly(const Args& args, std::string& error);
int RunReadings(const Args& args, std::ostream& out, std::ostream& err);
int ParseReadingsOnly(const Args& args, std::string& error);
int RunSet(const Args& args, std::ostream& out, std::ostream& err);
int ParseSetOnly(const Args& args, std::string& error);
int RunRound(const Args& args, std::ostream& out, std::ostream& err);
int ParseRoundOnly(const Args& args, std::string& error);
int RunMemories(const Args& args, std::ostream& out, std::ostream& err);
int ParseMemoriesOnly(const Args& args, std::string& error);
int RunRender(const Args& args, std::ostream& out, std::ostream& err);
int ParseRenderOnly(const Args& args, std::string& error);
int RunCommands(const Args& args, std::ostream& out, std::ostream& err);
int ParseCommandsOnly(const Args& args, std::string& error);
int RunPlay(const Args& args, std::ostream& out, std::ostream& err);
int ParsePlayOnly(const Args& args, std::string& error);

namespace {

const Command kCommands[] = {
    {"readings", "print the 22 reading slots of a rule state", RunReadings, ParseReadingsOnly},
    {"set", "set a value on the rule and print the readings", RunSet, ParseSetOnly},
    {"round", "zero-round the focus reading, or move to its rounded value", RunRound,
     ParseRoundOnly},
    {"memories", "list the ten slide memories as the memory menu names them", RunMemories,
     ParseMemoriesOnly},
    {"render", "write the rule body or the window as a PNG", RunRender, ParseRenderOnly},
    {"tables", "print graduation tables as CSV or JSON", RunTables, ParseTablesOnly},
    {"commands", "list the commands with their keys, menu texts and states", RunCommands,
     ParseCommandsOnly},
    {"play", "plan a calculation's moves, play them and read the result", RunPlay, ParsePlayOnly},
    {"help", "show this help", nullptr, nullptr},
};

void PrintUsage(std::ostream& out) {
    out << "usage: tesmark-cli COMMAND [OPTIONS]\n\ncommands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.name << std::string(10 - std::string(command.name).size(), ' ')
            << command.summary << "\n";
    }
    out << "\n'tesmark-cli COMMAND --help' explains a command.\n\n" << ExitStatusHelp();
}

bool IsHelp(const std::string& arg) {
    return arg == "help" || arg == "--help" || arg == "-h";
}

const Command* FindCommand(const std::string& name) {
    for (const Command& command : kCommands) {
        if (command.run != nullptr && name == command.name) return &command;
    }
    return nullptr;
}

std::string UnknownCommand(const std::string& name) {
    return "unknown command '" + name + "' (try 'tesmark-cli help')";
}

}  // namespace

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    for (const Command& command : kCommands) names.emplace_back(command.name);
    return names;
}

int Main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    FdOutputBuffer standardOutput(1);
    std::ostream out(&standardOutput);
    return Run(args, out, std::cerr);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return kExitUsage;
    }
    int code = kExitDone;
    if (IsHelp(args[0])) {
        PrintUsage(out);
    } else if (const Command* command = FindCommand(args[0])) {
        code = command->run(Args(args.begin() + 1, args.end()), out, err);
    } else {
        err << "tesmark-cli: " << UnknownCommand(args[0]) << "\n";
        return kExitUsage;
    }
    // What was printed must have arrived: a full disk or a closed pipe fails
    // the command, whatever it did.
    out.flush();
    if (!out) {
        const auto* fd = dynamic_cast<const FdOutputBuffer*>(out.rdbuf());
        const int reason = fd != nullptr ? fd->failure() : 0;
        err << "tesmark-cli: cannot write the output"
            << (reason != 0 ? std::string(": ") + std::strerror(reason) : std::string()) << "\n";
        return kExitFailed;
    }
    return code;
}

int ParseOnly(const std::vector<std::string>& args, std::string& error) {
    if (args.empty()) return kExitUsage;
    if (IsHelp(args[0])) return kExitDone;
    const Command* command = FindCommand(args[0]);
    if (command == nullptr) {
        error = UnknownCommand(args[0]);
        return kExitUsage;
    }
    return command->parse(Args(args.begin() + 1, args.end()), error);
}

}  // namespace tesmark::cli
