#pragma once

#include "SoundOutput.h"
#include "SoundTimeline.h"
#include "data/Sound.h"

#include <QHash>
#include <memory>

// The program's sound player behind PlayWave: knows the nine sounds and their lengths,
// applies the play modes and hands the sounds to an output (by default the audio device).
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    explicit QtSoundPlayer(std::unique_ptr<SoundOutput> output);
    ~QtSoundPlayer() override;

    // Unknown names are ignored.
    void Play(const QString& name, int mode) override;

    // Whether a sound started by this player is still playing now.
    bool Playing() const;

private:
    std::unique_ptr<SoundOutput> output_;
    QHash<QString, int> lengths_;
    SoundTimeline timeline_;
};
