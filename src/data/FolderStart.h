#pragma once

#include "DataFolder.h"
#include "InstanceLock.h"

#include <memory>

// Takes the data folder for this copy of the program before anything in it is created, moved
// or read. A folder given with --dir is created empty when missing and locked. The default
// folder's first start moves in the data an earlier version kept beside the executable: while
// that folder does not exist yet, a lock beside it (".oxelium.lock" in its parent) keeps a
// second start from moving or creating it at the same time, and the folder's own lock is
// taken before that one is let go. A move renames a whole folder into place, so a folder
// that exists is never half moved; a leftover of an interrupted move is removed under the
// same lock and the move made again.
class FolderStart {
public:
    FolderStart(QString givenDir, QString defaultDir, QString legacyDir, QString deliveredDir);
    ~FolderStart();

    // The folder's lock is then held until the object ends (unless the choice is refused or
    // another copy runs).
    DataFolder::Choice Open();

    // What the move of earlier data did, for the user: where the data went, where from, and
    // the files that could not be read and stayed there.
    QString MovedText(const DataFolder::Choice& choice) const;

    // "Oxelium уже запущенО!" when another copy holds the folder; true when this one may run.
    static bool MayRun(const DataFolder::Choice& choice);

private:
    // The default folder's first start: the move, or an empty folder.
    void MoveOrCreate(DataFolder::Choice& choice) const;

    QString givenDir_;
    QString defaultDir_;
    QString legacyDir_;
    QString deliveredDir_;
    std::unique_ptr<InstanceLock> lock_;
};
