#include "RecordTables.h"

#include "Clock.h"
#include "Dictionaries.h"
#include "Errors.h"
#include "ExerciseInfo.h"
#include "FileCipher.h"
#include "FileLookup.h"
#include "NumberFormat.h"
#include "Text1251.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <limits>

namespace {

// Lenient reading: a line past the end is empty.
QString LineAt(const QStringList& lines, int index) {
    return index < lines.size() ? lines.at(index) : QString();
}

// A field never breaks the row layout.
QString OneLine(QString text) {
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n' || c == QChar(0))
            c = u' ';
    return text;
}

int TableStart(const ExerciseInfo& e, int mode) {
    return e.tableLines() * e.modePosition(mode);
}

// The first row (1..10) the result ranks above, or 0.
int RankTime(const QStringList& lines, const ExerciseInfo& e, int start, double time) {
    for (int r = 1; r <= RecordTables::RowCount; ++r) {
        const QString text = LineAt(lines, start + e.rowLines * (r - 1) + 1);
        const double row = text.isEmpty() ? RecordTables::EmptyTime : ParseResult(text);
        if (time < row)
            return r;
    }
    return 0;
}

// A result as the table's line keeps it; one that no line could hold throws as the reading
// of such a line would.
QString EntryText(ResultKind kind, double result) {
    if (kind == ResultKind::Score) {
        if (result != std::trunc(result) || result < std::numeric_limits<qint32>::min() ||
            result > std::numeric_limits<qint32>::max())
            throw OxelError(T(Tx::NotAnInteger).arg(FormatGeneral(result)));
        return QString::number(qint32(result));
    }
    if (!std::isfinite(result))
        throw OxelError(T(Tx::NotAFloat).arg(FormatGeneral(result)));
    return FormatGeneral(result);
}

int RankScore(const QStringList& lines, const ExerciseInfo& e, int start, qint32 score) {
    for (int r = 1; r <= RecordTables::RowCount; ++r) {
        const QString text = LineAt(lines, start + e.rowLines * (r - 1) + 1);
        const qint32 row = text.isEmpty() ? 0 : ParseInteger(text);
        if (score > row)
            return r;
    }
    return 0;
}

} // namespace

RecordTables::RecordTables(QString programDir) : programDir_(std::move(programDir)) {}

QString RecordTables::TablePath(int exerciseIndex, bool series) const {
    const QString name = QLatin1String(Exercise(exerciseIndex).recordFile);
    return QDir(programDir_).filePath(QStringLiteral("rec/") + (series ? "s" + name : name));
}

QString RecordTables::ScratchPath() const {
    return QDir(programDir_).filePath(QStringLiteral("tmp"));
}

QStringList RecordTables::ReadTable(const QString& path) const {
    DecryptFile(path, ScratchPath());
    return LoadLinesFile(ScratchPath());
}

void RecordTables::WriteTable(const QString& path, const QStringList& lines) const {
    SaveLinesFile(ScratchPath(), lines);
    EncryptFile(ScratchPath(), path);
}

void RecordTables::NewFile(int kind, bool series) const {
    if (kind < 1 || kind > ExerciseCount)
        return;
    const ExerciseInfo& e = Exercise(kind - 1);
    WriteTable(TablePath(e.index, series), QStringList(e.recordLines, QString()));
}

void RecordTables::NewRecordFile(int kind) const {
    NewFile(kind, false);
}

void RecordTables::NewSeriesRecordFile(int kind) const {
    NewFile(kind, true);
}

QStringList RecordTables::CheckDataFiles(int language) const {
    const QDir dir(programDir_);
    if (!dir.exists(QStringLiteral("users")))
        dir.mkdir(QStringLiteral("users"));

    QStringList required;
    const QString prefix = language == 1 ? QStringLiteral("hlp/e") : QStringLiteral("hlp/");
    for (int i = 0; i < ExerciseCount; ++i)
        if (Exercise(i).helpChecked)
            required.append(prefix + QLatin1String(Exercise(i).helpName) + ".rtf");
    required.append({Dictionaries::WordListName(language), Dictionaries::HeadingListName(language),
                     Dictionaries::NumberListName(language)});
    QStringList missing;
    for (const QString& file : required)
        if (!QFileInfo::exists(FileLookup::Find(programDir_, file)))
            missing.append(file);

    if (!dir.exists(QStringLiteral("rec")))
        dir.mkdir(QStringLiteral("rec"));
    for (const bool series : {false, true})
        for (int kind = 1; kind <= ExerciseCount; ++kind)
            if (!QFileInfo::exists(TablePath(kind - 1, series)))
                NewFile(kind, series);
    return missing;
}

RecordTables::Table RecordTables::Load(int exerciseIndex, int mode, bool series) const {
    const ExerciseInfo& e = Exercise(exerciseIndex);
    const QStringList lines = ReadTable(TablePath(exerciseIndex, series));
    const int start = TableStart(e, mode);
    Table table;
    for (int r = 0; r < RowCount; ++r) {
        const int b = start + e.rowLines * r;
        table[r].name = LineAt(lines, b);
        table[r].result = LineAt(lines, b + 1);
        if (e.rowLines == 4)
            table[r].hint = LineAt(lines, b + 2);
        table[r].date = LineAt(lines, b + e.rowLines - 1);
    }
    return table;
}

int RecordTables::CheckAndInsert(int exerciseIndex, int mode, bool series, double result,
                                 const QString& user, const QString& detail) const {
    const ExerciseInfo& e = Exercise(exerciseIndex);
    const bool score = e.result == ResultKind::Score;
    // The current result is checked before the table is read, so a bad one touches no file.
    const QString text = EntryText(e.result, result);

    const QString path = TablePath(exerciseIndex, series);
    QStringList lines = ReadTable(path);
    const int start = TableStart(e, mode);
    const int row =
        score ? RankScore(lines, e, start, qint32(result)) : RankTime(lines, e, start, result);
    if (row == 0)
        return 0;

    QStringList entry = {OneLine(user), text};
    if (e.rowLines == 4)
        entry.append(OneLine(detail));
    entry.append(FormatDate(LocalMoment(ProgramClock().NowMs()).date()));

    // A short file is filled up to the end of this mode's table before the row goes in.
    const int end = start + e.tableLines();
    while (lines.size() < end)
        lines.append(QString());
    const int at = start + e.rowLines * (row - 1);
    for (int i = 0; i < entry.size(); ++i)
        lines.insert(at + i, entry.at(i));
    for (int i = 0; i < e.rowLines; ++i)
        lines.removeAt(end);
    WriteTable(path, lines);
    return row;
}
