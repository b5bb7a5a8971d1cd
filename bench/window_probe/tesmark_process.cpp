#include "tesmark_process.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace probe {

double MonotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

CpuTime ReadCpuTime(pid_t pid) {
    CpuTime cpu;
    const std::string base = "/proc/" + std::to_string(pid);
    std::ifstream stat(base + "/stat");
    std::string line;
    if (std::getline(stat, line)) {
        // The command name in parentheses may hold spaces: count fields from
        // the closing parenthesis. utime and stime are fields 14 and 15.
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        long long utime = 0;
        long long stime = 0;
        for (int index = 3; fields >> field; ++index) {
            if (index == 14) utime = std::atoll(field.c_str());
            if (index == 15) {
                stime = std::atoll(field.c_str());
                break;
            }
        }
        cpu.ticksSeconds =
            static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
    }
    if (DIR* tasks = opendir((base + "/task").c_str())) {
        while (dirent* entry = readdir(tasks)) {
            if (entry->d_name[0] == '.') continue;
            std::ifstream schedstat(base + "/task/" + entry->d_name + "/schedstat");
            unsigned long long runNs = 0;
            if (schedstat >> runNs) {
                cpu.threadsSeconds += static_cast<double>(runNs) * 1e-9;
                ++cpu.threads;
            }
            std::ifstream status(base + "/task/" + entry->d_name + "/status");
            for (std::string field; std::getline(status, field);) {
                if (field.rfind("voluntary_ctxt_switches:", 0) == 0) {
                    cpu.switches += std::atoll(field.c_str() + field.find(':') + 1);
                }
            }
        }
        closedir(tasks);
    }
    return cpu;
}

ThrowawayHome::ThrowawayHome() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tesmark-probe-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) throw std::runtime_error("cannot create a temporary folder");
    root_ = buffer.data();
    for (const char* folder : {"config/Corvane", "cache", "run"}) {
        std::filesystem::create_directories(root_ + "/" + folder);
    }
    // Qt insists on a runtime folder only its owner may enter.
    chmod((root_ + "/run").c_str(), 0700);
}

ThrowawayHome::~ThrowawayHome() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void ThrowawayHome::writeProfile(int clientWidth) const {
    std::ofstream profile(root_ + "/config/Corvane/Tesmark.conf", std::ios::trunc);
    profile << "[TesmarkX]\nCxSize=" << (clientWidth - 625) << "\nScaleRev=257\n";
    if (!profile) throw std::runtime_error("cannot write the profile");
}

TesmarkProcess::TesmarkProcess(const std::string& program, const ThrowawayHome& home,
                               const std::vector<std::string>& launcher) {
    const std::string& root = home.root();
    // Built before the fork: the child only execs.
    std::vector<std::string> words = launcher;
    words.push_back(program);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    start_ = MonotonicSeconds();
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        setenv("HOME", root.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
        setenv("XDG_CACHE_HOME", (root + "/cache").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root + "/run").c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execvp(argv.front(), argv.data());
        std::perror(argv.front());
        _exit(127);
    }
}

TesmarkProcess::~TesmarkProcess() {
    stop();
}

bool TesmarkProcess::running() {
    if (pid_ <= 0) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

void TesmarkProcess::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    // The program closes its window and saves on SIGTERM; give it a moment,
    // then make sure.
    for (int wait = 0; wait < 200; ++wait) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        usleep(10000);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace probe
