#include "RunHistory.h"

#include "history/HistoryDb.h"

namespace {

RunHistory::Source& Installed() {
    static RunHistory::Source source;
    return source;
}

} // namespace

void RunHistory::Install(Source source) {
    Installed() = std::move(source);
}

QVector<HistoryRun> RunHistory::Runs(const QString& user, const QString& exercise, int mode) {
    return Installed() ? Installed()(user, exercise, mode) : QVector<HistoryRun>();
}

RunHistory::Source RunHistory::FromDataFolder(const QString& dataDir) {
    return [dataDir](const QString& user, const QString& exercise, int mode) {
        const HistoryDb db(dataDir, HistoryDb::Access::ReadOnly);
        return db.IsOpen() ? db.Runs(user, exercise, mode) : QVector<HistoryRun>();
    };
}
