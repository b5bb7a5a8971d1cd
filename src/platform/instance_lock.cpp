#include "platform/instance_lock.h"

#include <QDir>
#include <QStandardPaths>

namespace tesmark {

QString InstanceLock::DefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("TesmarkInstance.lock"));
}

InstanceLock::InstanceLock() : InstanceLock(DefaultPath()) {}

InstanceLock::InstanceLock(const QString& lockPath)
    : path_(lockPath), lock_(std::make_unique<QLockFile>(lockPath)) {
    // Staleness by age would let a second copy take the lock from a first
    // one that has simply run for a while; only a dead owner makes it stale.
    lock_->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() {
    release();
}

bool InstanceLock::tryAcquire() {
    if (!held_) held_ = lock_->tryLock(0);
    return held_;
}

void InstanceLock::release() {
    if (held_) lock_->unlock();
    held_ = false;
}

}  // namespace tesmark
