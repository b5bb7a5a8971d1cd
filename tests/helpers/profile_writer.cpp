// Saves the profile named by its one argument over and over until it is
// killed: the lifecycle tests kill it at random moments and check that the
// file left behind is always a complete profile.
#include <QString>
#include <string>

#include "platform/settings_store.h"
#include "profile/profile.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const QString file = QString::fromLocal8Bit(argv[1]);
    tesmark::RuleState state = tesmark::RuleState::Defaults();
    for (int round = 0;; ++round) {
        state.SlidePos = round % 1000000;
        state.editHistory[15] = std::string(30, static_cast<char>('a' + round % 26));
        tesmark::SettingsStore store(file);
        tesmark::SaveProfile(state, store);
    }
}
