#include "SoundBank.h"

#include "WaveHeader.h"

#include <QFile>

// Q_INIT_RESOURCE must not be used inside a namespace or a class.
static void registerSoundResources() {
    Q_INIT_RESOURCE(resources);
}

const QStringList& SoundBank::Names() {
    static const QStringList names{"BUT_CLICK", "CLICK", "ERROR",  "N3",   "REC_IN",
                                   "T_GO",      "T_NO",  "T_SHOW", "T_YES"};
    return names;
}

QString SoundBank::Path(const QString& name) {
    return QStringLiteral(":/sounds/%1.wav").arg(name);
}

QUrl SoundBank::Url(const QString& name) {
    return QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(name));
}

int SoundBank::LengthMs(const QString& name) {
    if (!Names().contains(name))
        return -1;
    Register();
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const auto header = WaveHeader::Parse(file.readAll());
    return header ? header->DurationMs() : -1;
}

void SoundBank::Register() {
    static const bool registered = (registerSoundResources(), true);
    Q_UNUSED(registered);
}
