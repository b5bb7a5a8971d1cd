#include "platform/instance_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    if (held_) return true;
    held_ = lock_->tryLock(0);
    if (!held_ && lock_->error() == QLockFile::LockFailedError && OwnerUnknownForAWhile()) {
        // A process that died while it was creating the lock leaves a file
        // that names no owner; nobody would ever count it as stale.
        QFile::remove(path_);
        held_ = lock_->tryLock(0);
    }
    return held_;
}

bool InstanceLock::OwnerUnknownForAWhile() const {
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_->getLockInfo(&pid, &host, &application)) return false;
    // A lock being created this instant has no owner written yet either.
    const QDateTime written = QFileInfo(path_).lastModified();
    return written.isValid() && written.msecsTo(QDateTime::currentDateTime()) > kOwnerGraceMs;
}

void InstanceLock::release() {
    if (held_) lock_->unlock();
    held_ = false;
}

}  // namespace tesmark
