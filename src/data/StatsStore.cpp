#include "StatsStore.h"

#include "ExerciseInfo.h"
#include "FileCipher.h"
#include "NumberFormat.h"
#include "Text1251.h"
#include "UserFiles.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace {

// A result never breaks the record layout: no line breaks, no field separator.
QString StoredResult(const QString& result) {
    QString text = result.left(StatsStore::ResultLength);
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n' || c == u'/' || c == QChar(0))
            c = u' ';
    return text;
}

} // namespace

StatsStore::StatsStore(QString programDir) : programDir_(std::move(programDir)) {}

std::array<double, StatsStore::RunsPerSeries> StatsStore::Record::Values() const {
    std::array<double, RunsPerSeries> values{};
    for (int i = 0; i < RunsPerSeries; ++i)
        values[i] = ParseResult(results.value(i));
    return values;
}

double StatsStore::Average(const std::array<double, RunsPerSeries>& values) {
    double sum = 0;
    for (double v : values)
        sum += v;
    return RoundAverage(sum / RunsPerSeries);
}

QString StatsStore::FileName(int exerciseIndex, int mode) {
    return QLatin1String(Exercise(exerciseIndex).statsBase) + QString::number(mode) +
           QStringLiteral(".db");
}

QString StatsStore::FilePath(const QString& user, int exerciseIndex, int mode) const {
    return QDir(UserFiles(programDir_).StatsDirPath(user)).filePath(FileName(exerciseIndex, mode));
}

bool StatsStore::Exists(const QString& user, int exerciseIndex, int mode) const {
    return QFileInfo(FilePath(user, exerciseIndex, mode)).isFile();
}

QString StatsStore::ScratchPath() const {
    return QDir(programDir_).filePath(QStringLiteral("tmp"));
}

void StatsStore::Append(const QString& user, int exerciseIndex, int mode, const QDateTime& finished,
                        const QStringList& results) const {
    if (results.size() != RunsPerSeries)
        throw std::invalid_argument("a series has five results");
    QStringList stored;
    for (const QString& result : results)
        stored.append(StoredResult(result));

    const QString path = FilePath(user, exerciseIndex, mode);
    // The older content is kept as bytes, not as lines: a damaged file may hold a zero byte
    // or odd line ends, and nothing below the new record may be lost or changed.
    QByteArray older;
    if (QFileInfo::exists(path)) {
        DecryptFile(path, ScratchPath());
        older = LoadFileBytes(ScratchPath());
    }
    const QStringList record = {FormatDateTime(finished), stored.join(QLatin1Char('/'))};
    SaveFileBytes(ScratchPath(), WriteLines(record) + older);
    EncryptFile(ScratchPath(), path);
}

QList<StatsStore::Record> StatsStore::ReadRecords(const QString& user, int exerciseIndex,
                                                  int mode) const {
    const QString path = FilePath(user, exerciseIndex, mode);
    if (!QFileInfo::exists(path))
        return {};
    DecryptFile(path, ScratchPath());
    return ParseRecords(LoadLinesFile(ScratchPath()));
}

QList<StatsStore::Record> StatsStore::ParseRecords(const QStringList& lines) {
    QList<Record> records;
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        Record record;
        record.dateTime = lines.at(i);
        record.complete = i + 1 < lines.size();
        if (record.complete)
            record.results = lines.at(i + 1).split(QLatin1Char('/'));
        records.append(record);
    }
    return records;
}
