#include "PracticeLoader.h"

#include "data/ExerciseInfo.h"
#include "data/NumberFormat.h"
#include "history/HistoryRows.h"

#include <QSqlQuery>
#include <algorithm>

namespace {

// "+user" keeps SQLite from the index: reading the whole table in order is quicker than
// fetching most of it through the index.
const QString DaysSql = QStringLiteral(
    "SELECT substr(started, 1, 10), SUM(duration_ms), COUNT(*), SUM(completed) FROM runs "
    "WHERE +user = ? AND id <= ? GROUP BY 1");
// One pass for every exercise: the best is the least of the results, negated where higher is
// better (the exercises named in the list). Through the index, whose order puts the earliest
// run first among equal results, so the best's day is the day it was first reached. The result
// texts the program writes are numbers; the patterns leave out anything else.
const QString BestsSql = QStringLiteral(
    "SELECT exercise, mode, MIN(CASE WHEN exercise IN (%1) THEN -CAST(result AS REAL) "
    "ELSE CAST(result AS REAL) END), result, substr(started, 1, 10) FROM runs "
    "WHERE user = ? AND id <= ? AND completed = 1 AND result GLOB '*[0-9]*' "
    "AND NOT result GLOB '*[^0-9.eE+-]*' GROUP BY exercise, mode");
const QString RecentSql =
    QStringLiteral("SELECT exercise, mode, substr(started, 1, 10), result, completed FROM runs "
                   "WHERE +user = ? AND id <= ? AND started >= ? ORDER BY id");

QDate DayOf(const QSqlQuery& q, int column) {
    return QDate::fromString(q.value(column).toString(), Qt::ISODate);
}

DayTotal TotalOf(const QSqlQuery& q, int column) {
    return {q.value(column).toLongLong(), q.value(column + 1).toInt(), q.value(column + 2).toInt()};
}

PersonalBests ReadBests(const HistoryDb& db, const QString& user, qint64 lastId) {
    QVariantList values;
    QStringList marks(QStringLiteral("''")); // no exercise has an empty name: never an empty list
    for (int i = 0; i < ExerciseCount; ++i) {
        const QString exercise = QLatin1String(Exercise(i).statsBase);
        if (PracticeKind::BetterOf(exercise) == Better::Higher) {
            values << exercise;
            marks << QStringLiteral("?");
        }
    }
    values << user << lastId;
    PersonalBests bests;
    db.Select(BestsSql.arg(marks.join(QStringLiteral(", "))), values, [&](const QSqlQuery& q) {
        const PracticeKey key{q.value(0).toString(), q.value(1).toInt()};
        const std::optional<Better> better = PracticeKind::BetterOf(key.exercise);
        const double least = q.value(2).toDouble();
        if (better)
            bests.Set(key, {better == Better::Higher ? -least : least, q.value(3).toString(),
                            DayOf(q, 4)});
    });
    return bests;
}

} // namespace

PracticeSummary PracticeLoader::Load(const HistoryDb& db, const QString& user,
                                     const QDate& recentFrom, qint64 before) {
    qint64 lastId = std::max<qint64>(0, before - 1);
    if (before <= 0)
        db.Select(QStringLiteral("SELECT MAX(id) FROM runs"), {},
                  [&](const QSqlQuery& q) { lastId = q.value(0).toLongLong(); });
    PracticeDays days;
    db.Select(DaysSql, {user, lastId},
              [&](const QSqlQuery& q) { days.Add(DayOf(q, 0), TotalOf(q, 1)); });
    QVector<PracticeRun> recent;
    db.Select(RecentSql, {user, lastId, recentFrom.toString(Qt::ISODate)}, [&](const QSqlQuery& q) {
        recent.append({{q.value(0).toString(), q.value(1).toInt()},
                       DayOf(q, 2),
                       TryParseResult(q.value(3).toString()),
                       q.value(4).toBool()});
    });
    return PracticeSummary(user, std::move(days), ReadBests(db, user, lastId), std::move(recent),
                           recentFrom, lastId);
}

QMap<QString, PracticeDays> PracticeLoader::Days(const HistoryDb& db, const RunFilter& filter) {
    QVariantList values;
    const QString where = HistoryRows::FilterClause(filter, QString(), values);
    QMap<QString, PracticeDays> days;
    db.Select(QStringLiteral("SELECT user, substr(started, 1, 10), SUM(duration_ms), COUNT(*), "
                             "SUM(completed) FROM runs") +
                  where + QStringLiteral(" GROUP BY 1, 2"),
              values, [&](const QSqlQuery& q) {
                  days[q.value(0).toString()].Add(DayOf(q, 1), TotalOf(q, 2));
              });
    return days;
}
