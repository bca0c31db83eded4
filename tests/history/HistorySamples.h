#pragma once

#include "history/HistoryRecord.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

// Runs for the history tests, and a look into a database file apart from the library.
namespace samples {

// A run of `presses` presses: every third one wrong; targets runs carry reaction and stage.
inline HistoryRun Run(const QString& user, const QString& exercise, int mode, RunKind kind,
                      int presses, const QString& result = QStringLiteral("23.4")) {
    HistoryRun run{0,           user,
                   exercise,    mode,
                   kind,        QDateTime(QDate(2026, 11, 28), QTime(19, 0, 10), QTimeZone(3600)),
                   23412,       result,
                   presses / 3, kind != RunKind::Ladder,
                   5,           5,
                   {}};
    const bool targets = exercise == QLatin1String("targets");
    for (int i = 1; i <= presses; ++i)
        run.presses.append({i, i * 250 + i % 7, QString::number(i), targets ? -1 : i % 25,
                            i % 3 != 0, targets ? std::optional(300 + i) : std::nullopt,
                            targets ? std::optional(1 + i / 10) : std::nullopt});
    return run;
}

// The first value of a statement on its own connection to the file.
inline QVariant Query(const QString& path, const QString& sql) {
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(sql, db);
            if (query.next())
                value = query.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("raw");
    return value;
}

} // namespace samples
