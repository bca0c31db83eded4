#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of the program from running in the same program folder: the first
// copy holds a lock file there until it ends. The lock of a copy that crashed is taken over.
class InstanceLock {
public:
    static constexpr const char* FileName = "oxelium.lock";

    explicit InstanceLock(const QString& programDir);
    ~InstanceLock();

    // True when this copy may run: it now holds the lock, or the folder cannot hold a lock
    // file at all (the program's own file checks report that). False only when another
    // running copy holds the lock.
    bool Acquire();
    // Acquire, and when another copy runs, show "Oxelium уже запущенО!" and give false.
    bool CheckSingleInstance();
    void Release();

    bool Held() const { return lock_.isLocked(); }

private:
    QLockFile lock_;
};
