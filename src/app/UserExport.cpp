#include "UserExport.h"

#include "data/Dialogs.h"
#include "data/ExerciseInfo.h"
#include "data/Texts.h"
#include "history/HistoryExport.h"
#include "progress/DaysCsv.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

void ExportUserData(const QString& dataDir, const QString& user,
                    const std::optional<StatsLabel>& label) {
    const QString suggested = QDir::home().filePath(user + QStringLiteral(".csv"));
    const QString base = AppDialogs().SaveFileName(T(Tx::ExportCaption), suggested);
    if (base.isEmpty())
        return;
    RunFilter filter{user, {}, {}};
    if (label) {
        filter.exercise = QString::fromLatin1(Exercise(label->exercise).statsBase);
        filter.mode = label->mode;
    }
    ExportReport report = ExportUser(dataDir, filter, base);
    const ExportReport days = DaysCsv::ExportUser(dataDir, filter, base);
    report.written << days.written;
    report.problems << days.problems;
    if (!report.problems.isEmpty())
        ShowError(report.problems.join(QLatin1Char('\n')));
    if (!report.written.isEmpty()) {
        QStringList shown;
        for (const QString& file : report.written)
            shown.append(QDir::toNativeSeparators(file));
        ShowMessage(T(Tx::ExportWritten).arg(shown.join(QLatin1Char('\n'))));
    }
}

int ExportDataFolder(const QString& dataDir, const QString& outDir, QTextStream& err) {
    const int runs = ExportFolder(dataDir, outDir, err);
    // Without the data folder or the output folder nothing was written, and that was said.
    if (!QFileInfo(dataDir).isDir() || !QFileInfo(outDir).isDir())
        return runs;
    return std::max(runs, DaysCsv::ExportFolder(dataDir, outDir, err));
}
