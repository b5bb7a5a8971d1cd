// tesmark-cli commands: the command registry as a table, with the menu text
// of each command in a language and its enabled and mark state for a rule
// state — what a script or the help book can use.
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "commands.h"
#include "model/reading_table.h"
#include "model/string_table.h"
#include "ops/accelerator_table.h"
#include "ops/command_registry.h"
#include "ops/menu_data.h"
#include "option_table.h"
#include "state_options.h"

namespace tesmark::cli {

namespace {

struct CommandsRequest {
    StateOptions state;
    bool json = false;
    bool undo = false;
    bool clipboard = false;
    std::optional<int16_t> language;
};

std::vector<OptionGroup> CommandsOptions(CommandsRequest& request) {
    return {
        {nullptr,
         14,
         {FlagOption("--json",
                     "a list of command objects {\"id\", \"englishId\", \"name\", \"keys\",\n"
                     "\"menuText\", \"prompt\", \"tooltip\", \"mark\", \"enabled\", \"marked\"}",
                     request.json),
          ChoiceOption(
              "--lang", "en|ja", "the language of the texts (default: the profile's Language)",
              {"en", "ja"},
              [&request](std::size_t index) { request.language = static_cast<int16_t>(index); }),
          FlagOption("--undo", "as if the undo record held a target", request.undo),
          FlagOption("--clipboard", "as if the clipboard held text", request.clipboard),
          HelpOption()}},
        StateOptionGroup(request.state),
    };
}

void PrintCommandsHelp(std::ostream& out) {
    CommandsRequest unused;
    out << "usage: tesmark-cli commands [--json] [--lang en|ja] [--undo] [--clipboard] [state "
           "options]\n"
           "\n"
           "Lists every command of the program: its identifier and English twin (0 for\n"
           "none), its keys, its menu text in the language (as stored, \"&\" before the\n"
           "mnemonic, then its key part; empty when no menu of the language issues it),\n"
           "its status prompt and tooltip on a system of that language, and, for the\n"
           "rule state, whether it is enabled and whether it shows its check or radio\n"
           "mark.\n\n";
    WriteOptionHelp(out, CommandsOptions(unused));
    out << "\n" << ExitStatusHelp();
}

ParseOutcome ParseCommands(const Args& args, CommandsRequest& request, std::string& error) {
    return ParseCommandLine(args, {CommandsOptions(request), nullptr, "-"}, error);
}

const char* MarkName(MarkKind mark) {
    switch (mark) {
        case MarkKind::Check:
            return "check";
        case MarkKind::Radio:
            return "radio";
        case MarkKind::None:
            break;
    }
    return "none";
}

std::string Json(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\t') {
            json += "\\t";
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + '"';
}

struct Listed {
    const CommandRow& row;
    std::string keys;
    std::string menuText;
    std::string_view prompt;
    std::string_view tooltip;
    CommandState state;
};

Listed Describe(const CommandRow& row, int16_t language, const CommandContext& context) {
    // The identifier the language's menus carry: the English menus use the
    // English twin where they have one, the small identifier elsewhere.
    int shown = language == 0 && row.englishId != 0 ? row.englishId : row.id;
    const MenuItem* item = MenuItemFor(shown, language);
    if (item == nullptr) {
        const int other = shown == row.id ? row.englishId : row.id;
        if (other != 0 && (item = MenuItemFor(other, language)) != nullptr) shown = other;
    }
    std::string text = item == nullptr ? std::string() : std::string(item->text);
    if (item != nullptr && item->secondKind != SecondPart::None) {
        text += ' ';
        text += item->second;
    }
    const Language preferred = LanguageOf(language);
    return {row,
            CommandKeyText(row.id),
            text,
            CommandPrompt(shown, preferred),
            CommandTooltip(shown, preferred),
            CommandStateOf(row.id, context)};
}

void WriteTable(std::ostream& out, int16_t language, const CommandContext& context) {
    out << "id\tenglish\tkeys\tmark\tenabled\tmarked\tname\tmenu text\n";
    for (const CommandRow& row : CommandRegistry()) {
        const Listed listed = Describe(row, language, context);
        out << row.id << '\t' << row.englishId << '\t' << listed.keys << '\t' << MarkName(row.mark)
            << '\t' << (listed.state.enabled ? "yes" : "no") << '\t'
            << (listed.state.marked ? "yes" : "no") << '\t' << row.name << '\t' << listed.menuText
            << '\n';
    }
}

void WriteJson(std::ostream& out, int16_t language, const CommandContext& context) {
    out << "[";
    bool first = true;
    for (const CommandRow& row : CommandRegistry()) {
        const Listed listed = Describe(row, language, context);
        out << (first ? "\n" : ",\n") << "  {\"id\": " << row.id
            << ", \"englishId\": " << row.englishId << ", \"name\": " << Json(row.name)
            << ", \"keys\": " << Json(listed.keys) << ", \"menuText\": " << Json(listed.menuText)
            << ", \"prompt\": " << Json(listed.prompt) << ", \"tooltip\": " << Json(listed.tooltip)
            << ", \"mark\": " << Json(MarkName(row.mark))
            << ", \"enabled\": " << (listed.state.enabled ? "true" : "false")
            << ", \"marked\": " << (listed.state.marked ? "true" : "false") << "}";
        first = false;
    }
    out << "\n]\n";
}

}  // namespace

int ParseCommandsOnly(const Args& args, std::string& error) {
    CommandsRequest request;
    return ParseCommands(args, request, error) == ParseOutcome::Error ? kExitUsage : kExitDone;
}

int RunCommands(const Args& args, std::ostream& out, std::ostream& err) {
    CommandsRequest request;
    std::string error;
    if (const std::optional<int> code = StopAfterParse(
            ParseCommands(args, request, error), "commands", error, out, err, PrintCommandsHelp)) {
        return *code;
    }
    RuleState state;
    if (!ResolveState(request.state, state, error)) {
        err << "tesmark-cli commands: " << error << "\n";
        return kExitUsage;
    }
    const int16_t language = request.language.value_or(state.Language == 0 ? 0 : 1);
    ReadingTable readings;
    RefreshAllReadings(state, readings);
    const int slot = state.NumFoucs;
    const CommandContext context{state, request.undo, request.clipboard,
                                 slot >= 1 && slot <= kSlotCount ? readings[slot] : NoReading};
    if (request.json) {
        WriteJson(out, language, context);
    } else {
        WriteTable(out, language, context);
    }
    return kExitDone;
}

}  // namespace tesmark::cli
