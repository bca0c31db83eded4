#pragma once

#include <functional>

// Writes cut off at random moments: forks a child that runs `write` (which never returns),
// kills it with SIGKILL after a pause drawn from [minMs, maxMs), requires that the kill ended
// it, then runs `check`. Repeats OXEL_KILLS times (defaultKills when unset) and stops at the
// first failure, which QTest records. Returns the number of kills made.
int KillLoop(int minMs, int maxMs, const std::function<void()>& write,
             const std::function<void()>& check, int defaultKills = 100);

// On a loaded machine every kill of a KillLoop may land before the writer's first save. Goes
// on killing, one kill per pause, with pauses doubling from `fromMs` up to 10 s, until `made`
// tells that the saves the test needs were made (or a check failed).
void KillUntil(int fromMs, const std::function<void()>& write, const std::function<void()>& check,
               const std::function<bool()>& made);
