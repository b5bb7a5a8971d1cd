#include "platform/instance_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tesmark {

QString InstanceLock::UserInstanceName() {
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    QString user = qEnvironmentVariable("USERNAME");
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
#endif
    return QStringLiteral("TesmarkInstance-") + user;
}

QString InstanceLock::DefaultPath() {
    return QDir(QDir::tempPath()).filePath(UserInstanceName() + QStringLiteral(".lock"));
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

InstanceLock::Result InstanceLock::acquire() {
    problem_.clear();
    if (held_) return Result::Acquired;
    held_ = lock_->tryLock(0);
    if (!held_ && lock_->error() == QLockFile::LockFailedError && OwnerUnknownForAWhile()) {
        // A process that died while it was creating the lock leaves a file
        // that names no owner; nobody would ever count it as stale.
        QFile::remove(path_);
        held_ = lock_->tryLock(0);
    }
    if (held_) return Result::Acquired;
    const QString where = QDir::toNativeSeparators(path_);
    const QFileInfo info(path_);
    if (info.isDir()) {
        problem_ =
            QStringLiteral("a folder stands where the lock file %1 belongs; remove it").arg(where);
        return Result::Failed;
    }
    if (lock_->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString application;
        if (lock_->getLockInfo(&pid, &host, &application) && !host.isEmpty() &&
            host != QSysInfo::machineHostName()) {
            problem_ = QStringLiteral(
                           "the lock file %1 was made on another computer (%2); if Tesmark does "
                           "not run there, delete the file")
                           .arg(where, host);
            return Result::Failed;
        }
        return Result::Held;
    }
    problem_ = QStringLiteral(
                   "the lock file %1 cannot be created (%2); check that the folder "
                   "is writable")
                   .arg(where, lock_->error() == QLockFile::PermissionError
                                   ? QStringLiteral("permission denied")
                                   : QStringLiteral("unknown error"));
    return Result::Failed;
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
