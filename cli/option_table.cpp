#include "option_table.h"

#include <algorithm>
#include <charconv>
#include <ostream>
#include <string_view>

namespace tesmark::cli {

namespace {

const Option* FindOption(const CommandLine& line, const std::string& arg) {
    for (const OptionGroup& group : line.groups) {
        for (const Option& option : group.options) {
            if (arg == option.name || (option.shortName != nullptr && arg == option.shortName))
                return &option;
        }
    }
    return nullptr;
}

bool TakePositional(const CommandLine& line, const std::string& arg, std::string& error) {
    if (!line.positional) {
        error = "unexpected argument '" + arg + "' (see --help)";
        return false;
    }
    return line.positional(arg, error);
}

}  // namespace

ParseOutcome ParseCommandLine(const Args& args, const CommandLine& line, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            for (++i; i < args.size(); ++i) {
                if (!TakePositional(line, args[i], error)) return ParseOutcome::Error;
            }
            break;
        }
        const Option* option = FindOption(line, arg);
        if (option == nullptr) {
            if (arg.size() > 1 && arg.rfind(line.optionPrefix, 0) == 0) {
                error = "unknown option '" + arg + "' (see --help)";
                return ParseOutcome::Error;
            }
            if (!TakePositional(line, arg, error)) return ParseOutcome::Error;
            continue;
        }
        if (!option->apply) return ParseOutcome::Help;
        std::string value;
        if (option->valueName != nullptr) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return ParseOutcome::Error;
            }
            value = args[++i];
        }
        if (!option->apply(value, error)) return ParseOutcome::Error;
    }
    return ParseOutcome::Ok;
}

void WriteOptionHelp(std::ostream& out, const std::vector<OptionGroup>& groups) {
    bool first = true;
    for (const OptionGroup& group : groups) {
        if (!first) out << "\n";
        first = false;
        if (group.heading != nullptr) out << group.heading << "\n";
        const std::string indent(static_cast<std::size_t>(group.labelWidth) + 2, ' ');
        for (const Option& option : group.options) {
            std::string label = option.name;
            if (option.valueName != nullptr) label += std::string(" ") + option.valueName;
            label.resize(
                std::max<std::size_t>(label.size() + 1, static_cast<std::size_t>(group.labelWidth)),
                ' ');
            std::string_view help = option.help;
            out << "  " << label;
            for (bool firstLine = true; !help.empty(); firstLine = false) {
                const std::size_t end = help.find('\n');
                if (!firstLine) out << indent;
                out << help.substr(0, end) << "\n";
                help = end == std::string_view::npos ? std::string_view() : help.substr(end + 1);
            }
        }
    }
}

Option FlagOption(const char* name, const char* help, bool& flag) {
    return {name, nullptr, nullptr, help, [&flag](const std::string&, std::string&) {
                flag = true;
                return true;
            }};
}

Option HelpOption() {
    return {"--help", "-h", nullptr, "show this help", nullptr};
}

Option IntOption(const char* name, const char* valueName, const char* help, long long low,
                 long long high, std::function<void(long long)> apply, const char* unit) {
    return {name, nullptr, valueName, help, [=](const std::string& text, std::string& error) {
                long long value = 0;
                const char* end = text.data() + text.size();
                const auto [ptr, ec] = std::from_chars(text.data(), end, value);
                if (ec != std::errc() || ptr != end || value < low || value > high) {
                    error = std::string(name) + " takes " + unit + " from " + std::to_string(low) +
                            " to " + std::to_string(high) + ", not '" + text + "'";
                    return false;
                }
                apply(value);
                return true;
            }};
}

Option ChoiceOption(const char* name, const char* valueName, const char* help,
                    std::vector<const char*> choices, std::function<void(std::size_t)> apply) {
    return {name, nullptr, valueName, help, [=](const std::string& text, std::string& error) {
                for (std::size_t i = 0; i < choices.size(); ++i) {
                    if (text == choices[i]) {
                        apply(i);
                        return true;
                    }
                }
                std::string words;
                for (std::size_t i = 0; i < choices.size(); ++i) {
                    if (i > 0) words += i + 1 == choices.size() ? " or " : ", ";
                    words += choices[i];
                }
                error = std::string(name) + " takes " + words + ", not '" + text + "'";
                return false;
            }};
}

std::optional<int> StopAfterParse(ParseOutcome outcome, const char* command,
                                  const std::string& error, std::ostream& out, std::ostream& err,
                                  void (*printHelp)(std::ostream&)) {
    switch (outcome) {
        case ParseOutcome::Help:
            printHelp(out);
            return kExitDone;
        case ParseOutcome::Error:
            err << "tesmark-cli " << command << ": " << error << "\n";
            return kExitUsage;
        case ParseOutcome::Ok:
            break;
    }
    return std::nullopt;
}

const char* ExitStatusHelp() {
    return "exit status: 0 done, 1 refused or failed (the reason is on stderr),\n"
           "2 usage error (a bad command line).\n";
}

}  // namespace tesmark::cli
