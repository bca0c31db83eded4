#pragma once

#include "HistoryRecord.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <optional>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

// Which runs a scan visits: every run, or those of one user, of one exercise, of one mode.
struct RunFilter {
    QString user;            // empty: every user
    QString exercise;        // empty: every exercise
    std::optional<int> mode; // nothing: every mode
};

// The history of every run and its presses: <data folder>/history.sqlite, an SQLite file
// in WAL mode (the rollback journal on a network file system, see HistoryJournal) whose
// schema version is PRAGMA user_version. A run is stored in one transaction, so a run cut
// off by a kill is either whole or absent. Nothing here throws: a failure leaves the database
// closed or the run unstored, and Problem() says why. A damaged file (not a database, or
// failing its quick check) is moved aside under a dated name, with its -wal and -shm, and a
// new one started. A file of a newer version than this program knows is not damaged: it is
// read as far as this program understands it and never written, moved or changed.
class HistoryDb {
public:
    // ReadOnly neither creates, changes nor moves the file: a missing file is simply not
    // open (with no problem), a damaged one is reported. A file on read-only media is read
    // as it is.
    enum class Access { ReadWrite, ReadOnly };

    static constexpr const char* FileName = "history.sqlite";

    explicit HistoryDb(const QString& dataDir, Access access = Access::ReadWrite);
    ~HistoryDb();
    HistoryDb(const HistoryDb&) = delete;
    HistoryDb& operator=(const HistoryDb&) = delete;

    bool IsOpen() const;
    // Open, but never written: opened with Access::ReadOnly, or a newer version's file.
    bool IsReadOnly() const;
    QString Problem() const; // empty when all is well
    QString Path() const;

    // Stores a run and its presses in one transaction; sets run.id. False on failure
    // (Problem() says why). A file found damaged here is set aside and the run stored in a
    // new one.
    bool Append(HistoryRun& run);
    // The runs of one user, exercise (statistics base name) and mode, oldest first,
    // without presses.
    QVector<HistoryRun> Runs(const QString& user, const QString& exercise, int mode) const;
    // One run with its presses.
    std::optional<HistoryRun> Run(qint64 id) const;

    using RunVisitor = std::function<void(const HistoryRun&)>;
    using PressVisitor = std::function<void(qint64 run, const HistoryPress&)>;
    // Visits the runs the filter selects, oldest first and without presses, then their
    // presses by run and sequence, all from one snapshot. False when reading failed.
    bool Scan(const RunFilter& filter, const RunVisitor& onRun, const PressVisitor& onPress) const;

    // Deletes every run of the user (the name in any letter case) with its presses, in one
    // transaction. False on failure, or when the file is read-only (Problem() says why).
    bool DeleteUser(const QString& user);
    // The same on the history of a data folder, which is not created for it: the problem
    // that kept the runs from being deleted, or the empty text.
    static QString DeleteUserRuns(const QString& dataDir, const QString& user);

    using RowVisitor = std::function<void(const QSqlQuery&)>;
    // Runs one reading statement with the values bound in order and visits its rows: for
    // summaries grouped by the database, which the readers above would take run by run.
    // False when reading failed (Problem() says why).
    bool Select(const QString& sql, const QVariantList& values, const RowVisitor& onRow) const;

private:
    enum class Health { Good, Newer, Damaged, Failed };
    // How a connection opens the file: for writing, for reading, or as a file that cannot
    // change (on read-only media, where SQLite cannot make its shared-memory file).
    enum class Mode { Write, Read, Unchanging };

    QSqlDatabase Db() const;
    bool Open();
    bool OpenForWriting();
    bool OpenConnection(Mode mode);
    void Close();
    Health Inspect(QString& reason);
    bool Prepare();
    bool SetAside(const QString& reason);
    std::optional<QSqlError> Store(HistoryRun& run);
    void Fail(const QString& reason) const;

    QString path_;
    QString connection_;
    Access access_;
    bool open_ = false;
    bool readOnly_ = false;
    mutable QString problem_;
};
