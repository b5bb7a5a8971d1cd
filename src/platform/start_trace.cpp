#include "platform/start_trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tesmark {

namespace {

bool g_enabled = false;
bool g_quit = false;
std::chrono::steady_clock::time_point g_main;

}  // namespace

void StartTrace::begin() {
    const char* value = std::getenv("TESMARK_START_TRACE");
    g_enabled = value != nullptr && value[0] != '\0';
    g_quit = g_enabled && std::strcmp(value, "quit") == 0;
    g_main = std::chrono::steady_clock::now();
    mark("main");
}

void StartTrace::mark(const char* phase) {
    if (!g_enabled) return;
    // std::clock() is the process's CPU time where it can be (POSIX), from
    // the exec on; the wall clock counts from main().
    const double cpu = 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - g_main)
            .count();
    std::fprintf(stderr, "start-trace %-14s cpu %8.2f ms  wall %8.2f ms\n", phase, cpu, wall);
}

bool StartTrace::quitAfterStart() {
    return g_quit;
}

}  // namespace tesmark
