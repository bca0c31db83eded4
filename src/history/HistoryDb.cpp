#include "HistoryDb.h"

#include "HistoryJournal.h"
#include "HistoryRows.h"
#include "HistorySchema.h"
#include "data/Clock.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>

namespace {

constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

// True for the errors that say the file itself is broken, not that it is busy or locked.
bool IsDamage(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xFF; // the primary code
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

QString NewConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("history-%1").arg(++counter);
}

// The dated name a damaged file is kept under; a name already taken gets a counter.
QString AsideName(const QString& path) {
    const QString stamp = LocalMoment(ProgramClock().NowMs()).toString("yyyyMMdd-HHmmss");
    const QString base = path + QStringLiteral(".damaged-") + stamp;
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

} // namespace

using namespace HistoryRows;

HistoryDb::HistoryDb(const QString& dataDir, Access access)
    : path_(QDir(dataDir).filePath(QLatin1String(FileName))), connection_(NewConnectionName()),
      access_(access) {
    open_ = Open();
}

HistoryDb::~HistoryDb() {
    Close();
    QSqlDatabase::removeDatabase(connection_);
}

bool HistoryDb::IsOpen() const {
    return open_;
}

bool HistoryDb::IsReadOnly() const {
    return open_ && readOnly_;
}

QString HistoryDb::Problem() const {
    return problem_;
}

QString HistoryDb::Path() const {
    return path_;
}

QSqlDatabase HistoryDb::Db() const {
    return QSqlDatabase::database(connection_, false);
}

void HistoryDb::Fail(const QString& reason) const {
    problem_ = T(Tx::HistoryUnavailable).arg(QDir::toNativeSeparators(path_), reason);
}

bool HistoryDb::OpenConnection(Mode mode) {
    QSqlDatabase db = QSqlDatabase::contains(connection_)
                          ? Db()
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db.isValid()) {
        Fail(db.lastError().text());
        return false;
    }
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
    if (mode != Mode::Write)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    if (mode == Mode::Unchanging) {
        options += QStringLiteral(";QSQLITE_OPEN_URI");
        db.setDatabaseName(QUrl::fromLocalFile(path_).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?immutable=1"));
    } else {
        db.setDatabaseName(path_);
    }
    db.setConnectOptions(options);
    if (!db.open()) {
        Fail(db.lastError().text());
        return false;
    }
    return true;
}

void HistoryDb::Close() {
    QSqlDatabase db = Db();
    if (db.isValid())
        db.close();
    open_ = false;
}

HistoryDb::Health HistoryDb::Inspect(QString& reason) {
    QSqlDatabase db = Db();
    QSqlQuery query(db);
    const auto failed = [&](const QSqlError& error) {
        reason = error.text();
        return IsDamage(error) ? Health::Damaged : Health::Failed;
    };
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed(query.lastError());
    const int version = query.value(0).toInt();
    if (version > HistorySchema::LatestVersion()) {
        reason = QString::number(version);
        return Health::Newer;
    }
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
        return failed(query.lastError());
    const QString verdict = query.value(0).toString();
    if (verdict != QLatin1String("ok")) {
        reason = T(Tx::HistoryCheckFailed).arg(verdict);
        return Health::Damaged;
    }
    return Health::Good;
}

// The journal mode and the schema: done once per open, for writing only.
bool HistoryDb::Prepare() {
    QSqlDatabase db = Db();
    QSqlQuery query(db);
    // NORMAL in WAL mode: a commit survives a killed program; only a power cut may lose
    // the last runs, never the file.
    const QString journal =
        HistoryJournal::ModeFor(HistoryJournal::FileSystemType(QFileInfo(path_).path()));
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = ") + journal) ||
        !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        Fail(query.lastError().text());
        return false;
    }
    QString error;
    if (!HistorySchema::Migrate(db, query.value(0).toInt(), HistorySchema::Steps(), error)) {
        Fail(error);
        return false;
    }
    return true;
}

