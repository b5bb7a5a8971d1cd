#pragma once
// The single-instance lock "TesmarkInstance": a lock file in the temp
// folder whose name carries the user's id, so two users never share one
// (the runtime folder is not asked for: asking warns when it is unset). A
// lock left by a process that died is taken over, so a crash never keeps
// the program from starting again.
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

    enum class Result {
        Acquired,  // this process now holds the lock
        Held,      // another running copy on this machine holds it
        Failed,    // the lock cannot be made or read: see problem()
    };

    // Never waits.
    Result acquire();
    // True when this process now holds the lock.
    bool tryAcquire() { return acquire() == Result::Acquired; }
    // After Failed: what went wrong and what to do, in English.
    QString problem() const { return problem_; }
    void release();
    bool held() const { return held_; }
    QString path() const { return path_; }

    static QString DefaultPath();
    // A name for this user's copy of the program (the lock file's and the
    // local socket's).
    static QString UserInstanceName();

    // How long a lock file may name no owner before it counts as left by a
    // process that died while creating it.
    static constexpr qint64 kOwnerGraceMs = 2000;

  private:
    bool OwnerUnknownForAWhile() const;

    QString path_;
    QString problem_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

}  // namespace tesmark
