// The simulator as a process: it saves its profile when it is asked to end
// by signals (however many arrive), brings the running copy forward instead
// of running twice, starts despite a lock or a settings folder it cannot
// use and says so, reports a failed save, answers --help and --version, and
// a process killed while writing the profile leaves a complete one behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <vector>

#include "model/version.h"
#include "platform/settings_store.h"
#include "profile/profile.h"

namespace tesmark {
namespace {

// A private home for one run of the simulator: its own config and temp
// folders, so nothing touches the real user's profile, lock or socket.
class SimulatorHome {
  public:
    SimulatorHome() {
        QDir(dir_.path()).mkpath("config");
        QDir(dir_.path()).mkpath("tmp");
    }
    QString config() const { return dir_.filePath("config"); }
    QString temp() const { return dir_.filePath("tmp"); }
    QString profile() const { return config() + "/Corvane/Tesmark.conf"; }
    QString lock() const {
        return temp() + "/TesmarkInstance-" + QString::number(::getuid()) + ".lock";
    }

    std::unique_ptr<QProcess> start(const QStringList& arguments = {},
                                    bool withDisplay = true) const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config());
        env.insert("TMPDIR", temp());
        env.remove("XDG_RUNTIME_DIR");
        if (withDisplay) {
            env.insert("QT_QPA_PLATFORM", "offscreen");
        } else {
            env.remove("QT_QPA_PLATFORM");
            env.remove("DISPLAY");
            env.remove("WAYLAND_DISPLAY");
        }
        process->setProcessEnvironment(env);
        process->start(TESMARK_EXE, arguments);
        process->waitForStarted(10000);
        return process;
    }

    // Waits until this process of the simulator holds its lock: the lock
    // file names it as its owner.
    bool waitForLock(QProcess& process) const {
        const QByteArray pid = QByteArray::number(process.processId());
        for (int i = 0; i < 400; ++i) {
            QFile file(lock());
            if (file.open(QIODevice::ReadOnly) && file.readLine().trimmed() == pid) return true;
            if (process.state() == QProcess::NotRunning) return false;
            QThread::msleep(25);
        }
        return false;
    }

  private:
    QTemporaryDir dir_;
};

// Collects the process's stderr until it holds `text`.
bool WaitForMessage(QProcess& process, const QByteArray& text, QByteArray& seen) {
    for (int i = 0; i < 200 && !seen.contains(text); ++i) {
        process.waitForReadyRead(50);
        seen += process.readAllStandardError();
        if (process.state() == QProcess::NotRunning) {
            seen += process.readAllStandardError();
            break;
        }
    }
    return seen.contains(text);
}

void Send(QProcess& process, int signal) {
    ::kill(static_cast<pid_t>(process.processId()), signal);
}

struct SignalCase {
    const char* name;
    std::vector<int> sequence;
    unsigned gapUs;  // between two signals
};

std::vector<int> Burst() {
    std::vector<int> burst;
    for (int i = 0; i < 200; ++i)
        burst.push_back(i % 3 == 0 ? SIGTERM : i % 3 == 1 ? SIGINT : SIGHUP);
    return burst;
}

class SignalSaveTest : public testing::TestWithParam<SignalCase> {};

TEST_P(SignalSaveTest, SavesTheProfileAndExitsCleanly) {
    SimulatorHome home;
    std::unique_ptr<QProcess> first = home.start();
    ASSERT_TRUE(home.waitForLock(*first));
    EXPECT_FALSE(QFile::exists(home.profile()));  // nothing is written before shutdown
    for (int signal : GetParam().sequence) {
        Send(*first, signal);
        if (GetParam().gapUs) ::usleep(GetParam().gapUs);
    }
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
    QSettings written(home.profile(), QSettings::IniFormat);
    EXPECT_EQ(written.value("TesmarkX/ScaleRev").toInt(), 257);
    EXPECT_EQ(written.value("TesmarkX/CxSize").toInt(), 255);
    EXPECT_EQ(written.value("EditBox/Histry16").toString(), "16.00000");
    EXPECT_FALSE(QFile::exists(home.lock()));
}

