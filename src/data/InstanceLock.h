#pragma once

#include <QString>

// Keeps a second copy of the program from running in the same data folder: the first copy
// holds an advisory lock (flock) on a lock file there until it ends. The system lets go of
// the lock of a copy that ended in any way, crash and kill included, so a lock is never
// stale: a lock file nobody holds is simply taken, whatever it contains.
class InstanceLock {
public:
    static constexpr const char* FileName = "oxelium.lock";

    // The lock file `fileName` in the folder.
    explicit InstanceLock(const QString& folder, const QString& fileName = FileName);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this copy may run: it now holds the lock, or the folder cannot hold a lock
    // file at all (the program's own file checks report that). False only when another
    // running copy holds the lock.
    bool Acquire();
    // Removes the lock file and lets go of the lock.
    void Release();

    bool Held() const { return fd_ >= 0; }

private:
    QString path_;
    int fd_ = -1;
};
