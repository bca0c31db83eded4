#include "OrdinaryUser.h"

#include <QProcess>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

int RunAsOrdinaryUser(const QString& folder, const std::function<int()>& body) {
    constexpr uid_t Nobody = 65534;
    const bool root = ::geteuid() == 0;
    if (root && QProcess::execute("chown", {"-R", "65534:65534", folder}) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgroups(0, nullptr) || ::setgid(Nobody) || ::setuid(Nobody)))
            ::_exit(120);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
