#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The program's nine sounds compiled in as Qt resources: their names, where each is found
// and how long it plays.
class SoundBank {
public:
    // "BUT_CLICK", "CLICK", "ERROR", "N3", "REC_IN", "T_GO", "T_NO", "T_SHOW", "T_YES".
    static const QStringList& Names();
    // Resource path of a sound, as ":/sounds/CLICK.wav".
    static QString Path(const QString& name);
    static QUrl Url(const QString& name);
    // Playing time of a sound in milliseconds; -1 for an unknown name or a damaged resource.
    static int LengthMs(const QString& name);
    // Registers the resources, which live in a static library; safe to call repeatedly.
    static void Register();
};
