#pragma once

#include "Texts.h"

#include <QString>
#include <QStringList>
#include <array>

// The best-result tables under rec/, file side: two enciphered line files per exercise (an
// ordinary and a series one), ten rows per mode, modes one after another. Every read
// deciphers the table into the scratch file tmp and loads it; every change writes tmp and
// enciphers it back into the table.
class RecordTables {
public:
    explicit RecordTables(QString programDir);

    static constexpr int RowCount = 10;
    // An empty result line ranks as this time, so any real time enters over it.
    static constexpr double EmptyTime = 9999;

    // One row as the results panel shows it; only Targets rows have a hint (the detail text).
    struct Row {
        QString name;
        QString result;
        QString hint;
        QString date;
        bool operator==(const Row&) const = default;
    };
    using Table = std::array<Row, RowCount>;

    QString TablePath(int exerciseIndex, bool series) const;
    QString ScratchPath() const;

    // A fresh table of the kind (exercise number 1..ExerciseCount) in the ordinary or the
    // series set; other kinds write nothing.
    void NewRecordFile(int kind) const;
    void NewSeriesRecordFile(int kind) const;

    // The start-up check: creates users/, looks for the help documents and the three word
    // lists of the language, creates rec/ and every missing table (existing ones are never
    // read). Returns the missing files, relative to the program folder; the caller tells
    // the user.
    QStringList CheckDataFiles(int language = Language()) const;

    // The ten rows of the mode's table; a short file reads as empty rows. A missing table
    // throws OxelError naming it.
    Table Load(int exerciseIndex, int mode, bool series) const;

    // Checks a result against the mode's table and enters it when it ranks: a time in
    // seconds ranks above the first row whose time is larger, a score (points) above the
    // first row whose score is smaller. The row gets the user's name, the result (a time in
    // general format, a score as a whole number), for Targets the detail text, and today's
    // date; the row pushed out of tenth place is dropped and the other modes' tables keep
    // their lines. Returns the row entered (1..10) or 0 when the result does not rank
    // (nothing written). A time that is not a finite number, a score that is not a whole
    // number of 32 bits, or a row that is not a number throws the conversion error; nothing
    // is written.
    int CheckAndInsert(int exerciseIndex, int mode, bool series, double result, const QString& user,
                       const QString& detail = QString()) const;

private:
    void NewFile(int kind, bool series) const;
    QStringList ReadTable(const QString& path) const;
    void WriteTable(const QString& path, const QStringList& lines) const;

    QString programDir_;
};
