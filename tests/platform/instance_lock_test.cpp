// The single-instance lock: one holder at a time, a lock file that names
// no owner (its creator died while writing it) does not block for ever, a
// lock that cannot be made or read is told apart from a running copy, and
// every user has a lock of their own.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/instance_lock.h"

namespace tesmark {
namespace {

TEST(InstanceLock, OnlyOneHolderAtATime) {
    QTemporaryDir dir;
    const QString path = dir.filePath("TesmarkInstance.lock");
    InstanceLock first(path);
    InstanceLock second(path);
    EXPECT_TRUE(first.tryAcquire());
    EXPECT_FALSE(second.tryAcquire());
    first.release();
    EXPECT_TRUE(second.tryAcquire());
}

struct OwnerlessCase {
    const char* name;
    qint64 ageMs;
    bool acquired;
};

class OwnerlessLockTest : public testing::TestWithParam<OwnerlessCase> {};

TEST_P(OwnerlessLockTest, IsTakenOverOnlyOnceItIsOld) {
    QTemporaryDir dir;
    const QString path = dir.filePath("TesmarkInstance.lock");
    QFile empty(path);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    ASSERT_TRUE(empty.open(QIODevice::ReadWrite));
    ASSERT_TRUE(empty.setFileTime(QDateTime::currentDateTime().addMSecs(-GetParam().ageMs),
                                  QFileDevice::FileModificationTime));
    empty.close();
    InstanceLock lock(path);
    EXPECT_EQ(lock.tryAcquire(), GetParam().acquired);
}

INSTANTIATE_TEST_SUITE_P(Ages, OwnerlessLockTest,
                         testing::Values(OwnerlessCase{"JustCreated", 0, false},
                                         OwnerlessCase{"LeftBehind", 60000, true}),
                         [](const auto& info) { return info.param.name; });

struct FailureCase {
    const char* name;
    void (*make)(const QString& path);
    InstanceLock::Result result;
    const char* problem;
};

class LockFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(LockFailureTest, IsToldApartFromARunningCopy) {
    QTemporaryDir dir;
    const QString path = dir.filePath("TesmarkInstance.lock");
    GetParam().make(path);
    InstanceLock lock(path);
    EXPECT_EQ(lock.acquire(), GetParam().result);
    EXPECT_TRUE(lock.problem().contains(QLatin1String(GetParam().problem)))
        << qPrintable(lock.problem());
}

void MakeFolder(const QString& path) {
    QDir().mkpath(path);
}

void MakeOtherHostsLock(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("4242\nTesmark\nfar-away-host\n");
}

void RemoveFolder(const QString& path) {
    QDir().rmdir(QFileInfo(path).absolutePath());
}

INSTANTIATE_TEST_SUITE_P(
    Causes, LockFailureTest,
    testing::Values(FailureCase{"FolderInItsPlace", MakeFolder, InstanceLock::Result::Failed,
                                "a folder stands where"},
                    FailureCase{"AnotherHost", MakeOtherHostsLock, InstanceLock::Result::Failed,
                                "another computer (far-away-host)"},
                    FailureCase{"NoFolder", RemoveFolder, InstanceLock::Result::Failed,
                                "cannot be created"}),
    [](const auto& info) { return info.param.name; });

TEST(InstanceLock, TheDefaultLockIsTheUsersOwnInTheTempFolder) {
    const QString path = InstanceLock::DefaultPath();
    EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(InstanceLock::UserInstanceName()));
    EXPECT_TRUE(InstanceLock::UserInstanceName().contains(QString::number(::getuid())));
}

}  // namespace
}  // namespace tesmark
