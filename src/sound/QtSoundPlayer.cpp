#include "QtSoundPlayer.h"

#include "QtSoundOutput.h"
#include "SoundBank.h"
#include "data/Clock.h"

QtSoundPlayer::QtSoundPlayer() : QtSoundPlayer(std::make_unique<QtSoundOutput>()) {}

QtSoundPlayer::QtSoundPlayer(std::unique_ptr<SoundOutput> output) : output_(std::move(output)) {
    for (const QString& name : SoundBank::Names()) {
        const int length = SoundBank::LengthMs(name);
        if (length >= 0)
            lengths_.insert(name, length);
    }
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const QString& name, int mode) {
    const auto length = lengths_.constFind(name);
    if (length == lengths_.constEnd())
        return;
    const SoundTimeline::Decision decision =
        timeline_.Request(mode, *length, ProgramClock().MonotonicMs());
    if (!decision.start)
        return;
    output_->Start(name);
    if (decision.waitMs > 0)
        output_->WaitUntilPlayed(name, decision.waitMs);
}

bool QtSoundPlayer::Playing() const {
    return timeline_.Playing(ProgramClock().MonotonicMs());
}
