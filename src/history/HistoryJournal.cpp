#include "HistoryJournal.h"

#include <QFile>

#include <array>
#include <sys/vfs.h>

namespace HistoryJournal {

namespace {

// Magic numbers of statfs's f_type (linux/magic.h and the file systems' own sources).
constexpr std::array<long, 11> NetworkTypes = {
    0x6969,     // NFS
    0x517B,     // SMB
    0xFF534D42, // CIFS
    0xFE534D42, // SMB2
    0x65735546, // FUSE
    0x5346414F, // AFS
    0x6B414653, // kAFS
    0x73757245, // Coda
    0x01021997, // 9P (v9fs)
    0x00C36400, // Ceph
    0x0BD00BD0, // Lustre
};

} // namespace

long FileSystemType(const QString& folder) {
    struct statfs info {};
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return 0;
    return static_cast<long>(info.f_type);
}

bool IsNetwork(long fileSystemType) {
    for (const long type : NetworkTypes)
        if (type == fileSystemType)
            return true;
    return false;
}

QString ModeFor(long fileSystemType) {
    return IsNetwork(fileSystemType) ? QStringLiteral("DELETE") : QStringLiteral("WAL");
}

} // namespace HistoryJournal
