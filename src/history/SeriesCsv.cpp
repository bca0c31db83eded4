#include "SeriesCsv.h"

#include "CsvWriter.h"
#include "data/Errors.h"
#include "data/ExerciseInfo.h"
#include "data/FileCipher.h"
#include "data/NumberFormat.h"
#include "data/StatsStore.h"
#include "data/Text1251.h"
#include "data/Texts.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Writes the record's row; false when it cannot be read (missing or extra results, a
// result that is not a number, a date that is not one the program writes).
bool WriteRecord(CsvWriter& csv, const QString& user, const ExerciseInfo& exercise, int mode,
                 const StatsStore::Record& record) {
    const std::optional<QDateTime> finished = ParseDateTime(record.dateTime);
    if (!finished || !record.complete || record.results.size() != StatsStore::RunsPerSeries)
        return false;
    double average = 0;
    try {
        average = StatsStore::Average(record.Values());
    } catch (const OxelError&) {
        return false;
    }
    csv.Text(user).Text(QLatin1String(exercise.statsBase)).Number(mode);
    csv.Text(exercise.modeName(mode)).Text(StartedText(*finished));
    for (const QString& result : record.results)
        csv.Text(result.trimmed());
    csv.Decimal(average).EndRow();
    return true;
}

} // namespace

void SeriesCsv::Header(CsvWriter& csv) {
    csv.Row({"user", "exercise", "mode", "mode_name", "finished", "result1", "result2", "result3",
             "result4", "result5", "average"});
}

QStringList SeriesCsv::AppendUser(CsvWriter& csv, const QString& dataDir, const QString& user,
                                  const RunFilter& filter) {
    QStringList problems;
    const StatsStore store(dataDir);
    for (int index = 0; index < ExerciseCount; ++index) {
        const ExerciseInfo& exercise = Exercise(index);
        if (!filter.exercise.isEmpty() && filter.exercise != QLatin1String(exercise.statsBase))
            continue;
        for (const int mode : exercise.modes) {
            if (filter.mode && *filter.mode != mode)
                continue;
            const QString path = store.FilePath(user, index, mode);
            if (!QFileInfo::exists(path))
                continue;
            QList<StatsStore::Record> records;
            try {
                records = StatsStore::ParseRecords(ReadLines(DecryptBytes(LoadFileBytes(path))));
            } catch (const OxelError& error) {
                problems << error.text();
                continue;
            }
            int unread = 0;
            for (auto r = records.crbegin(); r != records.crend(); ++r)
                unread += !WriteRecord(csv, user, exercise, mode, *r);
            if (unread > 0)
                problems
                    << T(Tx::ExportStatsDamaged).arg(QDir::toNativeSeparators(path)).arg(unread);
        }
    }
    return problems;
}
