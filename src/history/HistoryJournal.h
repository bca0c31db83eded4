#pragma once

#include <QString>

// The journal SQLite keeps beside the history file. WAL lets the program write while another
// connection (the statistics window, an export) reads, but needs shared memory between the
// connections, which network file systems do not give; there the rollback journal is used.
namespace HistoryJournal {

// The type of the file system holding the folder, as statfs gives it; 0 when unknown.
long FileSystemType(const QString& folder);

// True for NFS, SMB/CIFS, other network file systems and FUSE mounts (sshfs and the like).
bool IsNetwork(long fileSystemType);

// "WAL" on a local file system, "DELETE" (the rollback journal) on a network one.
QString ModeFor(long fileSystemType);

} // namespace HistoryJournal
