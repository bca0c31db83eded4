#include "UserExport.h"

#include "data/Dialogs.h"
#include "data/ExerciseInfo.h"
#include "data/Texts.h"
#include "history/HistoryExport.h"

#include <QDir>

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
    const ExportReport report = ExportUser(dataDir, filter, base);
    if (!report.problems.isEmpty())
        ShowError(report.problems.join(QLatin1Char('\n')));
    if (!report.written.isEmpty()) {
        QStringList shown;
        for (const QString& file : report.written)
            shown.append(QDir::toNativeSeparators(file));
        ShowMessage(T(Tx::ExportWritten).arg(shown.join(QLatin1Char('\n'))));
    }
}
