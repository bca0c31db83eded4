#include "HistorySchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const HistorySchema::Step Steps[] = {
    {1,
     {QStringLiteral("CREATE TABLE runs ("
                     " id INTEGER PRIMARY KEY,"
                     " user TEXT NOT NULL,"
                     " exercise TEXT NOT NULL,"
                     " mode INTEGER NOT NULL,"
                     " kind TEXT NOT NULL CHECK (kind IN ('single', 'series', 'ladder')),"
                     " started TEXT NOT NULL,"
                     " duration_ms INTEGER NOT NULL,"
                     " result TEXT NOT NULL,"
                     " errors INTEGER NOT NULL,"
                     " completed INTEGER NOT NULL,"
                     " board_cols INTEGER NOT NULL,"
                     " board_rows INTEGER NOT NULL)"),
      QStringLiteral("CREATE TABLE presses ("
                     " run INTEGER NOT NULL REFERENCES runs (id),"
                     " seq INTEGER NOT NULL,"
                     " t_ms INTEGER NOT NULL,"
                     " item TEXT NOT NULL,"
                     " cell INTEGER NOT NULL,"
                     " correct INTEGER NOT NULL,"
                     " reaction_ms INTEGER,"
                     " stage INTEGER,"
                     " PRIMARY KEY (run, seq)) WITHOUT ROWID"),
      QStringLiteral("CREATE INDEX runs_by_exercise ON runs (user, exercise, mode)")}},
};

} // namespace

std::span<const HistorySchema::Step> HistorySchema::Steps() {
    return ::Steps;
}

int HistorySchema::LatestVersion() {
    return Steps().back().version;
}

bool HistorySchema::Migrate(QSqlDatabase& db, int current, std::span<const Step> steps,
                            QString& error) {
    for (const Step& step : steps) {
        if (step.version <= current)
            continue;
        if (!db.transaction()) {
            error = db.lastError().text();
            return false;
        }
        QSqlQuery query(db);
        QStringList statements = step.statements;
        statements << QStringLiteral("PRAGMA user_version = %1").arg(step.version);
        for (const QString& statement : statements) {
            if (!query.exec(statement)) {
                error = query.lastError().text();
                db.rollback();
                return false;
            }
        }
        if (!db.commit()) {
            error = db.lastError().text();
            db.rollback();
            return false;
        }
    }
    return true;
}
