#pragma once

#include "HistoryDb.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

// The rows of the history tables as records, and the statements that select them.
namespace HistoryRows {

extern const QString RunColumns;   // of runs, in the order RunOfRow reads them
extern const QString PressColumns; // of presses, in the order PressOfRow reads them

HistoryRun RunOfRow(const QSqlQuery& q);
HistoryPress PressOfRow(const QSqlQuery& q);
// A value to bind for a column that may be NULL.
QVariant Nullable(const std::optional<int>& value);
// " WHERE ..." over the runs table under the given alias ("" or "r."), and the values to
// bind in order; empty for a filter that selects everything.
QString FilterClause(const RunFilter& filter, const QString& alias, QVariantList& values);
// Prepares the statement forward-only, binds the values and runs it.
bool Exec(QSqlQuery& query, const QString& sql, const QVariantList& values);

} // namespace HistoryRows
