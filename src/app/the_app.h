#pragma once
// CTheApp: start-up and shutdown of the simulator. Start-up loads RuleState
// from the profile, takes the single-instance lock and shows the main window;
// shutdown writes RuleState back, whether the window was closed, the process
// got SIGTERM/SIGINT/SIGHUP, or a second copy found the lock taken. A second
// copy brings the running window to the front instead of showing its own.
#include <memory>

#include "model/rule_state.h"
#include "platform/instance_lock.h"
#include "profile/profile_store.h"

namespace tesmark {

class CMainWindow;
class CloseOnSignal;
class ActivationServer;

class CTheApp {
  public:
    CTheApp(std::unique_ptr<ProfileStore> store, std::unique_ptr<InstanceLock> lock);
    ~CTheApp();

    // Loads the profile and takes the lock; true when the window is shown,
    // false when another instance is running (nothing is shown then).
    bool InitInstance();
    // Writes the profile, gives up the lock and returns the exit code: 0,
    // or 1 after a second start or when the profile could not be saved.
    int ExitInstance();

    RuleState& state() { return state_; }

  private:
    void activateWindow();
    void reportSaveFailure();

    RuleState state_{};
    std::unique_ptr<ProfileStore> store_;
    std::unique_ptr<InstanceLock> lock_;
    std::unique_ptr<CMainWindow> window_;
    std::unique_ptr<CloseOnSignal> signals_;
    std::unique_ptr<ActivationServer> activation_;
    bool started_ = false;
    bool closedBySignal_ = false;
};

// Answers --help and --version on the terminal. Returns the exit code when
// the command line asked for one of them, -1 when the program is to run.
int AnswerCommandLine(int argc, char** argv);

// Runs the whole program with the user's profile and the standard lock.
int RunTesmark(int argc, char** argv);

}  // namespace tesmark
