#pragma once
// StartTrace: where the start's time goes, for scripts/measure-start.sh.
// With TESMARK_START_TRACE set in the environment, each mark prints one line
// to stderr: the phase, the process's CPU time and the wall-clock time since
// main() began; the CPU time at main() is what loading the libraries cost.
// With TESMARK_START_TRACE=quit the program also closes its window once the
// first paint of the rule has been flushed. Without the variable a mark
// costs one flag test.
namespace tesmark {

class StartTrace {
  public:
    // Reads the environment; call first thing in main().
    static void begin();
    static void mark(const char* phase);
    static bool quitAfterStart();
};

}  // namespace tesmark
