// window_probe: measures the real tesmark window on an X server (Xvfb), from
// the outside. It starts the program itself with a throwaway profile that
// sets the client width, watches the damage the window reports, and
//   - times the start: exec to window creation, to map, to the first damage
//     and to the first damage after which the rule shows;
//   - sends paced arrow keys through XTest to the cursor bar and the slide
//     bar and divides the CPU time the process spent by the number of keys
//     (key event in, pixels flushed), and sums the damage each key caused.
// Run by scripts/measure-window.sh; see --help.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "damage_watch.h"
#include "tesmark_process.h"

namespace probe {
namespace {

// Where the rule and the bars stand in the window: the rule rows and the bar
// rows of the client area, below the menu bar (20 px high with Qt's default
// font on Xvfb; the damage is reported in window coordinates).
constexpr int kMenuBarHeight = 20;
constexpr int kRuleTop = kMenuBarHeight + 39;
constexpr int kRuleBottom = kMenuBarHeight + 209;
constexpr int kBarLeft = 160;
constexpr int kSlideBarTop = kMenuBarHeight + 220;
constexpr int kCursorBarTop = kMenuBarHeight + 256;
constexpr int kBarHeight = 29;
constexpr int BarWidth(int clientWidth) {
    return 370 + clientWidth - 625;
}

struct Options {
    std::string program;
    // A bare Qt window that answers the same keys by repainting the same
    // rectangles with solid fills (bare_window): stepped after each run of
    // the program, so that both meet the same load, it shows what Qt, the
    // X connection and the server cost with next to no paint of one's own.
    std::string floor;
    std::vector<int> widths{880, 2000};
    int startupRuns = 7;
    int stepRuns = 3;
    int keys = 300;
    double interval = 0.015;
    int serverPid = 0;
    bool json = false;
    // Arrow keys step by the smallest amount, far less than a pixel: only
    // the readouts change. Page keys step 500 times as far.
    bool pageKeys = false;
    bool startup = true;
    bool steps = true;
    // Instruction counts instead of times: the folder for callgrind's files.
    std::string callgrindDir;
    // Samples of where the CPU time of the first run's steps goes, kernel
    // included: the folder for perf's files.
    std::string perfDir;
};

// `perf record` of a running process, from construction until destruction.
class PerfRecord {
  public:
    PerfRecord(pid_t target, const std::string& file) {
        if (file.empty()) return;
        const std::string pid = std::to_string(target);
        pid_ = fork();
        if (pid_ == 0) {
            execlp("perf", "perf", "record", "-q", "--call-graph", "dwarf,16384", "-e", "cpu-clock",
                   "-F", "4000", "-p", pid.c_str(), "-o", file.c_str(),
                   static_cast<char*>(nullptr));
            std::perror("perf");
            _exit(127);
        }
        usleep(300000);  // perf attaches before the keys come
    }
    ~PerfRecord() {
        if (pid_ <= 0) return;
        kill(pid_, SIGINT);
        waitpid(pid_, nullptr, 0);
    }
    PerfRecord(const PerfRecord&) = delete;
    PerfRecord& operator=(const PerfRecord&) = delete;

