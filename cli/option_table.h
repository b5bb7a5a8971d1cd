#pragma once
// The options of every tesmark-cli command are rows of one kind of table:
// name, value, help text and what the value does. One parser reads a command
// line against the tables, and one layout writes their help, so a message
// or a column reads the same in every command.
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"

namespace tesmark::cli {

struct Option {
    const char* name;       // "--slide"
    const char* shortName;  // "-h", or nullptr
    const char* valueName;  // "N", "front|back"; nullptr for a flag
    const char* help;       // the help text, lines separated by '\n'
    // Takes the option's value (empty for a flag); false with a message in
    // `error`. An option without one is the help request.
    std::function<bool(const std::string& value, std::string& error)> apply;
};

struct OptionGroup {
    const char* heading;  // a line above the options, or nullptr
    int labelWidth;       // the width of the name-and-value column of the help
    std::vector<Option> options;
};

struct CommandLine {
    std::vector<OptionGroup> groups;
    // What a non-option argument is: nullptr when the command takes none.
    std::function<bool(const std::string& argument, std::string& error)> positional;
    // An argument that begins with this and names no option is an unknown
    // option; other arguments go to `positional` (set takes "-2" as a value).
    const char* optionPrefix = "-";
};

enum class ParseOutcome { Ok, Help, Error };

// Reads the arguments in their order; "--" ends the options. Stops at the
// first error, and at a help request (what follows it is not read).
ParseOutcome ParseCommandLine(const Args& args, const CommandLine& line, std::string& error);

void WriteOptionHelp(std::ostream& out, const std::vector<OptionGroup>& groups);

// Rows for the common kinds of value.
Option FlagOption(const char* name, const char* help, bool& flag);
Option HelpOption();
// A whole number from low to high; the message names the range.
Option IntOption(const char* name, const char* valueName, const char* help, long long low,
                 long long high, std::function<void(long long)> apply,
                 const char* unit = "a whole number");
// One of a few words: apply gets the index of the word.
Option ChoiceOption(const char* name, const char* valueName, const char* help,
                    std::vector<const char*> choices, std::function<void(std::size_t)> apply);

// What a command does with its parse: on a help request it prints its help
// and stops with kExitDone, on an error it prints "tesmark-cli NAME: error"
// and stops with kExitUsage; nothing when it goes on to act.
std::optional<int> StopAfterParse(ParseOutcome outcome, const char* command,
                                  const std::string& error, std::ostream& out, std::ostream& err,
                                  void (*printHelp)(std::ostream&));

// The closing lines of every help: what the exit status means.
const char* ExitStatusHelp();

}  // namespace tesmark::cli
