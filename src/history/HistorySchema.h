#pragma once

#include <QString>
#include <QStringList>
#include <span>

class QSqlDatabase;

// The tables of the history database and the steps that bring a file of an older version up
// to date. The file's version is PRAGMA user_version: 0 for a new file, then the version of
// the last step applied. Steps are only ever added at the end, never changed.
class HistorySchema {
public:
    struct Step {
        int version;
        QStringList statements;
    };

    // Every step, oldest first.
    static std::span<const Step> Steps();
    // The version of the last step: the newest file this program knows.
    static int LatestVersion();

    // Applies, in order, every step newer than the file's version `current`, each with its
    // version in one transaction. False with the reason when a step fails; the file then
    // keeps the version of the last step that succeeded.
    static bool Migrate(QSqlDatabase& db, int current, std::span<const Step> steps, QString& error);
};