INSTANTIATE_TEST_SUITE_P(
    Signals, SignalSaveTest,
    testing::Values(SignalCase{"Term", {SIGTERM}, 0}, SignalCase{"Int", {SIGINT}, 0},
                    SignalCase{"Hup", {SIGHUP}, 0},
                    SignalCase{"TermThenIntWithinAMillisecond", {SIGTERM, SIGINT}, 500},
                    SignalCase{"TwoTerms", {SIGTERM, SIGTERM}, 0},
                    SignalCase{"TwoTermsApart", {SIGTERM, SIGTERM}, 20000},
                    SignalCase{"BurstOf200", Burst(), 0},
                    SignalCase{"SpreadBurstOf200", Burst(), 100}),
    [](const auto& info) { return info.param.name; });

TEST(SingleInstance, ASecondCopyBringsTheFirstForwardAndSaysSo) {
    SimulatorHome home;
    std::unique_ptr<QProcess> first = home.start();
    ASSERT_TRUE(home.waitForLock(*first));
    std::unique_ptr<QProcess> second = home.start();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_NE(second->exitCode(), 0);
    const QByteArray said = second->readAllStandardError();
    EXPECT_TRUE(said.contains("Tesmark is already running; its window was brought to the front."))
        << said.constData();
    EXPECT_FALSE(said.contains("XDG_RUNTIME_DIR")) << said.constData();  // the variable is unset
    EXPECT_EQ(first->state(), QProcess::Running);
    // The second copy wrote back what it loaded, with the marker.
    EXPECT_EQ(QSettings(home.profile(), QSettings::IniFormat).value("TesmarkX/ScaleRev").toInt(),
              257);
    Send(*first, SIGTERM);
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitCode(), 0);
}

TEST(SingleInstance, ALockLeftByACrashDoesNotBlockTheNextStart) {
    SimulatorHome home;
    std::unique_ptr<QProcess> crashed = home.start();
    ASSERT_TRUE(home.waitForLock(*crashed));
    Send(*crashed, SIGKILL);
    ASSERT_TRUE(crashed->waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(home.lock()));  // the crash left its lock behind

    std::unique_ptr<QProcess> next = home.start();
    ASSERT_TRUE(home.waitForLock(*next));
    EXPECT_EQ(next->state(), QProcess::Running);
    Send(*next, SIGTERM);
    ASSERT_TRUE(next->waitForFinished(10000));
    EXPECT_EQ(next->exitCode(), 0);
}

// A lock that cannot be made or read: the program says what is wrong and
// runs without the check, instead of exiting as if a copy were running.
struct LockProblemCase {
    const char* name;
    void (*make)(const SimulatorHome& home);
    const char* message;
};

class LockProblemTest : public testing::TestWithParam<LockProblemCase> {};

TEST_P(LockProblemTest, SaysWhatIsWrongAndRunsAnyway) {
    SimulatorHome home;
    GetParam().make(home);
    std::unique_ptr<QProcess> process = home.start();
    QByteArray seen;
    ASSERT_TRUE(WaitForMessage(*process, "Starting anyway", seen)) << seen.constData();
    EXPECT_TRUE(seen.contains(GetParam().message)) << seen.constData();
    EXPECT_EQ(process->state(), QProcess::Running);
    Send(*process, SIGTERM);
    ASSERT_TRUE(process->waitForFinished(10000));
    EXPECT_EQ(process->exitCode(), 0);
    EXPECT_TRUE(QFile::exists(home.profile()));
}

INSTANTIATE_TEST_SUITE_P(
    Problems, LockProblemTest,
    testing::Values(LockProblemCase{"FolderInItsPlace",
                                    [](const SimulatorHome& home) { QDir().mkpath(home.lock()); },
                                    "a folder stands where the lock file"},
                    LockProblemCase{"AnotherHostsLock",
                                    [](const SimulatorHome& home) {
                                        QFile file(home.lock());
                                        file.open(QIODevice::WriteOnly);
                                        file.write("4242\nTesmark\nfar-away-host\n");
                                    },
                                    "was made on another computer (far-away-host)"},
                    LockProblemCase{"NoTempFolder",
                                    [](const SimulatorHome& home) {
                                        QDir(home.temp()).removeRecursively();
                                        QFile file(
                                            home.temp());  // a file where the folder should be
                                        file.open(QIODevice::WriteOnly);
                                    },
                                    "cannot be created"}),
    [](const auto& info) { return info.param.name; });

