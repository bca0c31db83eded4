#include "SoundTimeline.h"

#include <algorithm>

SoundTimeline::Decision SoundTimeline::Request(int mode, int lengthMs, qint64 nowMs) {
    if (mode == SoundUnlessPlaying && Playing(nowMs))
        return {};
    const int length = std::max(0, lengthMs);
    started_ = true;
    endMs_ = nowMs + length;
    return {true, mode == SoundWait ? length + WaitMarginMs : 0};
}

bool SoundTimeline::Playing(qint64 nowMs) const {
    return started_ && nowMs < endMs_;
}
