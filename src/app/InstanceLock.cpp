#include "InstanceLock.h"

#include "data/Dialogs.h"
#include "data/Texts.h"

#include <QDir>

InstanceLock::InstanceLock(const QString& programDir)
    : lock_(QDir(programDir).filePath(QString::fromLatin1(FileName))) {
    // A lock is stale only when its owner no longer runs, never because of its age: a copy
    // may run for days.
    lock_.setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::Acquire() {
    if (lock_.isLocked() || lock_.tryLock(0))
        return true;
    return lock_.error() != QLockFile::LockFailedError;
}

bool InstanceLock::CheckSingleInstance() {
    if (Acquire())
        return true;
    ShowMessage(T(Tx::AlreadyRunning), Dialogs::Kind::Warning);
    return false;
}

void InstanceLock::Release() {
    lock_.unlock();
}
