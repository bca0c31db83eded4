#include "DataFolder.h"

#include "Errors.h"
#include "Texts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// The regular files of the folder root/relative, relative to root. Links are not followed, so
// nothing outside the folder is copied; a file where a folder is expected (/usr/bin/users of
// an installed program's folder) holds none.
QStringList FilesIn(const QDir& root, const QString& relative) {
    const QFileInfo info(root.filePath(relative));
    QStringList files;
    if (info.isSymLink() || !info.isDir())
        return files;
    QDirIterator it(info.filePath(), QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(root.relativeFilePath(it.next()));
    files.sort();
    return files;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SameFolder(const QString& a, const QString& b) {
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString DataFolder::DefaultPath(const QString& xdgDataHome, const QString& home) {
    const QString base = QDir::isAbsolutePath(xdgDataHome)
                             ? xdgDataHome
                             : QDir(home).filePath(QStringLiteral(".local/share"));
    return QDir::cleanPath(QDir(base).filePath(QStringLiteral("oxelium")));
}

QString DataFolder::FindDelivered(const QString& executableDir, const QString& installedRelative) {
    const QDir dir(executableDir);
    for (const QString& candidate :
         {installedRelative, QStringLiteral("share/oxelium"), QStringLiteral(".")}) {
        const QString path = QDir::cleanPath(dir.filePath(candidate));
        if (QFileInfo(QDir(path).filePath(QStringLiteral("lessons.ini"))).isFile())
            return path;
    }
    return {};
}

QString DataFolder::Prepare(const QString& path) {
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir())
        return T(Tx::DataDirNotCreated).arg(QDir::toNativeSeparators(path));
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".oxelium-XXXXXX")));
    if (!probe.open())
        return T(Tx::DataDirNotWritable).arg(QDir::toNativeSeparators(path));
    return {};
}

DataFolder::Choice DataFolder::Choose(const QString& givenDir, const QString& defaultDir,
                                      const QString& legacyDir, const QString& deliveredDir) {
    Choice choice;
    const bool given = !givenDir.isEmpty();
    choice.path = QDir::cleanPath(QDir(given ? givenDir : defaultDir).absolutePath());
    const bool created = !QFileInfo::exists(choice.path);
    choice.error = Prepare(choice.path);
    if (!choice.error.isEmpty() || given || !created || legacyDir.isEmpty() ||
        SameFolder(legacyDir, choice.path))
        return choice;
    try {
        choice.moved = CopyEarlierData(legacyDir, choice.path, deliveredDir);
    } catch (const OxelError& e) {
        // The next start finds no folder and tries again: a half copy is never taken for data.
        QDir(choice.path).removeRecursively();
        choice.error = T(Tx::DataMoveFailed)
                           .arg(QDir::toNativeSeparators(legacyDir),
                                QDir::toNativeSeparators(choice.path), e.text());
    }
    return choice;
}

QStringList DataFolder::CopyEarlierData(const QString& legacyDir, const QString& dataDir,
                                        const QString& deliveredDir) {
    const QDir from(legacyDir);
    const QDir to(dataDir);
    QStringList names;
    const QFileInfo settings(from.filePath(QStringLiteral("oxel.ini")));
    if (settings.isFile() && !settings.isSymLink())
        names.append(settings.fileName());
    names += FilesIn(from, QStringLiteral("users"));
    names += FilesIn(from, QStringLiteral("rec"));
    // A list the user edited differs from the delivered one; an unedited one stays behind, so
    // that an upgrade of the installation brings its new version.
    const QDir delivered(deliveredDir);
    const bool sameAsDelivered = !deliveredDir.isEmpty() && SameFolder(legacyDir, deliveredDir);
    for (const QString& list : FilesIn(from, QStringLiteral("dic")))
        if (!sameAsDelivered &&
            (deliveredDir.isEmpty() ||
             Bytes(from.filePath(list)) != Bytes(delivered.filePath(list))))
            names.append(list);
    for (const QString& name : names) {
        const QString target = to.filePath(name);
        if (!QDir().mkpath(QFileInfo(target).path()) ||
            !QFile::copy(from.filePath(name), target))
            throw OxelError(T(Tx::CannotCreateFile).arg(QDir::toNativeSeparators(target),
                                                          QString()));
    }
    return names;
}
