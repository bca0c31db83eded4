#include "FileBytes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

QByteArray ReferenceCipher(const QByteArray& in, bool enciphering) {
    QByteArray out(in.size(), '\0');
    quint32 k = 24089;
    for (int i = 0; i < in.size(); ++i) {
        const quint8 c = static_cast<quint8>(in[i]);
        const quint8 o = c ^ static_cast<quint8>(k >> 8);
        out[i] = static_cast<char>(o);
        k = (((k + (enciphering ? o : c)) & 0xFFFF) * 38219 + 27431) & 0xFFFF;
    }
    return out;
}

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

QMap<QString, QByteArray> FolderBytes(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), ReadBytes(path));
    }
    return files;
}
