#include "FileLookup.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString delivered;

} // namespace

void FileLookup::SetDeliveredDir(const QString& dir) {
    delivered = dir;
}

QString FileLookup::DeliveredDir() {
    return delivered;
}

QString FileLookup::Find(const QString& dataDir, const QString& relative) {
    const QString own = QDir(dataDir).filePath(relative);
    if (delivered.isEmpty() || QFileInfo::exists(own))
        return own;
    return QDir(delivered).filePath(relative);
}