bool HistoryDb::Open() {
    const bool reading = access_ == Access::ReadOnly;
    if (!QFileInfo::exists(path_))
        return !reading && OpenForWriting();
    // Looked at read-only first: a connection that cannot write never folds a -wal into
    // a damaged file or deletes it, so a file set aside keeps what it had.
    if (!OpenConnection(Mode::Read))
        return false;
    QString reason;
    Health health = Inspect(reason);
    if (health == Health::Failed && reading && !QFileInfo(QFileInfo(path_).path()).isWritable()) {
        Close();
        if (!OpenConnection(Mode::Unchanging))
            return false;
        health = Inspect(reason);
    }
    switch (health) {
    case Health::Good:
        if (reading) {
            readOnly_ = true;
            return true;
        }
        Close();
        return OpenForWriting();
    case Health::Newer:
        // Written by a newer version of the program, which owns it: read what this one
        // understands, write nothing.
        readOnly_ = true;
        if (!reading)
            problem_ = T(Tx::HistoryNewerReadOnly).arg(QDir::toNativeSeparators(path_), reason);
        return true;
    case Health::Damaged:
        if (!reading)
            return SetAside(reason) && OpenForWriting();
        break;
    case Health::Failed:
        break;
    }
    Fail(reason);
    Close();
    return false;
}

bool HistoryDb::OpenForWriting() {
    if (!OpenConnection(Mode::Write))
        return false;
    if (!Prepare()) {
        Close();
        return false;
    }
    return true;
}

bool HistoryDb::SetAside(const QString& reason) {
    Close();
    const QString aside = AsideName(path_);
    if (!QFile::rename(path_, aside)) {
        Fail(reason);
        return false;
    }
    for (const QLatin1String suffix : {QLatin1String("-wal"), QLatin1String("-shm")})
        if (QFileInfo::exists(path_ + suffix))
            QFile::rename(path_ + suffix, aside + suffix);
    problem_ = T(Tx::HistoryKeptAside)
                   .arg(QDir::toNativeSeparators(path_), reason, QFileInfo(aside).fileName());
    return true;
}

