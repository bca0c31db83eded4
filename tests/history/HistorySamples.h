#pragma once

#include "history/HistoryRecord.h"

#include <QSqlDatabase>
#include <QTimeZone>
#include <QSqlQuery>
#include <QVariant>

// Runs for the history tests, and a look into a database file apart from the library.
namespace samples {

// A run of `presses` presses: every third one wrong; targets runs carry reaction and stage.
inline HistoryRun Run(const QString& user, const QString& exercise, int mode, RunKind kind,
                      int presses, const QString& result = QStringLiteral("23.4")) {
    HistoryRun run;
    run.user = user;
    run.exercise = exercise;
    run.mode = mode;
    run.kind = kind;
    run.started = QDateTime(QDate(2026, 11, 28), QTime(19, 0, 10), QTimeZone(3600));
    run.durationMs = 23412;
    run.result = result;
    run.errors = presses / 3;
    run.completed = kind != RunKind::Ladder;
    run.boardCols = 5;
    run.boardRows = 5;
    const bool targets = exercise == QLatin1String("targets");
    for (int i = 1; i <= presses; ++i) {
        HistoryPress press;
        press.seq = i;
        press.tMs = i * 250 + i % 7;
        press.item = QString::number(i);
        press.cell = targets ? -1 : i % 25;
        press.correct = i % 3 != 0;
        if (targets) {
            press.reactionMs = 300 + i;
            press.stage = 1 + i / 10;
        }
        run.presses.append(press);
    }
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
