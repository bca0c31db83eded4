#include "DaysCsv.h"

#include "PracticeLoader.h"

#include "data/UserFiles.h"
#include "history/CsvWriter.h"

#include <QDir>
#include <QTextStream>

namespace {

// The day rows of the users named, written under their stored names; runs of users that are
// gone are left out, as the runs export leaves them out. A history that cannot be read gives
// no rows: the runs export of the same folder names its problem.
ExportReport Export(const QString& dataDir, const RunFilter& filter, const QStringList& users,
                    const QString& path) {
    QMap<QString, PracticeDays> byUser;
    const HistoryDb db(dataDir, HistoryDb::Access::ReadOnly);
    const QMap<QString, PracticeDays> stored = PracticeLoader::Days(db, filter);
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        for (const QString& user : users) {
            if (user.compare(it.key(), Qt::CaseInsensitive) != 0)
                continue;
            for (auto day = it->All().cbegin(); day != it->All().cend(); ++day)
                byUser[user].Add(day.key(), *day);
            break;
        }
    }
    QByteArray bytes;
    CsvWriter csv(bytes);
    DaysCsv::Header(csv);
    for (auto it = byUser.cbegin(); it != byUser.cend(); ++it)
        DaysCsv::Append(csv, it.key(), *it);
    ExportReport report;
    WriteExportFile(path, bytes, report);
    return report;
}

} // namespace

void DaysCsv::Header(CsvWriter& csv) {
    csv.Row({"user", "date", "minutes", "runs", "completed_runs"});
}

void DaysCsv::Append(CsvWriter& csv, const QString& user, const PracticeDays& days) {
    for (auto it = days.All().cbegin(); it != days.All().cend(); ++it) {
        csv.Text(user).Text(it.key().toString(Qt::ISODate)).Decimal(it->ms / 60000.0);
        csv.Number(it->runs).Number(it->completed).EndRow();
    }
}

QString DaysCsv::FileName(const QString& basePath) {
    QString base = basePath;
    if (base.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QStringLiteral("-days.csv");
}

ExportReport DaysCsv::ExportUser(const QString& dataDir, const RunFilter& filter,
                                 const QString& basePath) {
    return Export(dataDir, filter, {filter.user}, FileName(basePath));
}

int DaysCsv::ExportFolder(const QString& dataDir, const QString& outDir, QTextStream& err) {
    const ExportReport report = Export(dataDir, RunFilter(), UserFiles(dataDir).FindUsers(),
                                       QDir(outDir).filePath(QStringLiteral("days.csv")));
    for (const QString& problem : report.problems)
        err << problem << Qt::endl;
    return report.problems.isEmpty() ? 0 : 1;
}