std::optional<QSqlError> HistoryDb::Store(HistoryRun& run) {
    QSqlDatabase db = Db();
    if (!db.transaction())
        return db.lastError();
    const auto failed = [&](const QSqlError& error) {
        db.rollback();
        return error;
    };
    QSqlQuery query(db);
    if (!Exec(query,
              QStringLiteral("INSERT INTO runs (user, exercise, mode, kind, started, "
                             "duration_ms, result, errors, completed, board_cols, board_rows) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {run.user, run.exercise, run.mode, RunKindName(run.kind), StartedText(run.started),
               run.durationMs, run.result, run.errors, run.completed ? 1 : 0, run.boardCols,
               run.boardRows}))
        return failed(query.lastError());
    const qint64 id = query.lastInsertId().toLongLong();

    QSqlQuery press(db);
    if (!press.prepare(QStringLiteral("INSERT INTO presses (") + PressColumns +
                       QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?)")))
        return failed(press.lastError());
    for (const HistoryPress& p : run.presses) {
        press.bindValue(0, id);
        press.bindValue(1, p.seq);
        press.bindValue(2, p.tMs);
        press.bindValue(3, p.item);
        press.bindValue(4, p.cell);
        press.bindValue(5, p.correct ? 1 : 0);
        press.bindValue(6, Nullable(p.reactionMs));
        press.bindValue(7, Nullable(p.stage));
        if (!press.exec())
            return failed(press.lastError());
    }
    if (!db.commit())
        return failed(db.lastError());
    run.id = id;
    return std::nullopt;
}

bool HistoryDb::Append(HistoryRun& run) {
    if (!open_)
        return false;
    if (readOnly_) {
        problem_ = T(Tx::HistoryNotWritten).arg(QDir::toNativeSeparators(path_));
        return false;
    }
    std::optional<QSqlError> error = Store(run);
    if (error && IsDamage(*error) && access_ == Access::ReadWrite) {
        // Damage found only now: the run goes into a new file rather than being lost.
        open_ = SetAside(error->text()) && OpenForWriting();
        if (!open_)
            return false;
        error = Store(run);
    }
    if (error) {
        Fail(error->text());
        return false;
    }
    return true;
}

QVector<HistoryRun> HistoryDb::Runs(const QString& user, const QString& exercise, int mode) const {
    QVector<HistoryRun> runs;
    if (!open_)
        return runs;
    QVariantList values;
    const QString where = FilterClause({user, exercise, mode}, QString(), values);
    QSqlQuery query(Db());
    if (!Exec(query,
              QStringLiteral("SELECT ") + RunColumns + QStringLiteral(" FROM runs") + where +
                  QStringLiteral(" ORDER BY id"),
              values)) {
        Fail(query.lastError().text());
        return runs;
    }
    while (query.next())
        runs.append(RunOfRow(query));
    return runs;
}

std::optional<HistoryRun> HistoryDb::Run(qint64 id) const {
    if (!open_)
        return std::nullopt;
    QSqlQuery query(Db());
    if (!Exec(query,
              QStringLiteral("SELECT ") + RunColumns + QStringLiteral(" FROM runs WHERE id = ?"),
              {id})) {
        Fail(query.lastError().text());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    HistoryRun run = RunOfRow(query);
    if (!Exec(query,
              QStringLiteral("SELECT ") + PressColumns +
                  QStringLiteral(" FROM presses WHERE run = ? ORDER BY seq"),
              {id})) {
        Fail(query.lastError().text());
        return std::nullopt;
    }
    while (query.next())
        run.presses.append(PressOfRow(query));
    return run;
}

bool HistoryDb::Scan(const RunFilter& filter, const RunVisitor& onRun,
                     const PressVisitor& onPress) const {
    if (!open_)
        return false;
    QSqlDatabase db = Db();
    // One read transaction: a run written meanwhile by the program is seen whole or not at all.
    if (!db.transaction()) {
        Fail(db.lastError().text());
        return false;
    }
    QVariantList values;
    QSqlQuery query(db);
    bool ok = Exec(query,
                   QStringLiteral("SELECT ") + RunColumns + QStringLiteral(" FROM runs") +
                       FilterClause(filter, QString(), values) + QStringLiteral(" ORDER BY id"),
                   values);
    while (ok && query.next())
        onRun(RunOfRow(query));
    ok = ok && query.lastError().type() == QSqlError::NoError;
    if (ok) {
        values.clear();
        const QString where = FilterClause(filter, QStringLiteral("r."), values);
        const QString sql =
            where.isEmpty()
                ? QStringLiteral("SELECT ") + PressColumns +
                      QStringLiteral(" FROM presses ORDER BY run, seq")
                : QStringLiteral("SELECT p.run, p.seq, p.t_ms, p.item, p.cell, p.correct, "
                                 "p.reaction_ms, p.stage FROM presses p JOIN runs r ON "
                                 "r.id = p.run") +
                      where + QStringLiteral(" ORDER BY p.run, p.seq");
        ok = Exec(query, sql, values);
        while (ok && query.next())
            onPress(query.value(0).toLongLong(), PressOfRow(query));
        ok = ok && query.lastError().type() == QSqlError::NoError;
    }
    if (!ok)
        Fail(query.lastError().text());
    query.finish();
    db.commit();
    return ok;
}

bool HistoryDb::DeleteUser(const QString& user) {
    if (!open_)
        return false;
    if (readOnly_) {
        problem_ = T(Tx::HistoryNotWritten).arg(QDir::toNativeSeparators(path_));
        return false;
    }
    QSqlDatabase db = Db();
    if (!db.transaction()) {
        Fail(db.lastError().text());
        return false;
    }
    QSqlQuery query(db);
    // Names that differ only in letter case are one user, Cyrillic included, which SQLite's
    // own comparison does not fold.
    QStringList names;
    bool ok = Exec(query, QStringLiteral("SELECT DISTINCT user FROM runs"), {});
    while (ok && query.next())
        if (const QString name = query.value(0).toString();
            name.toCaseFolded() == user.toCaseFolded())
            names << name;
    ok = ok && query.lastError().type() == QSqlError::NoError;
    for (const QString& name : names)
        ok = ok &&
             Exec(query,
                  QStringLiteral("DELETE FROM presses WHERE run IN "
                                 "(SELECT id FROM runs WHERE user = ?)"),
                  {name}) &&
             Exec(query, QStringLiteral("DELETE FROM runs WHERE user = ?"), {name});
    if (!ok || !db.commit()) {
        Fail((ok ? db.lastError() : query.lastError()).text());
        db.rollback();
        return false;
    }
    return true;
}

QString HistoryDb::DeleteUserRuns(const QString& dataDir, const QString& user) {
    if (!QFileInfo::exists(QDir(dataDir).filePath(QLatin1String(FileName))))
        return {};
    HistoryDb db(dataDir);
    if (!db.IsOpen() || !db.DeleteUser(user))
        return db.Problem();
    return {};
}

bool HistoryDb::Select(const QString& sql, const QVariantList& values,
                       const RowVisitor& onRow) const {
    if (!open_)
        return false;
    QSqlQuery query(Db());
    bool ok = Exec(query, sql, values);
    while (ok && query.next())
        onRow(query);
    ok = ok && query.lastError().type() == QSqlError::NoError;
    if (!ok)
        Fail(query.lastError().text());
    return ok;
}
