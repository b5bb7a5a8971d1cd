#include "state_options.h"

#include <QFileInfo>
#include <charconv>
#include <memory>

#include "app/profile.h"
#include "app/settings_store.h"

namespace tesmark::cli {

namespace {

bool ParseInteger(const std::string& text, long long low, long long high, long long& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

struct IntOption {
    const char* name;
    long long low;
    long long high;
    void (*apply)(RuleState&, long long);
};

const IntOption kIntOptions[] = {
    {"--slide", MinKeptPos, MaxKeptPos,
     [](RuleState& s, long long v) { s.SlidePos = static_cast<int32_t>(v); }},
    {"--cursor", MinKeptPos, MaxKeptPos,
     [](RuleState& s, long long v) { s.CursorPos = static_cast<int32_t>(v); }},
    {"--st", 0, 1, [](RuleState& s, long long v) { s.ScaleST = static_cast<int16_t>(v); }},
    {"--pi", 0, 1, [](RuleState& s, long long v) { s.ScalePI = static_cast<int16_t>(v); }},
    {"--ll", 0, 2, [](RuleState& s, long long v) { s.ScaleLL = static_cast<int16_t>(v); }},
    {"--sinnum", 0, 1, [](RuleState& s, long long v) { s.SinNum = static_cast<int16_t>(v); }},
    {"--focus", 0, 22, [](RuleState& s, long long v) { s.NumFoucs = static_cast<int16_t>(v); }},
};

}  // namespace

const char* StateOptionsHelp() {
    return "state options (what is not given comes from the profile, or the defaults):\n"
           "  --slide N          slide position in units (-90000 .. 6390000; home 3150000)\n"
           "  --cursor N         cursor position in units (-90000 .. 6390000; home 3150000)\n"
           "  --face front|back  the face of the rule\n"
           "  --st 0|1           front slide: 0 S and T, 1 S0 and T0\n"
           "  --pi 0|1           folding of DF, CF, CIF: 1 at sqrt(10), 0 at pi\n"
           "  --ll 0|1|2         back face log-log pair: 0 LL0/LL1, 1 LL1/LL2, 2 LL2/LL3\n"
           "  --sinnum 0|1       S and T numbering: 0 sine/tangent, 1 cosine/cotangent\n"
           "  --focus SLOT       focus reading slot, 0 (none) .. 22\n"
           "  --profile FILE     read this profile file instead of the user's\n";
}

bool ParseStateOptions(const Args& args, ParsedState& parsed, std::string& error) {
    // The profile first, so that the options given override it.
    std::unique_ptr<ProfileStore> store;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") break;
        if (args[i] != "--profile") continue;
        if (i + 1 >= args.size()) {
            error = "--profile needs a file name";
            return false;
        }
        QString file = QString::fromStdString(args[i + 1]);
        if (!QFileInfo(file).isFile()) {
            error = "profile file '" + args[i + 1] + "' does not exist";
            return false;
        }
        store = std::make_unique<SettingsStore>(file);
    }
    if (!store) store = std::make_unique<SettingsStore>();
    parsed.state = LoadProfile(*store);
    parsed.rest.clear();

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            parsed.rest.insert(parsed.rest.end(), args.begin() + static_cast<long>(i), args.end());
            break;
        }
        auto needValue = [&]() -> const std::string* {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        if (arg == "--profile") {
            ++i;
            continue;
        }
        if (arg == "--face") {
            const std::string* value = needValue();
            if (!value) return false;
            if (*value == "front") {
                parsed.state.SlideRev = 0;
            } else if (*value == "back") {
                parsed.state.SlideRev = 1;
            } else {
                error = "--face takes front or back, not '" + *value + "'";
                return false;
            }
            continue;
        }
        const IntOption* option = nullptr;
        for (const IntOption& candidate : kIntOptions) {
            if (arg == candidate.name) option = &candidate;
        }
        if (option == nullptr) {
            parsed.rest.push_back(arg);
            continue;
        }
        const std::string* value = needValue();
        if (!value) return false;
        long long number = 0;
        if (!ParseInteger(*value, option->low, option->high, number)) {
            error = arg + " takes a whole number from " + std::to_string(option->low) + " to " +
                    std::to_string(option->high) + ", not '" + *value + "'";
            return false;
        }
        option->apply(parsed.state, number);
    }
    return true;
}

}  // namespace tesmark::cli
