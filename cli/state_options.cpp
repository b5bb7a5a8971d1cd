#include "state_options.h"

#include <QFileInfo>
#include <memory>

#include "model/positions.h"
#include "platform/settings_store.h"
#include "profile/profile.h"

namespace tesmark::cli {

namespace {

// Says why a file named by --profile cannot serve, or "" when it can. Only
// looks at the file's kind: a FIFO or a device is never opened.
std::string ProfileFileProblem(const std::string& file) {
    const QFileInfo info(QString::fromStdString(file));
    if (!info.exists()) return "does not exist";
    if (info.isDir()) return "is a directory";
    if (!info.isFile()) return "is not a regular file";
    if (!info.isReadable()) return "cannot be read (no permission)";
    return "";
}

// The profile's store: the user's, or the file given.
std::unique_ptr<ProfileStore> OpenProfileStore(const std::optional<std::string>& file) {
    if (file) return std::make_unique<SettingsStore>(QString::fromStdString(*file));
    return std::make_unique<SettingsStore>();
}

template <typename Field>
std::function<void(long long)> Set(StateOptions& into, Field RuleState::*field) {
    return [&into, field](long long value) {
        into.changes.push_back(
            [field, value](RuleState& s) { s.*field = static_cast<Field>(value); });
    };
}

}  // namespace

OptionGroup StateOptionGroup(StateOptions& into) {
    return {
        "state options (what is not given comes from the profile, or the defaults):",
        19,
        {
            IntOption("--slide", "N", "slide position in units (-90000 .. 6390000; home 3150000)",
                      MinKeptPos, MaxKeptPos, Set(into, &RuleState::SlidePos)),
            IntOption("--cursor", "N", "cursor position in units (-90000 .. 6390000; home 3150000)",
                      MinKeptPos, MaxKeptPos, Set(into, &RuleState::CursorPos)),
            ChoiceOption("--face", "front|back", "the face of the rule", {"front", "back"},
                         [&into](std::size_t back) {
                             into.changes.push_back(
                                 [back](RuleState& s) { s.SlideRev = static_cast<int16_t>(back); });
                         }),
            IntOption("--st", "0|1", "front slide: 0 S and T, 1 S0 and T0", 0, 1,
                      Set(into, &RuleState::ScaleST)),
            IntOption("--pi", "0|1", "folding of DF, CF, CIF: 1 at sqrt(10), 0 at pi", 0, 1,
                      Set(into, &RuleState::ScalePI)),
            IntOption("--ll", "0|1|2", "back face log-log pair: 0 LL0/LL1, 1 LL1/LL2, 2 LL2/LL3", 0,
                      2, Set(into, &RuleState::ScaleLL)),
            IntOption("--sinnum", "0|1", "S and T numbering: 0 sine/tangent, 1 cosine/cotangent", 0,
                      1, Set(into, &RuleState::SinNum)),
            IntOption("--focus", "SLOT", "focus reading slot, 0 (none) .. 22", 0, 22,
                      Set(into, &RuleState::NumFoucs)),
            ProfileOption(into),
        },
    };
}

Option ProfileOption(StateOptions& into) {
    return {"--profile", nullptr, "FILE", "read this profile file instead of the user's",
            [&into](const std::string& file, std::string&) {
                into.profile = file;
                return true;
            }};
}

bool ResolveState(const StateOptions& options, RuleState& state, std::string& error) {
    if (options.profile) {
        const std::string problem = ProfileFileProblem(*options.profile);
        if (!problem.empty()) {
            error = "profile file '" + *options.profile + "' " + problem;
            return false;
        }
    }
    const std::unique_ptr<ProfileStore> store = OpenProfileStore(options.profile);
    state = LoadProfile(*store);
    for (const auto& change : options.changes) change(state);
    return true;
}

}  // namespace tesmark::cli
