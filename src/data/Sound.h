#pragma once

#include <QString>

// How a sound is played, with the numbers callers have always passed; any other number
// plays in the background.
enum SoundMode : int {
    SoundWait = 1,          // waits until the sound has played (at most its length)
    SoundBackground = 2,    // plays in the background
    SoundUnlessPlaying = 3, // plays in the background unless a sound is already playing
};

// Plays the program's nine short sounds by name ("BUT_CLICK", "CLICK", "ERROR", "N3",
// "REC_IN", "T_GO", "T_NO", "T_SHOW", "T_YES") in a SoundMode.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const QString& name, int mode) = 0;
};

// Replaces the player; nullptr makes the program silent. The caller keeps ownership.
void InstallSoundPlayer(SoundPlayer* player);

void PlayWave(const QString& name, int mode);
