#pragma once

#include <QString>
#include <QStringList>

// The data folder: where the program writes (oxel.ini, users/, rec/, tmp, the lock, the lists
// the user edits), laid out as the program folder of earlier versions. Chosen and set up once
// at start-up, before any window; the delivered files stay apart (see FileLookup).
class DataFolder {
public:
    // $XDG_DATA_HOME/oxelium, or ~/.local/share/oxelium when that variable is unset, empty or
    // not an absolute path.
    static QString DefaultPath(const QString& xdgDataHome, const QString& home);

    // The delivered files, found from the executable's folder without an absolute path compiled
    // in: installedRelative from it (<prefix>/bin -> ../share/oxelium), share/oxelium beside
    // the executable (the build folder), or the executable's own folder (the layout of earlier
    // versions). Empty when none holds them.
    static QString FindDelivered(const QString& executableDir, const QString& installedRelative);

    struct Choice {
        QString path;      // the data folder, absolute
        QString error;     // why it cannot be used; empty when it can
        QStringList moved; // files copied from an earlier version's folder by this start
    };

    // The folder given with --dir is used as it is, created when missing. Without one, the
    // default folder; the start that creates it copies in the data an earlier version left
    // beside the executable (legacyDir), leaving those files where they are.
    static Choice Choose(const QString& givenDir, const QString& defaultDir,
                         const QString& legacyDir, const QString& deliveredDir);

    // What an earlier version kept beside the executable: users/, rec/, oxel.ini, and the
    // lists of dic/ that differ from the delivered ones. Copied into dataDir; returns the names
    // copied, relative to the folders. Throws OxelError when a copy fails.
    static QStringList CopyEarlierData(const QString& legacyDir, const QString& dataDir,
                                       const QString& deliveredDir);

private:
    // Creates the folder when missing; the reason when no file can be written in it.
    static QString Prepare(const QString& path);
};
