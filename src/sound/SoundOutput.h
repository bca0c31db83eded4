#pragma once

#include <QString>

// The device side of sound playing: starts a named sound and waits for it. The player
// decides what to play and when; tests put a recording output in its place.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the sound, cutting off the one that plays.
    virtual void Start(const QString& name) = 0;
    // Returns when the sound has played, but after maxMs at the latest; at once when it
    // cannot be heard.
    virtual void WaitUntilPlayed(const QString& name, int maxMs) = 0;
};
