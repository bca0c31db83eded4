#include "HistoryExport.h"

#include "CsvWriter.h"
#include "RunsCsv.h"
#include "SeriesCsv.h"
#include "data/Texts.h"
#include "data/UserFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

void WriteExportFile(const QString& path, const QByteArray& bytes, ExportReport& report) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        report.written << path;
        return;
    }
    report.problems
        << T(Tx::CannotWriteFile).arg(QDir::toNativeSeparators(path), file.errorString());
}

namespace {

// Series, runs and presses of the users named, into the three paths in that order.
ExportReport Export(const QString& dataDir, const RunFilter& filter, const QStringList& users,
                    const QStringList& paths) {
    ExportReport report;
    QByteArray series, runs, presses;
    CsvWriter seriesCsv(series), runsCsv(runs), pressesCsv(presses);
    SeriesCsv::Header(seriesCsv);
    RunsCsv::RunsHeader(runsCsv);
    RunsCsv::PressesHeader(pressesCsv);
    for (const QString& user : users)
        report.problems << SeriesCsv::AppendUser(seriesCsv, dataDir, user, filter);
    const HistoryDb db(dataDir, HistoryDb::Access::ReadOnly);
    if (db.IsOpen())
        RunsCsv::Append(db, filter, users, runsCsv, pressesCsv);
    if (!db.Problem().isEmpty())
        report.problems << db.Problem();
    WriteExportFile(paths[0], series, report);
    WriteExportFile(paths[1], runs, report);
    WriteExportFile(paths[2], presses, report);
    return report;
}

} // namespace

QStringList ExportFileNames(const QString& basePath) {
    QString base = basePath;
    if (base.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        base.chop(4);
    return {base + QStringLiteral("-series.csv"), base + QStringLiteral("-runs.csv"),
            base + QStringLiteral("-presses.csv")};
}

int ExportFolder(const QString& dataDir, const QString& outDir, QTextStream& err) {
    if (!QFileInfo(dataDir).isDir()) {
        err << T(Tx::ExportNoDataFolder).arg(QDir::toNativeSeparators(dataDir)) << Qt::endl;
        return 1;
    }
    if (!QDir().mkpath(outDir)) {
        err << T(Tx::ExportNoFolder).arg(QDir::toNativeSeparators(outDir)) << Qt::endl;
        return 1;
    }
    const QDir out(outDir);
    const ExportReport report = Export(dataDir, RunFilter(), UserFiles(dataDir).FindUsers(),
                                       {out.filePath(QStringLiteral("series.csv")),
                                        out.filePath(QStringLiteral("runs.csv")),
                                        out.filePath(QStringLiteral("presses.csv"))});
    for (const QString& problem : report.problems)
        err << problem << Qt::endl;
    return report.problems.isEmpty() ? 0 : 1;
}

ExportReport ExportUser(const QString& dataDir, const RunFilter& filter, const QString& basePath) {
    return Export(dataDir, filter, {filter.user}, ExportFileNames(basePath));
}
