#pragma once
// A tesmark process started for a measurement: its own throwaway home and
// configuration folders (no real profile is read or written), a profile that
// sets the client width, and the CPU time it has spent so far.
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace probe {

// CPU time of a process from /proc: the tick counters the kernel keeps for
// the process as a whole (dead threads included) and the nanosecond run time
// of the threads alive now (finer, but blind to threads that ended).
struct CpuTime {
    double ticksSeconds = 0;    // utime + stime of /proc/PID/stat
    double threadsSeconds = 0;  // sum over /proc/PID/task/*/schedstat
    int threads = 0;
    // How often the live threads gave up the processor (each wait for the
    // display server or for another thread is one), from their status.
    long long switches = 0;
};

CpuTime ReadCpuTime(pid_t pid);

// A folder that holds HOME, XDG_CONFIG_HOME, XDG_CACHE_HOME and
// XDG_RUNTIME_DIR of the measured process; removed with everything in it.
class ThrowawayHome {
  public:
    ThrowawayHome();
    ~ThrowawayHome();
    ThrowawayHome(const ThrowawayHome&) = delete;
    ThrowawayHome& operator=(const ThrowawayHome&) = delete;

    // Writes the profile tesmark reads at start: the extra width (the client
    // width less 625) and the profile's revision.
    void writeProfile(int clientWidth) const;
    const std::string& root() const { return root_; }

  private:
    std::string root_;
};

class TesmarkProcess {
  public:
    // Forks and execs the program with the home folders of `home`; the X
    // display is the one in DISPLAY. Returns once exec has been issued.
    // A `launcher` (a command and its arguments, valgrind for one) runs the
    // program in the same process, so pid() stays the program's.
    TesmarkProcess(const std::string& program, const ThrowawayHome& home,
                   const std::vector<std::string>& launcher = {});
    ~TesmarkProcess();
    TesmarkProcess(const TesmarkProcess&) = delete;
    TesmarkProcess& operator=(const TesmarkProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Monotonic time just before the fork, in seconds.
    double startTime() const { return start_; }
    bool running();
    // Asks the program to close (it saves its throwaway profile) and reaps it.
    void stop();

  private:
    pid_t pid_ = -1;
    double start_ = 0;
};

double MonotonicSeconds();

}  // namespace probe
