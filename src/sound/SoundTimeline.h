#pragma once

#include "data/Sound.h"

#include <QtGlobal>

// Applies the rules of the three play modes: decides whether a requested sound starts and
// how long the caller waits for it, and remembers when the sound now playing ends.
// Times are monotonic milliseconds supplied by the caller.
class SoundTimeline {
public:
    // How long a waiting play may run past the sound's own length.
    static constexpr int WaitMarginMs = 50;

    struct Decision {
        bool start = false; // start the sound, cutting off whatever plays
        int waitMs = 0;     // then wait at most this long for it to finish
    };

    // SoundWait starts and waits, SoundBackground starts in the background,
    // SoundUnlessPlaying starts in the background only when nothing plays; any other mode
    // counts as SoundBackground.
    Decision Request(int mode, int lengthMs, qint64 nowMs);

    // Whether a sound started earlier is still playing at nowMs.
    bool Playing(qint64 nowMs) const;

private:
    bool started_ = false;
    qint64 endMs_ = 0;
};
