#pragma once

#include <QString>
#include <QStringList>

// The files of the users of one installation: users/<name>.dat (password and ladder
// position in a TDataFile) and the statistics folder users/<name>DB. Names that differ only
// in letter case are one user: every lookup finds the stored file whatever case is typed.
class UserFiles {
public:
    explicit UserFiles(QString programDir);

    // What a user's data file holds.
    struct Record {
        int level = 0;    // UprLevel
        int subLevel = 0; // UprSubLevel
        QString password;
    };

    static constexpr int NewNameLength = 18;     // a new name is cut to this length
    static constexpr int CurrentNameLength = 32; // the signed-in name is cut to this length

    // True when the name can be a user's file name: none of < > ? * | \ / " : and no
    // control characters, and neither "." nor "..". The empty name is not refused here.
    static bool ValidUserName(const QString& name);
    // True when the password is stored exactly, so that typing it again matches: every
    // character must be one Windows-1251 holds.
    static bool ValidPassword(const QString& password);
    // The first 18 characters of a typed new name.
    static QString CutNewUserName(const QString& name);
    // Removes a folder with everything in it; a symbolic link is removed as a link and never
    // followed. Failures on single entries are ignored.
    static void DeleteDirTree(const QString& path);

    QString UsersDir() const;
    // The data file and statistics folder of a user: the stored entry when one matches
    // the name ignoring case, else the path the name itself gives.
    QString DataFilePath(const QString& name) const;
    QString StatsDirPath(const QString& name) const;

    // The names of users/*.dat (extension matched ignoring case), in name order.
    QStringList FindUsers() const;
    bool UserExists(const QString& name) const;
    // The stored spelling of a user's name, or the name itself when no user matches.
    QString StoredName(const QString& name) const;

    // Creates the data file holding only COMMON/Password, then the statistics folder
    // (whose failure is ignored). An invalid or empty name or an invalid password throws
    // OxelError; so does a data file that cannot be created.
    void CreateUser(const QString& name, const QString& password) const;
    // Reads the data file of an existing user; a missing one throws OxelError (no file is
    // created for it).
    Record ReadUser(const QString& name) const;
    // Deletes the data file, then the statistics folder in any case. True when the data
    // file was deleted.
    bool DeleteUser(const QString& name) const;
    // The ladder position: after a passed step only UprSubLevel, after a completed lesson
    // both. A missing data file throws OxelError.
    void SaveSubLevel(const QString& name, int subLevel) const;
    void SaveLadderPosition(const QString& name, int level, int subLevel) const;

private:
    // The entry of the users folder whose name equals `fileName` ignoring case (an exact
    // match preferred), or empty.
    QString FindEntry(const QString& fileName) const;
    QString ExistingDataFile(const QString& name) const;

    QString programDir_;
};