  private:
    pid_t pid_ = -1;
};

struct StartupRun {
    double created = -1;
    double mapped = -1;
    double firstDamage = -1;
    double firstRule = -1;
    // The process's CPU time until the rule showed: on a busy machine the
    // wall-clock times above include the waits for a core; this does not.
    double cpuToRule = -1;
};

// The damage one key produced.
struct StepDamage {
    std::vector<DamageRect> rects;
    long long pixels = 0;       // sum of the rectangles' areas
    long long unionPixels = 0;  // pixels covered at least once
    int slideBarRects = 0;
    int cursorBarRects = 0;
    int ruleRects = 0;
};

struct StepRun {
    double cpuPerStep = 0;       // seconds, from the live threads' run time
    double switchesPerStep = 0;  // the threads' waits, for the server or each other
    double ticksPerStep = 0;     // seconds, from utime + stime (10 ms ticks)
    double serverPerStep = 0;    // seconds of the X server, if its PID is known
    double idlePerSecond = 0;    // the process's CPU while nothing happens
    int threadsBefore = 0;
    int threadsAfter = 0;
    std::vector<StepDamage> steps;
};

struct Summary {
    double cpu = 0, ticks = 0, server = 0, idle = 0, switches = 0;
    double rects = 0, pixels = 0, unionPixels = 0, slideBarRects = 0, cursorBarRects = 0,
           ruleRects = 0;
    double maxRects = 0;
    int threadsBefore = 0, threadsAfter = 0;
    std::vector<DamageRect> example;
};

double Median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool Intersects(const DamageRect& rect, int left, int top, int width, int height) {
    return rect.x < left + width && left < rect.x + rect.width && rect.y < top + height &&
           top < rect.y + rect.height;
}

// Starts tesmark and handles events until the rule shows (or 15 s pass).
StartupRun StartAndWaitForRule(DamageWatch& watch, TesmarkProcess& process) {
    StartupRun run;
    const double start = process.startTime();
    const double deadline = start + 15;
    std::size_t checked = 0;
    while (MonotonicSeconds() < deadline && process.running()) {
        watch.pump(MonotonicSeconds() + 0.002);
        if (run.created < 0 && watch.createdTime() > 0) run.created = watch.createdTime() - start;
        if (run.mapped < 0 && watch.mapped()) run.mapped = watch.mappedTime() - start;
        const auto& damage = watch.damage();
        if (damage.size() == checked) continue;
        if (run.firstDamage < 0) run.firstDamage = damage.front().time - start;
        const double latest = damage.back().time;
        checked = damage.size();
        if (watch.rulePainted(kRuleTop, kRuleBottom)) {
            run.firstRule = latest - start;
            run.cpuToRule = ReadCpuTime(process.pid()).threadsSeconds;
            break;
        }
    }
    return run;
}

StepDamage DamageOfStep(const std::vector<DamageRect>& rects, int clientWidth, int windowHeight) {
    StepDamage step;
    step.rects = rects;
    std::vector<unsigned char> covered(static_cast<std::size_t>(clientWidth) *
                                       static_cast<std::size_t>(std::max(windowHeight, 1)));
    for (const DamageRect& rect : rects) {
        step.pixels += static_cast<long long>(rect.width) * rect.height;
        for (int y = std::max(rect.y, 0); y < std::min(rect.y + rect.height, windowHeight); ++y) {
            for (int x = std::max(rect.x, 0); x < std::min(rect.x + rect.width, clientWidth); ++x) {
                unsigned char& cell = covered[static_cast<std::size_t>(y) * clientWidth + x];
                if (!cell) ++step.unionPixels;
                cell = 1;
            }
        }
        const int barWidth = BarWidth(clientWidth);
        if (Intersects(rect, kBarLeft, kSlideBarTop, barWidth, kBarHeight)) ++step.slideBarRects;
        if (Intersects(rect, kBarLeft, kCursorBarTop, barWidth, kBarHeight)) ++step.cursorBarRects;
        if (Intersects(rect, 0, kRuleTop, clientWidth, kRuleBottom - kRuleTop)) ++step.ruleRects;
    }
    return step;
}

double ServerCpu(int pid) {
    return pid > 0 ? ReadCpuTime(pid).threadsSeconds : 0;
}

// Sends `keys` paced arrow keys (half Right, then half Left, so the bar stays
// inside its range) and measures what they cost.
StepRun MeasureSteps(DamageWatch& watch, TesmarkProcess& process, const Options& options,
                     int clientWidth) {
    StepRun run;
    watch.pumpUntilQuiet(0.3, MonotonicSeconds() + 5);
    // The idle rate: what the process spends while no key arrives.
    const CpuTime idleStart = ReadCpuTime(process.pid());
    const double idleFrom = MonotonicSeconds();
    watch.pump(idleFrom + 1.0);
    run.idlePerSecond = (ReadCpuTime(process.pid()).threadsSeconds - idleStart.threadsSeconds) /
                        (MonotonicSeconds() - idleFrom);

    const CpuTime before = ReadCpuTime(process.pid());
    const double serverBefore = ServerCpu(options.serverPid);
    const std::size_t firstRect = watch.damage().size();
    std::vector<double> sent;
    const double start = MonotonicSeconds();
    for (int key = 0; key < options.keys; ++key) {
        sent.push_back(MonotonicSeconds());
        const bool forward = key < options.keys / 2;
        if (options.pageKeys) {
            watch.tapKey(forward ? "Next" : "Prior");
        } else {
            watch.tapKey(forward ? "Right" : "Left");
        }
        watch.pump(start + (key + 1) * options.interval);
    }
    watch.pumpUntilQuiet(0.3, MonotonicSeconds() + 10);
    const CpuTime after = ReadCpuTime(process.pid());
    run.serverPerStep = (ServerCpu(options.serverPid) - serverBefore) / options.keys;
    run.cpuPerStep = (after.threadsSeconds - before.threadsSeconds) / options.keys;
    run.switchesPerStep = static_cast<double>(after.switches - before.switches) / options.keys;
    run.ticksPerStep = (after.ticksSeconds - before.ticksSeconds) / options.keys;
    run.threadsBefore = before.threads;
    run.threadsAfter = after.threads;

    // Each key owns the damage that arrived before the next key was sent.
    const auto& damage = watch.damage();
    std::size_t next = firstRect;
    for (int key = 0; key < options.keys; ++key) {
        const double end = key + 1 < options.keys ? sent[static_cast<std::size_t>(key) + 1] : 1e300;
        std::vector<DamageRect> rects;
        while (next < damage.size() && damage[next].time < end) rects.push_back(damage[next++]);
        run.steps.push_back(DamageOfStep(rects, clientWidth, watch.windowHeight()));
    }
    return run;
}

Summary Summarize(const std::vector<StepRun>& runs, int exampleStep) {
    Summary summary;
    std::vector<double> cpu, switches, ticks, server, idle, rects, pixels, unions, slide, cursor,
        rule;
    for (const StepRun& run : runs) {
        cpu.push_back(run.cpuPerStep);
        switches.push_back(run.switchesPerStep);
        ticks.push_back(run.ticksPerStep);
        server.push_back(run.serverPerStep);
        idle.push_back(run.idlePerSecond);
        for (const StepDamage& step : run.steps) {
            rects.push_back(static_cast<double>(step.rects.size()));
            pixels.push_back(static_cast<double>(step.pixels));
            unions.push_back(static_cast<double>(step.unionPixels));
            slide.push_back(step.slideBarRects);
            cursor.push_back(step.cursorBarRects);
            rule.push_back(step.ruleRects);
            summary.maxRects = std::max(summary.maxRects, static_cast<double>(step.rects.size()));
        }
        summary.threadsBefore = run.threadsBefore;
        summary.threadsAfter = run.threadsAfter;
    }
    summary.cpu = Median(cpu);
    summary.switches = Median(switches);
    summary.ticks = Median(ticks);
    summary.server = Median(server);
    summary.idle = Median(idle);
    summary.rects = Median(rects);
    summary.pixels = Median(pixels);
    summary.unionPixels = Median(unions);
    summary.slideBarRects = Median(slide);
    summary.cursorBarRects = Median(cursor);
    summary.ruleRects = Median(rule);
    if (!runs.empty() && exampleStep < static_cast<int>(runs.front().steps.size())) {
        summary.example = runs.front().steps[static_cast<std::size_t>(exampleStep)].rects;
    }
    return summary;
}

struct WidthResult {
    int width = 0;
    int windowWidth = 0;
    std::vector<StartupRun> startups;
    Summary cursor;
    Summary slide;
    bool measuredSteps = false;
    // The same for the bare window, and the program's CPU per step above
    // it: the median of the differences between runs that followed each
    // other, which a change of the machine's load moves less than either.
    Summary floorCursor;
    Summary floorSlide;
    double cursorAboveFloor = 0;
    double slideAboveFloor = 0;
    bool measuredFloor = false;
};

struct BarRuns {
    StepRun cursor;
    StepRun slide;
    int windowWidth = 0;
};

// Starts `program`, steps the cursor bar and then the slide bar, and stops it.
BarRuns StepBothBars(const std::string& program, const Options& options, int width, int run,
                     DamageWatch& watch, ThrowawayHome& home) {
    watch.reset();
    home.writeProfile(width);
    TesmarkProcess process(program, home);
    watch.expectProcess(process.pid());
    if (StartAndWaitForRule(watch, process).firstRule < 0) {
        throw std::runtime_error(program + " showed no rule");
    }
    BarRuns runs;
    runs.windowWidth = watch.windowWidth();
    watch.focusWindow();
    watch.tapKey("c");  // the cursor bar has the focus at start; make sure
    auto perfFile = [&](const char* phase) {
        return options.perfDir.empty() || run > 0 || program != options.program
                   ? std::string()
                   : options.perfDir + "/w" + std::to_string(width) + "-" + phase + ".perf";
    };
    {
        PerfRecord perf(process.pid(), perfFile("cursor"));
        runs.cursor = MeasureSteps(watch, process, options, width);
    }
    watch.tapKey("s");
    {
        PerfRecord perf(process.pid(), perfFile("slide"));
        runs.slide = MeasureSteps(watch, process, options, width);
    }
    process.stop();
    return runs;
}

WidthResult MeasureWidth(const Options& options, int width) {
    WidthResult result;
    result.width = width;
    DamageWatch watch;
    ThrowawayHome home;
    for (int run = 0; run < (options.startup ? options.startupRuns : 0); ++run) {
        watch.reset();
        home.writeProfile(width);
        TesmarkProcess process(options.program, home);
        watch.expectProcess(process.pid());
        result.startups.push_back(StartAndWaitForRule(watch, process));
        result.windowWidth = watch.windowWidth();
        process.stop();
    }
    if (!options.steps) return result;
    std::vector<StepRun> cursorRuns, slideRuns, floorCursorRuns, floorSlideRuns;
    std::vector<double> cursorAbove, slideAbove;
    for (int run = 0; run < options.stepRuns; ++run) {
        const BarRuns program = StepBothBars(options.program, options, width, run, watch, home);
        result.windowWidth = program.windowWidth;
        cursorRuns.push_back(program.cursor);
        slideRuns.push_back(program.slide);
        if (options.floor.empty()) continue;
        const BarRuns floor = StepBothBars(options.floor, options, width, run, watch, home);
        cursorAbove.push_back(program.cursor.cpuPerStep - floor.cursor.cpuPerStep);
        slideAbove.push_back(program.slide.cpuPerStep - floor.slide.cpuPerStep);
        floorCursorRuns.push_back(floor.cursor);
        floorSlideRuns.push_back(floor.slide);
    }
    result.cursor = Summarize(cursorRuns, options.keys / 4);
    result.slide = Summarize(slideRuns, options.keys / 4);
    result.measuredSteps = true;
    if (!options.floor.empty()) {
        result.floorCursor = Summarize(floorCursorRuns, options.keys / 4);
        result.floorSlide = Summarize(floorSlideRuns, options.keys / 4);
        result.cursorAboveFloor = Median(cursorAbove);
        result.slideAboveFloor = Median(slideAbove);
        result.measuredFloor = true;
    }
    return result;
}

// --- Instruction counts under callgrind ---------------------------------
// CPU times on a shared machine move with the load; the instructions a step
// executes do not. The program runs under callgrind, which counts from the
// start; the count is dumped once the start has settled, then counting runs
// only while the keys of one phase are handled, each phase to its own file
// (callgrind_control switches and dumps; it answers within a second even
// while the program waits for events).

struct InstructionPhase {
    std::string name;
    std::string file;
    long long instructions = 0;
    int keys = 0;
    double seconds = 0;  // how long counting ran
};

struct InstructionResult {
    std::string program;
    int width = 0;
    std::vector<InstructionPhase> phases;
};

void CallgrindControl(pid_t pid, const std::string& argument) {
    const std::string command =
        "callgrind_control " + argument + " " + std::to_string(pid) + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("callgrind_control " + argument + " failed");
    }
}

// The total of the first event (instructions) in a callgrind file.
long long CallgrindTotal(const std::string& file) {
    FILE* in = std::fopen(file.c_str(), "r");
    if (!in) throw std::runtime_error("cannot read " + file);
    char line[4096];
    long long total = -1;
    while (std::fgets(line, sizeof line, in)) {
        if (std::strncmp(line, "totals:", 7) == 0 || std::strncmp(line, "summary:", 8) == 0) {
            total = std::atoll(std::strchr(line, ':') + 1);
        }
    }
    std::fclose(in);
    if (total < 0) throw std::runtime_error("no totals in " + file);
    return total;
}

// Dumps the counts so far to `<prefix>.<n>` and renames the file to
// `<prefix>-<name>`, then reads its total.
InstructionPhase DumpPhase(pid_t pid, const std::string& prefix, const std::string& name,
                           int& dumps) {
    CallgrindControl(pid, "--dump");
    InstructionPhase phase;
    phase.name = name;
    phase.file = prefix + "-" + name;
    const std::string dumped = prefix + "." + std::to_string(++dumps);
    for (int wait = 0; wait < 100 && std::rename(dumped.c_str(), phase.file.c_str()) != 0; ++wait) {
        usleep(50000);
    }
    phase.instructions = CallgrindTotal(phase.file);
    return phase;
}

// One key after the other: each is sent once the previous one's damage has
// arrived and the window has gone quiet, so every key is a step of its own
// however slowly the program runs.
void SendKeysOneByOne(DamageWatch& watch, const char* forward, const char* back, int keys) {
    for (int key = 0; key < keys; ++key) {
        const std::size_t before = watch.damage().size();
        watch.tapKey(key < keys / 2 ? forward : back);
        const double deadline = MonotonicSeconds() + 10;
        while (watch.damage().size() == before && MonotonicSeconds() < deadline) {
            watch.pump(MonotonicSeconds() + 0.01);
        }
        watch.pumpUntilQuiet(0.1, MonotonicSeconds() + 5);
    }
}

InstructionResult CountInstructions(const Options& options, const std::string& program,
                                    const std::string& name, int width) {
    InstructionResult result;
    result.program = program;
    result.width = width;
    const std::string prefix = options.callgrindDir + "/" + name + std::to_string(width);
    DamageWatch watch;
    ThrowawayHome home;
    home.writeProfile(width);
    TesmarkProcess process(program, home,
                           {"valgrind", "--tool=callgrind", "--callgrind-out-file=" + prefix,
                            "--log-file=" + prefix + ".log"});
    watch.expectProcess(process.pid());
    // Under callgrind the start takes some tens of seconds.
    const double deadline = MonotonicSeconds() + 180;
    while (!watch.mapped() || !watch.rulePainted(kRuleTop, kRuleBottom)) {
        if (MonotonicSeconds() > deadline || !process.running()) {
            throw std::runtime_error(program + " showed no rule under callgrind");
        }
        watch.pump(MonotonicSeconds() + 0.05);
    }
    watch.pumpUntilQuiet(1.0, MonotonicSeconds() + 30);
    int dumps = 0;
    const pid_t pid = process.pid();
    result.phases.push_back(DumpPhase(pid, prefix, "start", dumps));
    CallgrindControl(pid, "--instr=off");
    watch.focusWindow();
    watch.tapKey("c");  // the cursor bar has the focus at start; make sure
    watch.pumpUntilQuiet(1.0, MonotonicSeconds() + 30);

    struct Plan {
        const char* name;
        const char* select;
        int keys;
    };
    const Plan plans[] = {
        {"idle", nullptr, 0},
        {"cursor", "c", options.keys},
        {"slide", "s", options.keys},
    };
    for (const Plan& plan : plans) {
        if (plan.select) {
            watch.tapKey(plan.select);
            watch.pumpUntilQuiet(1.0, MonotonicSeconds() + 30);
        }
        const double start = MonotonicSeconds();
        CallgrindControl(pid, "--instr=on");
        if (plan.keys == 0) {
            watch.pump(MonotonicSeconds() + 5);
        } else if (options.pageKeys) {
            SendKeysOneByOne(watch, "Next", "Prior", plan.keys);
        } else {
            SendKeysOneByOne(watch, "Right", "Left", plan.keys);
        }
        CallgrindControl(pid, "--instr=off");
        InstructionPhase phase = DumpPhase(pid, prefix, plan.name, dumps);
        phase.keys = plan.keys;
        phase.seconds = MonotonicSeconds() - start;
        result.phases.push_back(phase);
    }
    process.stop();
    return result;
}

void PrintInstructions(const std::vector<InstructionResult>& results, const Options& options) {
    for (const InstructionResult& result : results) {
        std::printf("%s, client width %d, instructions (callgrind Ir), %s keys one by one\n",
                    result.program.c_str(), result.width, options.pageKeys ? "page" : "arrow");
        double idlePerSecond = 0;
        for (const InstructionPhase& phase : result.phases) {
            if (phase.name == "idle") idlePerSecond = phase.instructions / phase.seconds;
        }
        for (const InstructionPhase& phase : result.phases) {
            if (phase.keys == 0) {
                std::printf("  %-7s %14lld in all  %s\n", phase.name.c_str(), phase.instructions,
                            phase.file.c_str());
                continue;
            }
            // The idle rate over the phase's time is counted in, and shown.
            std::printf("  %-7s %14lld in all, %10.0f per step (idle share %.0f)  %s\n",
                        phase.name.c_str(), phase.instructions,
                        static_cast<double>(phase.instructions) / phase.keys,
                        idlePerSecond * phase.seconds / phase.keys, phase.file.c_str());
        }
    }
}

std::vector<double> Field(const std::vector<StartupRun>& runs, double StartupRun::*field) {
    std::vector<double> values;
    for (const StartupRun& run : runs) values.push_back(run.*field * 1000);
    return values;
}

void PrintRects(const std::vector<DamageRect>& rects, const char* indent) {
    for (const DamageRect& rect : rects) {
        std::printf("%s%dx%d+%d+%d\n", indent, rect.width, rect.height, rect.x, rect.y);
    }
}

void PrintTable(const std::vector<WidthResult>& results, const Options& options) {
    for (const WidthResult& result : results) {
        std::printf("client width %d (window %d px)\n", result.width, result.windowWidth);
        if (!result.startups.empty()) {
            std::printf(
                "  start, median of %zu runs (ms): window created %.1f, mapped %.1f, "
                "first damage %.1f, first rule %.1f\n",
                result.startups.size(), Median(Field(result.startups, &StartupRun::created)),
                Median(Field(result.startups, &StartupRun::mapped)),
                Median(Field(result.startups, &StartupRun::firstDamage)),
                Median(Field(result.startups, &StartupRun::firstRule)));
            std::printf("    cpu of the process until the first rule (ms): %.1f\n",
                        Median(Field(result.startups, &StartupRun::cpuToRule)));
            std::printf("    first rule per run (ms):");
            for (double value : Field(result.startups, &StartupRun::firstRule)) {
                std::printf(" %.1f", value);
            }
            std::printf("\n");
        }
        if (!result.measuredSteps) continue;
        std::printf("  %-7s %12s %8s %12s %12s %7s %9s %9s %6s %6s %6s %10s\n", "step",
                    "cpu us/step", "waits", "ticks us", "server us", "rects", "pixels", "union px",
                    "slideR", "cursR", "ruleR", "threads");
        std::vector<std::pair<const char*, const Summary*>> rows{{"cursor", &result.cursor},
                                                                 {"slide", &result.slide}};
        if (result.measuredFloor) {
            rows.emplace_back("floor c", &result.floorCursor);
            rows.emplace_back("floor s", &result.floorSlide);
        }
        for (const auto& [name, summary] : rows) {
            std::printf(
                "  %-7s %12.1f %8.2f %12.1f %12.1f %7.0f %9.0f %9.0f %6.0f %6.0f %6.0f %5d>%d\n",
                name, summary->cpu * 1e6, summary->switches, summary->ticks * 1e6,
                summary->server * 1e6, summary->rects, summary->pixels, summary->unionPixels,
                summary->slideBarRects, summary->cursorBarRects, summary->ruleRects,
                summary->threadsBefore, summary->threadsAfter);
        }
        if (result.measuredFloor) {
            std::printf(
                "  cpu above the bare window's floor (median of paired runs): cursor %.1f us, "
                "slide %.1f us\n",
                result.cursorAboveFloor * 1e6, result.slideAboveFloor * 1e6);
        }
        std::printf(
            "  idle cpu: %.1f us/s; medians over %d runs x %d %s keys, one key every %.0f ms\n",
            result.cursor.idle * 1e6, options.stepRuns, options.keys,
            options.pageKeys ? "page" : "arrow", options.interval * 1000);
        std::printf("  damage of one cursor step (key %d):\n", options.keys / 4);
        PrintRects(result.cursor.example, "    ");
        std::printf("  damage of one slide step (key %d):\n", options.keys / 4);
        PrintRects(result.slide.example, "    ");
    }
}

void PrintJsonRects(const std::vector<DamageRect>& rects) {
    std::printf("[");
    for (std::size_t i = 0; i < rects.size(); ++i) {
        std::printf("%s[%d,%d,%d,%d]", i ? "," : "", rects[i].x, rects[i].y, rects[i].width,
                    rects[i].height);
    }
    std::printf("]");
}

void PrintJsonSummary(const char* name, const Summary& summary, bool last) {
    std::printf(
        "    \"%s\": {\"cpu_us_per_step\": %.2f, \"ticks_us_per_step\": %.2f, "
        "\"waits_per_step\": %.2f, \"server_us_per_step\": %.2f, \"idle_us_per_s\": %.2f, "
        "\"rects\": %.0f, "
        "\"max_rects\": %.0f, \"pixels\": %.0f, \"union_pixels\": %.0f, "
        "\"slide_bar_rects\": %.0f, \"cursor_bar_rects\": %.0f, \"rule_rects\": %.0f, "
        "\"threads_before\": %d, \"threads_after\": %d, \"example_rects\": ",
        name, summary.cpu * 1e6, summary.ticks * 1e6, summary.switches, summary.server * 1e6,
        summary.idle * 1e6, summary.rects, summary.maxRects, summary.pixels, summary.unionPixels,
        summary.slideBarRects, summary.cursorBarRects, summary.ruleRects, summary.threadsBefore,
        summary.threadsAfter);
    PrintJsonRects(summary.example);
    std::printf("}%s\n", last ? "" : ",");
}

void PrintJson(const std::vector<WidthResult>& results, const Options& options) {
    std::printf(
        "{\"keys\": %d, \"step_keys\": \"%s\", \"interval_ms\": %.1f, \"step_runs\": %d, "
        "\"widths\": [\n",
        options.keys, options.pageKeys ? "page" : "arrow", options.interval * 1000,
        options.stepRuns);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const WidthResult& result = results[i];
        std::printf("  {\"width\": %d, \"window_width\": %d,\n", result.width, result.windowWidth);
        std::printf(
            "    \"startup_ms\": {\"runs\": %zu, \"created\": %.2f, \"mapped\": %.2f, "
            "\"first_damage\": %.2f, \"first_rule\": %.2f, \"cpu_to_first_rule\": %.2f}%s\n",
            result.startups.size(), Median(Field(result.startups, &StartupRun::created)),
            Median(Field(result.startups, &StartupRun::mapped)),
            Median(Field(result.startups, &StartupRun::firstDamage)),
            Median(Field(result.startups, &StartupRun::firstRule)),
            Median(Field(result.startups, &StartupRun::cpuToRule)),
            result.measuredSteps ? "," : "");
        if (result.measuredSteps) {
            PrintJsonSummary("cursor", result.cursor, false);
            PrintJsonSummary("slide", result.slide, !result.measuredFloor);
        }
        if (result.measuredFloor) {
            PrintJsonSummary("floor_cursor", result.floorCursor, false);
            PrintJsonSummary("floor_slide", result.floorSlide, false);
            std::printf("    \"cursor_us_above_floor\": %.2f, \"slide_us_above_floor\": %.2f\n",
                        result.cursorAboveFloor * 1e6, result.slideAboveFloor * 1e6);
        }
        std::printf("  }%s\n", i + 1 < results.size() ? "," : "");
    }
    std::printf("]}\n");
}

