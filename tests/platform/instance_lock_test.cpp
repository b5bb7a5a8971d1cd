// The single-instance lock: one holder at a time, and a lock file that names
// no owner (its creator died while writing it) does not block for ever.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
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

}  // namespace
}  // namespace tesmark
