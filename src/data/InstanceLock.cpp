#include "InstanceLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The lock file still names the file this descriptor holds: its last holder may have
// removed it between our open and our lock.
bool StillThere(int fd, const QByteArray& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

InstanceLock::InstanceLock(const QString& folder, const QString& fileName)
    : path_(QDir(folder).filePath(fileName)) {}

InstanceLock::~InstanceLock() {
    Release();
}

bool InstanceLock::Acquire() {
    if (fd_ >= 0)
        return true;
    const QByteArray path = QFile::encodeName(path_);
    for (;;) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return true;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return !held;
        }
        if (!StillThere(fd, path)) {
            ::close(fd);
            continue;
        }
        // Who holds it, for a person looking at the file: process id, program and machine.
        const QByteArray who = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                               QCoreApplication::applicationName().toUtf8() + '\n' +
                               QSysInfo::machineHostName().toUtf8() + '\n';
        const bool noted =
            ::ftruncate(fd, 0) == 0 && ::pwrite(fd, who.constData(), who.size(), 0) == who.size();
        Q_UNUSED(noted); // without its note the lock holds all the same
        fd_ = fd;
        return true;
    }
}

void InstanceLock::Release() {
    if (fd_ < 0)
        return;
    // Removed while still held, so that no other copy takes a lock on a file being removed.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
    fd_ = -1;
}