void Usage() {
    std::puts(
        "usage: window_probe --tesmark PATH [options]   (on the X display of DISPLAY)\n"
        "  --floor PATH          also step a bare window (bare_window) after each run\n"
        "                        and print its figures and the program's CPU above it\n"
        "  --widths 880,2000     client widths to measure\n"
        "  --startup-runs N      starts timed per width (7)\n"
        "  --step-runs N         processes stepped per width (3)\n"
        "  --keys N              keys per bar and run (300)\n"
        "  --interval-ms MS      pace of the keys (15)\n"
        "  --server-pid PID      also count the X server's CPU\n"
        "  --only startup|steps  measure one side only\n"
        "  --page                step with Page Down/Up instead of the arrows\n"
        "  --callgrind DIR       count instructions under callgrind instead of timing:\n"
        "                        the start, 5 s idle, then --keys keys per bar sent one\n"
        "                        by one; the files stay in DIR for callgrind_annotate\n"
        "  --perf DIR            also sample the first run's steps with perf record\n"
        "                        (cpu-clock, kernel included) into DIR for perf report\n"
        "  --json                print JSON instead of the table");
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--tesmark") {
            options.program = value();
        } else if (arg == "--floor") {
            options.floor = value();
        } else if (arg == "--widths") {
            options.widths.clear();
            const std::string list = value();
            for (std::size_t at = 0; at < list.size();) {
                const std::size_t comma = std::min(list.find(',', at), list.size());
                options.widths.push_back(std::stoi(list.substr(at, comma - at)));
                at = comma + 1;
            }
        } else if (arg == "--startup-runs") {
            options.startupRuns = std::stoi(value());
        } else if (arg == "--step-runs") {
            options.stepRuns = std::stoi(value());
        } else if (arg == "--keys") {
            options.keys = std::max(2, std::stoi(value()));
        } else if (arg == "--interval-ms") {
            options.interval = std::stod(value()) / 1000;
        } else if (arg == "--server-pid") {
            options.serverPid = std::stoi(value());
        } else if (arg == "--only") {
            const std::string side = value();
            options.startup = side == "startup";
            options.steps = side == "steps";
        } else if (arg == "--page") {
            options.pageKeys = true;
        } else if (arg == "--perf") {
            options.perfDir = value();
        } else if (arg == "--callgrind") {
            options.callgrindDir = value();
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--help" || arg == "-h") {
            Usage();
            std::exit(0);
        } else {
            throw std::runtime_error("unknown option " + arg);
        }
    }
    if (options.program.empty()) throw std::runtime_error("--tesmark PATH is required");
    return options;
}

}  // namespace
}  // namespace probe

int main(int argc, char** argv) {
    try {
        const probe::Options options = probe::ParseOptions(argc, argv);
        if (!options.callgrindDir.empty()) {
            std::vector<probe::InstructionResult> counts;
            for (int width : options.widths) {
                counts.push_back(probe::CountInstructions(options, options.program, "w", width));
                if (!options.floor.empty()) {
                    counts.push_back(
                        probe::CountInstructions(options, options.floor, "floor-w", width));
                }
            }
            probe::PrintInstructions(counts, options);
            return 0;
        }
        std::vector<probe::WidthResult> results;
        for (int width : options.widths) results.push_back(probe::MeasureWidth(options, width));
        if (options.json) {
            probe::PrintJson(results, options);
        } else {
            probe::PrintTable(results, options);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "window_probe: %s\n", error.what());
        return 1;
    }
}
