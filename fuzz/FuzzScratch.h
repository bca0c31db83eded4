#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// The scratch folder of one fuzz run, in memory when the machine has /dev/shm: every store
// and table save is synced to disk, which would make the runs crawl. `subfolder` is created
// inside it; the path is empty when the folder could not be prepared.
inline QString FuzzScratchDir(const QString& subfolder = QString()) {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/oxel-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/oxel-fuzz-XXXXXX"));
    if (!dir.isValid() || (!subfolder.isEmpty() && !QDir(dir.path()).mkpath(subfolder)))
        return {};
    return dir.path();
}
