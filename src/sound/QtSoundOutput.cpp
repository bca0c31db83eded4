#include "QtSoundOutput.h"

#include "SoundBank.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>

QtSoundOutput::QtSoundOutput(QObject* parent) : QObject(parent) {
    // With no device an effect would still claim to play; leave the program silent instead.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    SoundBank::Register();
    for (const QString& name : SoundBank::Names()) {
        auto* effect = new QSoundEffect(this);
        effect->setSource(SoundBank::Url(name));
        effects_.insert(name, effect);
    }
}

void QtSoundOutput::Start(const QString& name) {
    QSoundEffect* effect = effects_.value(name);
    if (!effect)
        return;
    if (current_ && current_ != effect)
        current_->stop();
    current_ = effect;
    effect->stop();
    effect->play();
}

void QtSoundOutput::WaitUntilPlayed(const QString& name, int maxMs) {
    QSoundEffect* effect = effects_.value(name);
    if (!effect || maxMs <= 0 || effect->status() == QSoundEffect::Error)
        return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(effect, &QSoundEffect::playingChanged, &loop, [&loop, effect] {
        if (!effect->isPlaying())
            loop.quit();
    });
    connect(effect, &QSoundEffect::statusChanged, &loop, [&loop, effect] {
        if (effect->status() == QSoundEffect::Error)
            loop.quit();
    });
    deadline.start(maxMs);
    // The user's clicks wait until the sound has played, as with a blocking play.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
