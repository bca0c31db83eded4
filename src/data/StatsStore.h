#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The series history of each user, exercise and mode: users/<user>DB/<base><mode>.db, an
// enciphered line file of two-line records, newest first (the date and time the series
// ended, then its five results joined by "/"). Read and written through the scratch file tmp.
class StatsStore {
public:
    explicit StatsStore(QString programDir);

    static constexpr int RunsPerSeries = 5;
    static constexpr int ResultLength = 32; // a result is cut to this length

    // One series as read back; a damaged file gives whatever its lines hold.
    struct Record {
        QString dateTime;
        QStringList results;  // the results line split at "/"
        bool complete = true; // false when the file ends before the results line

        // The five results as numbers; a missing field or one that is not a number throws
        // the conversion error.
        std::array<double, RunsPerSeries> Values() const;
    };

    // The average of a series' five results, rounded as the statistics keep it.
    static double Average(const std::array<double, RunsPerSeries>& values);
    // The records of a file's plain lines, newest first.
    static QList<Record> ParseRecords(const QStringList& lines);

    // "shulte5.db": the exercise's statistics base name and the mode in decimal.
    static QString FileName(int exerciseIndex, int mode);
    QString FilePath(const QString& user, int exerciseIndex, int mode) const;
    bool Exists(const QString& user, int exerciseIndex, int mode) const;

    // Adds one series at the top of the file (creating it); every byte of the older
    // content stays below it unchanged, even in a damaged file. Exactly five results are
    // expected (std::invalid_argument otherwise). A missing statistics folder throws
    // OxelError naming the file; nothing is written then.
    void Append(const QString& user, int exerciseIndex, int mode, const QDateTime& finished,
                const QStringList& results) const;
    // The records, newest first; a missing file has none.
    QList<Record> ReadRecords(const QString& user, int exerciseIndex, int mode) const;

private:
    QString ScratchPath() const;

    QString programDir_;
};
