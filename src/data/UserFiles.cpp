#include "UserFiles.h"

#include "DataFile.h"
#include "Errors.h"
#include "Text1251.h"
#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

const QString Common = QStringLiteral("COMMON");
const QString DataSuffix = QStringLiteral(".dat");
const QString StatsSuffix = QStringLiteral("DB");

constexpr QDir::Filters AnyEntry =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

bool IsForbidden(QChar c) {
    static const QString forbidden = QStringLiteral("<>?*|\\/\":");
    return forbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F;
}

} // namespace

UserFiles::UserFiles(QString programDir) : programDir_(std::move(programDir)) {}

bool UserFiles::ValidUserName(const QString& name) {
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name)
        if (IsForbidden(c))
            return false;
    // Every stored copy of the name (tables, settings) is in Windows-1251.
    return Fits1251(name);
}

bool UserFiles::ValidPassword(const QString& password) {
    // A zero would end the stored string early.
    return !password.contains(QChar(0)) && Fits1251(password);
}

QString UserFiles::CutNewUserName(const QString& name) {
    return name.left(NewNameLength);
}

void UserFiles::DeleteDirTree(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        QFile::remove(path);
        return;
    }
    if (!info.isDir())
        return;
    const QFileInfoList entries = QDir(path).entryInfoList(AnyEntry);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            DeleteDirTree(entry.filePath());
        else
            QFile::remove(entry.filePath());
    }
    QDir().rmdir(path);
}

QString UserFiles::UsersDir() const {
    return QDir(programDir_).filePath(QStringLiteral("users"));
}

QString UserFiles::FindEntry(const QString& fileName) const {
    const QStringList entries = QDir(UsersDir()).entryList(AnyEntry, QDir::Name);
    if (entries.contains(fileName))
        return fileName;
    for (const QString& entry : entries)
        if (QString::compare(entry, fileName, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

QString UserFiles::DataFilePath(const QString& name) const {
    const QString entry = FindEntry(name + DataSuffix);
    return QDir(UsersDir()).filePath(entry.isEmpty() ? name + DataSuffix : entry);
}

QString UserFiles::StatsDirPath(const QString& name) const {
    const QString entry = FindEntry(name + StatsSuffix);
    return QDir(UsersDir()).filePath(entry.isEmpty() ? name + StatsSuffix : entry);
}

QStringList UserFiles::FindUsers() const {
    QStringList names;
    const QFileInfoList entries = QDir(UsersDir())
                                      .entryInfoList(QDir::Files | QDir::Hidden | QDir::System,
                                                     QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        const QString file = entry.fileName();
        if (file.size() <= DataSuffix.size() || !file.endsWith(DataSuffix, Qt::CaseInsensitive))
            continue;
        const QString name = file.chopped(DataSuffix.size());
        if (ValidUserName(name))
            names.append(name);
    }
    return names;
}

bool UserFiles::UserExists(const QString& name) const {
    return !name.isEmpty() && ValidUserName(name) && !FindEntry(name + DataSuffix).isEmpty();
}

QString UserFiles::StoredName(const QString& name) const {
    if (!UserExists(name))
        return name;
    return FindEntry(name + DataSuffix).chopped(DataSuffix.size());
}

QString UserFiles::ExistingDataFile(const QString& name) const {
    if (!UserExists(name)) {
        const QString shown = QDir(UsersDir()).filePath(name + DataSuffix);
        throw OxelError(T(Tx::CannotOpenFile).arg(shown, qt_error_string(ENOENT)));
    }
    return DataFilePath(name);
}

void UserFiles::CreateUser(const QString& name, const QString& password) const {
    if (name.isEmpty() || !ValidUserName(name))
        throw OxelError(T(Tx::BadUserName));
    if (!ValidPassword(password))
        throw OxelError(T(Tx::BadPassword));
    if (UserExists(name))
        throw OxelError(T(Tx::UserExists));
    {
        TDataFile file(DataFilePath(name));
        file.WriteString(Common, QStringLiteral("Password"), password);
    }
    QDir(UsersDir()).mkdir(name + StatsSuffix);
}

UserFiles::Record UserFiles::ReadUser(const QString& name) const {
    TDataFile file(ExistingDataFile(name));
    Record record;
    record.level = file.ReadInteger(Common, QStringLiteral("UprLevel"), 0);
    record.subLevel = file.ReadInteger(Common, QStringLiteral("UprSubLevel"), 0);
    record.password = file.ReadString(Common, QStringLiteral("Password"), QString());
    return record;
}

bool UserFiles::DeleteUser(const QString& name) const {
    if (name.isEmpty() || !ValidUserName(name))
        return false;
    bool deleted = false;
    const QString dataEntry = FindEntry(name + DataSuffix);
    if (!dataEntry.isEmpty()) {
        const QString path = QDir(UsersDir()).filePath(dataEntry);
        deleted = !QFileInfo(path).isDir() && QFile::remove(path);
    }
    const QString statsEntry = FindEntry(name + StatsSuffix);
    if (!statsEntry.isEmpty())
        DeleteDirTree(QDir(UsersDir()).filePath(statsEntry));
    return deleted;
}

void UserFiles::SaveSubLevel(const QString& name, int subLevel) const {
    TDataFile file(ExistingDataFile(name));
    file.WriteInteger(Common, QStringLiteral("UprSubLevel"), subLevel);
}

void UserFiles::SaveLadderPosition(const QString& name, int level, int subLevel) const {
    TDataFile file(ExistingDataFile(name));
    file.WriteInteger(Common, QStringLiteral("UprLevel"), level);
    file.WriteInteger(Common, QStringLiteral("UprSubLevel"), subLevel);
}
