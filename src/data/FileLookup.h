#pragma once

#include <QString>

// Where a file the program reads is found. The program writes only into its data folder;
// the files delivered with the installation (word lists, help documents, lessons.ini) are
// read-only. A file is looked up in the data folder first, so a list the user edited wins,
// and an unedited one comes from the installation. Set once at start-up; with no delivered
// folder set, the data folder holds everything, as in the layout of earlier versions.
class FileLookup {
public:
    static void SetDeliveredDir(const QString& dir);
    static QString DeliveredDir();

    // dataDir/relative when that file exists, else the delivered file (which may be missing).
    static QString Find(const QString& dataDir, const QString& relative);
};