TEST(ProfileSave, AFailedSaveIsReportedAndTheExitStatusSaysSo) {
    SimulatorHome home;
    QFile blocker(home.config() + "/Corvane");  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    std::unique_ptr<QProcess> process = home.start();
    ASSERT_TRUE(home.waitForLock(*process));  // it starts all the same
    Send(*process, SIGTERM);
    ASSERT_TRUE(process->waitForFinished(10000));
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process->exitCode(), 1);
    const QByteArray message = process->readAllStandardError();
    EXPECT_TRUE(message.contains("The settings could not be saved.")) << message.constData();
    EXPECT_TRUE(message.contains("Corvane")) << message.constData();
}

TEST(ProfileSave, AFifoAtTheProfilesPlaceIsNeitherReadNorReplaced) {
    SimulatorHome home;
    QDir().mkpath(home.config() + "/Corvane");
    ASSERT_EQ(::mkfifo(QFile::encodeName(home.profile()), 0600), 0);
    std::unique_ptr<QProcess> process = home.start();
    ASSERT_TRUE(home.waitForLock(*process));  // the start did not block on the FIFO
    Send(*process, SIGTERM);
    ASSERT_TRUE(process->waitForFinished(10000));
    EXPECT_EQ(process->exitCode(), 1);
    const QByteArray message = process->readAllStandardError();
    EXPECT_TRUE(message.contains("is not a regular file")) << message.constData();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(home.profile()), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

struct AnswerCase {
    const char* name;
    const char* option;
    const char* says;
};

class CommandLineTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(CommandLineTest, AnswersOnTheTerminalWithoutAWindow) {
    SimulatorHome home;
    // No display at all: opening a window would fail.
    std::unique_ptr<QProcess> process = home.start({GetParam().option}, false);
    ASSERT_TRUE(process->waitForFinished(10000));
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process->exitCode(), 0);
    const QByteArray out = process->readAllStandardOutput();
    EXPECT_TRUE(out.contains(GetParam().says)) << out.constData();
    EXPECT_FALSE(QFile::exists(home.profile()));
}

INSTANTIATE_TEST_SUITE_P(Options, CommandLineTest,
                         testing::Values(AnswerCase{"Help", "--help", "Settings file: "},
                                         AnswerCase{"Version", "--version",
                                                    "Tesmark " TESMARK_VERSION_STRING}),
                         [](const auto& info) { return info.param.name; });

TEST(ProfileWrite, AProcessKilledWhileSavingLeavesACompleteProfile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Tesmark.conf");
    for (int attempt = 0; attempt < 12; ++attempt) {
        QProcess child;
        child.start(TESMARK_PROFILE_WRITER, {file});
        ASSERT_TRUE(child.waitForStarted(10000));
        // The first child must have saved once (a slow start, as under the
        // sanitizers, would otherwise be killed before it wrote anything).
        for (int wait = 0; wait < 400 && !QFile::exists(file); ++wait) QThread::msleep(25);
        QThread::msleep(150 + QRandomGenerator::global()->bounded(200));
        child.kill();
        child.waitForFinished(10000);
        if (!QFile::exists(file)) continue;
        SettingsStore store(file);
        EXPECT_EQ(store.readInt("TesmarkX", "ScaleRev"), 257) << "attempt " << attempt;
        EXPECT_EQ(store.readString("EditBox", "Histry16").value_or("").size(), 30u)
            << "attempt " << attempt;
        EXPECT_EQ(store.readString("Memory", "Memory10"), "0,3150000") << "attempt " << attempt;
    }
    EXPECT_TRUE(QFile::exists(file));
}

}  // namespace
}  // namespace tesmark
