#include "RunsCsv.h"

#include "CsvWriter.h"
#include "data/ExerciseInfo.h"

#include <QSet>

QString RunsCsv::ModeName(const QString& exercise, int mode) {
    const ExerciseInfo* info = ExerciseOfStatsBase(exercise);
    return info && info->hasMode(mode) ? info->modeName(mode) : QString();
}

void RunsCsv::RunsHeader(CsvWriter& csv) {
    csv.Row({"run", "user", "exercise", "mode", "mode_name", "kind", "started", "duration_ms",
             "result", "errors", "completed"});
}

void RunsCsv::PressesHeader(CsvWriter& csv) {
    csv.Row({"run", "seq", "t_ms", "item", "correct", "reaction_ms", "stage"});
}

void RunsCsv::Append(const HistoryDb& db, const RunFilter& filter, const QStringList& users,
                     CsvWriter& runs, CsvWriter& presses) {
    QSet<QString> names;
    for (const QString& user : users)
        names.insert(user.toCaseFolded());
    QSet<qint64> written;
    db.Scan(
        filter,
        [&](const HistoryRun& run) {
            if (!names.contains(run.user.toCaseFolded()))
                return;
            written.insert(run.id);
            runs.Number(run.id).Text(run.user).Text(run.exercise).Number(run.mode);
            runs.Text(ModeName(run.exercise, run.mode));
            runs.Text(RunKindName(run.kind)).Text(StartedText(run.started));
            runs.Number(run.durationMs).Text(run.result).Number(run.errors);
            runs.Number(run.completed ? 1 : 0).EndRow();
        },
        [&](qint64 run, const HistoryPress& press) {
            if (!written.contains(run))
                return;
            presses.Number(run).Number(press.seq).Number(press.tMs).Text(press.item);
            presses.Number(press.correct ? 1 : 0).Optional(press.reactionMs);
            presses.Optional(press.stage).EndRow();
        });
}
