#include "HistoryRows.h"

namespace HistoryRows {

namespace {

std::optional<int> OptionalInt(const QVariant& value) {
    return value.isNull() ? std::nullopt : std::optional<int>(value.toInt());
}

} // namespace

const QString RunColumns = QStringLiteral(
    "id, user, exercise, mode, kind, started, duration_ms, result, errors, completed, "
    "board_cols, board_rows");
const QString PressColumns =
    QStringLiteral("run, seq, t_ms, item, cell, correct, reaction_ms, stage");

HistoryRun RunOfRow(const QSqlQuery& q) {
    HistoryRun run;
    run.id = q.value(0).toLongLong();
    run.user = q.value(1).toString();
    run.exercise = q.value(2).toString();
    run.mode = q.value(3).toInt();
    run.kind = RunKindOfName(q.value(4).toString()).value_or(RunKind::Single);
    run.started = QDateTime::fromString(q.value(5).toString(), Qt::ISODate);
    run.durationMs = q.value(6).toLongLong();
    run.result = q.value(7).toString();
    run.errors = q.value(8).toInt();
    run.completed = q.value(9).toBool();
    run.boardCols = q.value(10).toInt();
    run.boardRows = q.value(11).toInt();
    return run;
}

QVariant Nullable(const std::optional<int>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Int));
}

HistoryPress PressOfRow(const QSqlQuery& q) {
    HistoryPress press;
    press.seq = q.value(1).toInt();
    press.tMs = q.value(2).toLongLong();
    press.item = q.value(3).toString();
    press.cell = q.value(4).toInt();
    press.correct = q.value(5).toBool();
    press.reactionMs = OptionalInt(q.value(6));
    press.stage = OptionalInt(q.value(7));
    return press;
}

QString FilterClause(const RunFilter& filter, const QString& alias, QVariantList& values) {
    QStringList terms;
    if (!filter.user.isEmpty()) {
        terms << alias + QStringLiteral("user = ?");
        values << filter.user;
    }
    if (!filter.exercise.isEmpty()) {
        terms << alias + QStringLiteral("exercise = ?");
        values << filter.exercise;
    }
    if (filter.mode) {
        terms << alias + QStringLiteral("mode = ?");
        values << *filter.mode;
    }
    return terms.isEmpty() ? QString() : QStringLiteral(" WHERE ") + terms.join(" AND ");
}

bool Exec(QSqlQuery& query, const QString& sql, const QVariantList& values) {
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

} // namespace HistoryRows
