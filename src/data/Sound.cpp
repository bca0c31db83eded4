#include "Sound.h"

namespace {
SoundPlayer* installed = nullptr;
}

void InstallSoundPlayer(SoundPlayer* player) { installed = player; }

void PlayWave(const QString& name, int mode) {
    if (installed)
        installed->Play(name, mode);
}
