#include "DeliveredLists.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

DeliveredLists::DeliveredLists(const QString& deliveredDir) : deliveredDir_(deliveredDir) {
    if (deliveredDir.isEmpty())
        return;
    // Lines that are not "<64 hex digits>  <name>" are skipped: a damaged file only makes
    // more lists count as the user's own, which keeps them.
    for (const QByteArray& line : Bytes(QDir(deliveredDir).filePath(FileName)).split('\n')) {
        const QByteArray sum = line.left(64).toLower();
        const QByteArray name = line.mid(64).trimmed();
        if (sum.size() == 64 && QByteArray::fromHex(sum).toHex() == sum && line.mid(64, 1) == " " &&
            !name.isEmpty())
            known_.insert(QString::fromUtf8(name), sum);
    }
}

bool DeliveredLists::IsDelivered(const QString& relative, const QByteArray& bytes) const {
    if (deliveredDir_.isEmpty())
        return false;
    const QString today = QDir(deliveredDir_).filePath(relative);
    if (QFileInfo(today).isFile() && Bytes(today) == bytes)
        return true;
    return known_.contains(QFileInfo(relative).fileName(), Checksum(bytes));
}

QByteArray DeliveredLists::Checksum(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}
