#include "OrdinaryUser.h"

#include <QDirIterator>
#include <QFile>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

void GiveToNobody(const QString& folder) {
    const auto own = [](const QString& path) {
        return ::lchown(QFile::encodeName(path).constData(), Nobody, Nobody) == 0;
    };
    own(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        own(it.next());
}

} // namespace

int RunAsOrdinaryUser(const QString& folder, const std::function<int()>& body) {
    const bool root = ::geteuid() == 0;
    if (root)
        GiveToNobody(folder);
    const pid_t child = ::fork();
    if (child == 0) {
        if (root &&
            (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(120);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
