#include "DailyGoal.h"

#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/Texts.h"
#include "data/UserFiles.h"

#include <QDir>
#include <algorithm>

namespace {

const QString Section = QStringLiteral("PROGRESS");
const QString Entry = QStringLiteral("DailyGoal");

} // namespace

int DailyGoal::Read(const QString& dataDir, const QString& user) {
    const UserFiles files(dataDir);
    if (!files.UserExists(user))
        return 0;
    try {
        TDataFile file(files.DataFilePath(user));
        return std::clamp(file.ReadInteger(Section, Entry, 0), 0, MostMinutes);
    } catch (const OxelError&) {
        return 0;
    }
}

void DailyGoal::Write(const QString& dataDir, const QString& user, int minutes) {
    const UserFiles files(dataDir);
    const QString path = files.DataFilePath(user);
    if (!files.UserExists(user))
        throw OxelError(
            T(Tx::CannotOpenFile).arg(QDir::toNativeSeparators(path), T(Tx::UserFileDeleted)));
    TDataFile file(path);
    file.WriteInteger(Section, Entry, std::clamp(minutes, 0, MostMinutes));
}
