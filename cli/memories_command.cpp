// tesmark-cli memories: the ten slide memories of a profile, named as the
// memory menu names them, with what recalling each would restore.
#include <optional>
#include <ostream>
#include <string>

#include "commands.h"
#include "model/string_table.h"
#include "ops/bar_position.h"
#include "ops/command_ids.h"
#include "ops/menu_data.h"
#include "ops/slide_memory.h"
#include "option_table.h"
#include "readings_output.h"
#include "state_options.h"

namespace tesmark::cli {

namespace {

struct MemoriesRequest {
    StateOptions state;  // only the profile
    bool json = false;
    std::optional<int16_t> language;
};

std::vector<OptionGroup> MemoriesOptions(MemoriesRequest& request) {
    return {{nullptr,
             16,
             {FlagOption("--json", "print a JSON object instead of the table", request.json),
              ChoiceOption("--lang", "en|ja",
                           "the language of the menu's names (default: the\n"
                           "profile's Language)",
                           {"en", "ja"},
                           [&request](std::size_t index) {
                               request.language = static_cast<int16_t>(index);
                           }),
              ProfileOption(request.state), HelpOption()}}};
}

void PrintMemoriesHelp(std::ostream& out) {
    MemoriesRequest unused;
    out << "usage: tesmark-cli memories [--json] [--lang en|ja] [--profile FILE]\n\n"
           "Lists the ten slide memories of the profile (the user's, or FILE) as the\n"
           "memory menu names them: the name of the menu and of its Set submenu in the\n"
           "language, then for each memory the recall item (command, text and key),\n"
           "the store item (command and text), the stored position and option word,\n"
           "and what recalling it restores: the face and the options st, pi, ll and\n"
           "sinnum (as the state options name them). A damaged option word restores\n"
           "the nearest valid value of each option; the menu text shows the word as\n"
           "stored.\n\n";
    WriteOptionHelp(out, MemoriesOptions(unused));
    out << "\n" << ExitStatusHelp();
}

ParseOutcome ParseMemories(const Args& args, MemoriesRequest& request, std::string& error) {
    return ParseCommandLine(args, {MemoriesOptions(request), nullptr, "-"}, error);
}

struct MemoryLine {
    int number;  // 1..10
    MemoryMenuTexts texts;
    SlideMemory stored;
    RuleState restored;  // the slide, the face and the options a recall sets
};

MemoryLine DescribeMemory(const RuleState& state, int k) {
    const SlideMemory& memory = state.memories[static_cast<std::size_t>(k)];
    MemoryLine line{k + 1, SetMemoryMenuText(k, memory.position, memory.options), memory,
                    RuleState::Defaults()};
    line.restored.SlidePos = ClampKeptPosition(memory.position);
    UnpackMemoryOptions(memory.options, line.restored);
    return line;
}

// The menu's name in the language: the memory menu of its menu bar, and the
// label of the Set submenu.
std::string MemoryMenuName(int16_t language) {
    return std::string(MenuBarFor(language).items[kMemoryMenuIndex].text);
}

std::string SetSubmenuName(int16_t language) {
    return std::string(MemorySetLabel(language, LanguageOf(language)));
}

void WriteTable(std::ostream& out, const RuleState& state, int16_t language) {
    out << "menu: " << MemoryMenuName(language) << "\nset submenu: " << SetSubmenuName(language)
        << "\n";
    // The recall text holds a tab before its key: the key is a column of its own.
    out << "memory\trecall\tmenu text\tkey\tstore\tset text\tposition\toptions\tface\tst\tpi\tll"
           "\tsinnum\n";
    for (int k = 0; k < kMemoryCount; ++k) {
        const MemoryLine line = DescribeMemory(state, k);
        const RuleState& r = line.restored;
        out << line.number << '\t' << cmd::kRecallMemoryFirst + k << '\t' << line.texts.recall
            << '\t' << cmd::kStoreMemoryFirst + k << '\t' << line.texts.store << '\t'
            << line.stored.position << '\t' << line.stored.options << '\t'
            << (r.SlideRev == 0 ? "front" : "back") << '\t' << r.ScaleST << '\t' << r.ScalePI
            << '\t' << r.ScaleLL << '\t' << r.SinNum << '\n';
    }
}

void WriteJson(std::ostream& out, const RuleState& state, int16_t language) {
    out << "{\"menu\": " << JsonString(MemoryMenuName(language))
        << ", \"setMenu\": " << JsonString(SetSubmenuName(language)) << ", \"memories\": [";
    for (int k = 0; k < kMemoryCount; ++k) {
        const MemoryLine line = DescribeMemory(state, k);
        const RuleState& r = line.restored;
        out << (k > 0 ? ",\n  " : "\n  ") << "{\"memory\": " << line.number
            << ", \"recallId\": " << cmd::kRecallMemoryFirst + k
            << ", \"recallText\": " << JsonString(line.texts.recall)
            << ", \"storeId\": " << cmd::kStoreMemoryFirst + k
            << ", \"storeText\": " << JsonString(line.texts.store)
            << ", \"position\": " << line.stored.position
            << ", \"options\": " << line.stored.options
            << ", \"restores\": {\"SlidePos\": " << r.SlidePos << ", \"SlideRev\": " << r.SlideRev
            << ", \"SinNum\": " << r.SinNum << ", \"ScaleLL\": " << r.ScaleLL
            << ", \"ScaleST\": " << r.ScaleST << ", \"ScalePI\": " << r.ScalePI << "}}";
    }
    out << "\n]}\n";
}

}  // namespace

int ParseMemoriesOnly(const Args& args, std::string& error) {
    MemoriesRequest request;
    return ParseMemories(args, request, error) == ParseOutcome::Error ? kExitUsage : kExitDone;
}

int RunMemories(const Args& args, std::ostream& out, std::ostream& err) {
    MemoriesRequest request;
    std::string error;
    if (const std::optional<int> code = StopAfterParse(
            ParseMemories(args, request, error), "memories", error, out, err, PrintMemoriesHelp)) {
        return *code;
    }
    RuleState state;
    if (!ResolveState(request.state, state, error)) {
        err << "tesmark-cli memories: " << error << "\n";
        return kExitUsage;
    }
    const int16_t language = request.language.value_or(state.Language == 0 ? 0 : 1);
    if (request.json) {
        WriteJson(out, state, language);
    } else {
        WriteTable(out, state, language);
    }
    return kExitDone;
}

}  // namespace tesmark::cli
