#pragma once
// The single-instance lock "TesmarkInstance": a lock file in the user's
// runtime folder (the temp folder where there is none). A lock left by a
// process that died is taken over, so a crash never keeps the program from
// starting again.
#include <QLockFile>
#include <QString>
#include <memory>

namespace tesmark {

class InstanceLock {
  public:
    // The lock in the standard place.
    InstanceLock();
    // A lock at a path of the caller's choice.
    explicit InstanceLock(const QString& lockPath);
    ~InstanceLock();

    // True when this process now holds the lock; false when another running
    // process holds it. Never waits.
    bool tryAcquire();
    void release();
    bool held() const { return held_; }
    QString path() const { return path_; }

    static QString DefaultPath();

    // How long a lock file may name no owner before it counts as left by a
    // process that died while creating it.
    static constexpr qint64 kOwnerGraceMs = 2000;

  private:
    bool OwnerUnknownForAWhile() const;

    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

}  // namespace tesmark
