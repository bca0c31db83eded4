#include "KillLoop.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// One writer forked, killed after `pauseMs` and checked; false when the kill failed.
bool KillOnce(int pauseMs, const std::function<void()>& write,
              const std::function<void()>& check) {
    const pid_t child = fork();
    if (child == 0) {
        write();
        _exit(5); // a writer never returns
    }
    QTest::qSleep(pauseMs);
    int status = 0;
    if (child < 0 || ::kill(child, SIGKILL) != 0 || waitpid(child, &status, 0) != child ||
        !WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL) {
        QTest::qFail(qPrintable(QStringLiteral("the writer was not killed: status %1")
                                    .arg(status)), __FILE__, __LINE__);
        return false;
    }
    check();
    return true;
}

} // namespace

int KillLoop(int minMs, int maxMs, const std::function<void()>& write,
             const std::function<void()>& check, int defaultKills) {
    const int kills = qEnvironmentVariableIsSet("OXEL_KILLS")
                          ? qEnvironmentVariableIntValue("OXEL_KILLS")
                          : defaultKills;
    QRandomGenerator random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    int k = 0;
    for (; k < kills && !QTest::currentTestFailed(); ++k) {
        if (!KillOnce(random.bounded(minMs, maxMs), write, check))
            break;
    }
    return k;
}

void KillUntil(int fromMs, const std::function<void()>& write, const std::function<void()>& check,
               const std::function<bool()>& made) {
    for (int pause = fromMs; !made() && !QTest::currentTestFailed() && pause <= 10000; pause *= 2) {
        if (!KillOnce(pause, write, check))
            return;
    }
}
