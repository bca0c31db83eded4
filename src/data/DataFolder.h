#pragma once

#include <QString>
#include <QStringList>

// The data folder: where the program writes (oxel.ini, users/, rec/, tmp, the lock, the lists
// the user edits), laid out as the program folder of earlier versions; the delivered files
// stay apart (see FileLookup). FolderStart takes it at start-up, before any window.
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
        QString path;           // the data folder, absolute
        QString error;          // why it cannot be used; empty when it can
        bool running = false;   // another copy of the program holds it: nothing was changed
        QStringList moved;      // what this start copied in from an earlier version's folder
        QStringList unreadable; // files of that folder that could not be read, left there
    };

    // Creates the folder, and nothing in it, when missing; the reason when it cannot be.
    static QString Create(const QString& path);
    // The reason when no file can be written in the folder; empty when one can.
    static QString CheckWritable(const QString& path);

    // Beside the data folder: the lock that guards its first start, and the folder a move
    // fills before it is renamed into place (".oxelium.lock", ".oxelium.moving").
    static QString LockBesideName(const QString& dataDir);
    static QString MovingPath(const QString& dataDir);

    struct Move {
        QStringList moved;      // files and folders copied, relative to the folders
        QStringList unreadable; // files that could not be read, by their full path
        QString error;          // why nothing was moved; empty when the move was made
    };

    // Moves in what an earlier version kept in legacyDir: users/ and rec/ as they are, empty
    // folders included, oxel.ini, and the lists of dic/ that are not a version we delivered.
    // dataDir must not exist: everything is copied into MovingPath(dataDir) (a leftover of
    // an interrupted move is removed first), synced to disk and renamed into place, so that
    // the data folder is whole or absent after a kill or a power cut. A file that cannot be
    // read is left out and named; any other failure creates nothing and says why. Links are
    // never followed, so nothing outside legacyDir is copied; the earlier files stay.
    static Move MoveEarlierData(const QString& legacyDir, const QString& dataDir,
                                const QString& deliveredDir);

    static bool SameFolder(const QString& a, const QString& b);
};
