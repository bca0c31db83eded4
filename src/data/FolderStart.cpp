#include "FolderStart.h"

#include "Dialogs.h"
#include "Texts.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

FolderStart::FolderStart(QString givenDir, QString defaultDir, QString legacyDir,
                         QString deliveredDir)
    : givenDir_(std::move(givenDir)), defaultDir_(std::move(defaultDir)),
      legacyDir_(std::move(legacyDir)), deliveredDir_(std::move(deliveredDir)) {}

FolderStart::~FolderStart() = default;

DataFolder::Choice FolderStart::Open() {
    DataFolder::Choice choice;
    const bool given = !givenDir_.isEmpty();
    choice.path = QDir::cleanPath(QDir(given ? givenDir_ : defaultDir_).absolutePath());
    std::optional<InstanceLock> beside;
    if (!given) {
        const QString parent = QFileInfo(choice.path).path();
        QDir().mkpath(parent);
        beside.emplace(parent, DataFolder::LockBesideName(choice.path));
        if (!beside->Acquire()) {
            choice.running = true;
            return choice;
        }
        MoveOrCreate(choice);
    } else {
        choice.error = DataFolder::Create(choice.path);
    }
    if (!choice.error.isEmpty())
        return choice;
    lock_ = std::make_unique<InstanceLock>(choice.path);
    if (!lock_->Acquire()) {
        lock_.reset();
        choice.running = true;
        return choice;
    }
    choice.error = DataFolder::CheckWritable(choice.path);
    return choice;
}

void FolderStart::MoveOrCreate(DataFolder::Choice& choice) const {
    const QString moving = DataFolder::MovingPath(choice.path);
    if (QFileInfo::exists(choice.path)) {
        QDir(moving).removeRecursively();
        return;
    }
    if (legacyDir_.isEmpty()) {
        choice.error = DataFolder::Create(choice.path);
        return;
    }
    const DataFolder::Move move =
        DataFolder::MoveEarlierData(legacyDir_, choice.path, deliveredDir_);
    choice.moved = move.moved;
    choice.unreadable = move.unreadable;
    if (!move.error.isEmpty())
        choice.error = T(Tx::DataMoveFailed)
                           .arg(QDir::toNativeSeparators(legacyDir_),
                                QDir::toNativeSeparators(choice.path), move.error);
}

QString FolderStart::MovedText(const DataFolder::Choice& choice) const {
    QString text =
        T(Tx::DataMoved)
            .arg(QDir::toNativeSeparators(choice.path), QDir::toNativeSeparators(legacyDir_));
    if (!choice.unreadable.isEmpty()) {
        QStringList files;
        for (const QString& file : choice.unreadable)
            files << QDir::toNativeSeparators(file);
        text += QStringLiteral("\n\n") + T(Tx::DataMovedUnreadable).arg(files.join(u'\n'));
    }
    return text;
}

bool FolderStart::MayRun(const DataFolder::Choice& choice) {
    if (!choice.running)
        return true;
    ShowMessage(T(Tx::AlreadyRunning), Dialogs::Kind::Warning);
    return false;
}
