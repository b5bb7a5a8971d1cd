#pragma once
// CTheApp: start-up and shutdown of the simulator.
namespace tesmark {

// Runs the whole program: loads the profile, takes the single-instance lock,
// shows the main window, runs the event loop, and saves the profile.
int RunTesmark(int argc, char** argv);

}  // namespace tesmark
