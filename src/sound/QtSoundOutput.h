#pragma once

#include "SoundOutput.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

// Plays the program's sounds on the default audio device through one preloaded
// QSoundEffect per sound. Without an audio device it stays silent and never waits.
class QtSoundOutput : public QObject, public SoundOutput {
    Q_OBJECT
public:
    explicit QtSoundOutput(QObject* parent = nullptr);

    void Start(const QString& name) override;
    void WaitUntilPlayed(const QString& name, int maxMs) override;

    // Whether an audio device was found when the sounds were loaded.
    bool Audible() const { return !effects_.isEmpty(); }

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};
