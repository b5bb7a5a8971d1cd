// The simulator as a process: it saves its profile when it is asked to end
// by a signal, refuses to run twice, survives a stale lock, and a process
// killed while writing the profile leaves a complete one behind.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "platform/settings_store.h"
#include "profile/profile.h"

namespace tesmark {
namespace {

// A private home for one run of the simulator: its own config and runtime
// folders, so nothing touches the real user's profile or lock.
class SimulatorHome {
  public:
    SimulatorHome() {
        QDir(dir_.path()).mkpath("config");
        QDir(dir_.path()).mkpath("runtime");
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString config() const { return dir_.filePath("config"); }
    QString runtime() const { return dir_.filePath("runtime"); }
    QString profile() const { return config() + "/Corvane/Tesmark.conf"; }
    QString lock() const { return runtime() + "/TesmarkInstance.lock"; }

    std::unique_ptr<QProcess> start() const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config());
        env.insert("XDG_RUNTIME_DIR", runtime());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(TESMARK_EXE, {});
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

struct SignalCase {
    const char* name;
    int signal;
};

class SignalSaveTest : public testing::TestWithParam<SignalCase> {};

TEST_P(SignalSaveTest, SavesTheProfileAndExitsCleanly) {
    SimulatorHome home;
    std::unique_ptr<QProcess> first = home.start();
    ASSERT_TRUE(home.waitForLock(*first));
    EXPECT_FALSE(QFile::exists(home.profile()));  // nothing is written before shutdown
    ::kill(static_cast<pid_t>(first->processId()), GetParam().signal);
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
    QSettings written(home.profile(), QSettings::IniFormat);
    EXPECT_EQ(written.value("TesmarkX/ScaleRev").toInt(), 257);
    EXPECT_EQ(written.value("TesmarkX/CxSize").toInt(), 255);
    EXPECT_FALSE(QFile::exists(home.lock()));
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalSaveTest,
                         testing::Values(SignalCase{"Term", SIGTERM}, SignalCase{"Int", SIGINT},
                                         SignalCase{"Hup", SIGHUP}),
                         [](const auto& info) { return info.param.name; });

TEST(SingleInstance, ASecondCopyShowsNothingAndFails) {
    SimulatorHome home;
    std::unique_ptr<QProcess> first = home.start();
    ASSERT_TRUE(home.waitForLock(*first));
    std::unique_ptr<QProcess> second = home.start();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_NE(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    // The second copy wrote back what it loaded, with the marker.
    EXPECT_EQ(QSettings(home.profile(), QSettings::IniFormat).value("TesmarkX/ScaleRev").toInt(),
              257);
    ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitCode(), 0);
}

TEST(SingleInstance, ALockLeftByACrashDoesNotBlockTheNextStart) {
    SimulatorHome home;
    std::unique_ptr<QProcess> crashed = home.start();
    ASSERT_TRUE(home.waitForLock(*crashed));
    ::kill(static_cast<pid_t>(crashed->processId()), SIGKILL);
    ASSERT_TRUE(crashed->waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(home.lock()));  // the crash left its lock behind

    std::unique_ptr<QProcess> next = home.start();
    ASSERT_TRUE(home.waitForLock(*next));
    EXPECT_EQ(next->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(next->processId()), SIGTERM);
    ASSERT_TRUE(next->waitForFinished(10000));
    EXPECT_EQ(next->exitCode(), 0);
}

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
