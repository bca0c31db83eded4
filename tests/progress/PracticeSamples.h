#pragma once

#include "history/HistoryRecord.h"

#include <QTimeZone>

// Runs for the progress tests.
namespace practice {

// "2026-03-29T23:30" as the local time of the test's time zone.
inline QDateTime Local(const QString& text) {
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm"));
}

inline HistoryRun Run(qint64 id, const QString& exercise, int mode, const QDateTime& started,
                      const QString& result, bool completed = true, qint64 ms = 20 * 60000,
                      const QString& user = QStringLiteral("Anna")) {
    return {id, user, exercise, mode, RunKind::Single, started, ms, result, 0, completed};
}

} // namespace practice
