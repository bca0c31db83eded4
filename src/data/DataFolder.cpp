#include "DataFolder.h"

#include "DeliveredLists.h"
#include "Texts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

// What a move copies, relative to the earlier folder: folders to make and files to copy.
struct Tree {
    QStringList folders;
    QStringList files;
};

// The folder root/relative with everything below it, empty folders included. Links are not
// followed, so nothing outside the folder is taken; a file where a folder is expected (the
// users of an installed program's /usr/bin) holds nothing.
void AddTree(const QDir& root, const QString& relative, Tree& tree) {
    const QFileInfo info(root.filePath(relative));
    if (info.isSymLink() || !info.isDir())
        return;
    tree.folders.append(relative);
    QDirIterator it(info.filePath(),
                    QDir::AllDirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot |
                        QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        (it.fileInfo().isDir() ? tree.folders : tree.files).append(root.relativeFilePath(path));
    }
}

enum class Copied { Done, Unreadable, Failed };

// Copies one file into a new file. Unreadable when the source cannot be read whole; Failed
// when the copy cannot be written.
Copied CopyFile(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return Copied::Unreadable;
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Copied::Failed;
    for (;;) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty()) {
            if (in.error() == QFileDevice::NoError && in.atEnd())
                break;
            out.remove();
            return Copied::Unreadable;
        }
        if (out.write(chunk) != chunk.size())
            return Copied::Failed;
    }
    return out.flush() ? Copied::Done : Copied::Failed;
}

// Flushes the file system of the folder to disk, so that what a rename publishes is there
// after a power cut; then the folder's own entries.
void SyncFolder(const QString& path, bool wholeFileSystem) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    if (wholeFileSystem)
        ::syncfs(fd);
    else
        ::fsync(fd);
    ::close(fd);
}

QByteArray Bytes(const QString& path, bool& readable) {
    QFile file(path);
    readable = file.open(QIODevice::ReadOnly);
    return readable ? file.readAll() : QByteArray();
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

bool DataFolder::SameFolder(const QString& a, const QString& b) {
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

QString DataFolder::Create(const QString& path) {
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir())
        return T(Tx::DataDirNotCreated).arg(QDir::toNativeSeparators(path));
    return {};
}

QString DataFolder::CheckWritable(const QString& path) {
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".oxelium-XXXXXX")));
    if (!probe.open())
        return T(Tx::DataDirNotWritable).arg(QDir::toNativeSeparators(path));
    return {};
}

QString DataFolder::LockBesideName(const QString& dataDir) {
    return QLatin1Char('.') + QFileInfo(dataDir).fileName() + QStringLiteral(".lock");
}

QString DataFolder::MovingPath(const QString& dataDir) {
    const QFileInfo info(QDir::cleanPath(dataDir));
    return QDir(info.path())
        .filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".moving"));
}

DataFolder::Move DataFolder::MoveEarlierData(const QString& legacyDir, const QString& dataDir,
                                             const QString& deliveredDir) {
    const QDir from(legacyDir);
    Tree tree;
    const QFileInfo settings(from.filePath(QStringLiteral("oxel.ini")));
    if (settings.isFile() && !settings.isSymLink())
        tree.files.append(settings.fileName());
    AddTree(from, QStringLiteral("users"), tree);
    AddTree(from, QStringLiteral("rec"), tree);
    // A list the user never edited stays behind, so that the installation's newer version of
    // it is used; one the user edited is theirs.
    Tree lists;
    if (deliveredDir.isEmpty() || !SameFolder(legacyDir, deliveredDir))
        AddTree(from, QStringLiteral("dic"), lists);
    const DeliveredLists delivered(deliveredDir);

    Move move;
    const QString moving = MovingPath(dataDir);
    QDir(moving).removeRecursively();
    QDir to(moving);
    const auto fail = [&](const QString& target) {
        to.removeRecursively();
        move.error = T(Tx::CannotCreateFile).arg(QDir::toNativeSeparators(target), QString());
        move.moved.clear();
        move.unreadable.clear();
        return move;
    };
    if (!QDir().mkpath(moving))
        return fail(moving);
    for (const QString& folder : tree.folders) {
        if (!QDir(from.filePath(folder)).isReadable())
            move.unreadable.append(from.filePath(folder));
        if (!to.mkpath(folder))
            return fail(to.filePath(folder));
    }
    for (const QString& list : lists.files) {
        bool readable = false;
        const QByteArray bytes = Bytes(from.filePath(list), readable);
        if (!readable || !delivered.IsDelivered(list, bytes))
            tree.files.append(list);
    }
    for (const QString& file : tree.files) {
        if (!to.mkpath(QFileInfo(file).path()))
            return fail(to.filePath(file));
        switch (CopyFile(from.filePath(file), to.filePath(file))) {
        case Copied::Done:
            move.moved.append(file);
            break;
        case Copied::Unreadable:
            move.unreadable.append(from.filePath(file));
            break;
        case Copied::Failed:
            return fail(to.filePath(file));
        }
    }
    SyncFolder(moving, true);
    if (!QDir().rename(moving, dataDir))
        return fail(dataDir);
    SyncFolder(QFileInfo(dataDir).path(), false);
    return move;
}
