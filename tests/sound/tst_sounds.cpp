#include "TestSupport.h"
#include "sound/QtSoundPlayer.h"
#include "sound/SoundBank.h"
#include "sound/WaveHeader.h"

#include <QFile>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

namespace {

// What the fake output saw; owned by the test, since the player owns the output.
struct OutputLog {
    QStringList started;
    QList<QPair<QString, int>> waits;
};

// An audio device that records what it is asked to do; waiting lets the sound play to
// its end by moving the manual clock.
class RecordingOutput : public SoundOutput {
public:
    RecordingOutput(OutputLog& log, ManualClock& clock) : log_(log), clock_(clock) {}
    void Start(const QString& name) override { log_.started.append(name); }
    void WaitUntilPlayed(const QString& name, int maxMs) override {
        log_.waits.append({name, maxMs});
        clock_.advance(maxMs);
    }

private:
    OutputLog& log_;
    ManualClock& clock_;
};

// A player on a recording output, with the manual clock installed for its lifetime.
struct Rig {
    ManualClock clock;
    OutputLog log;
    Rig() { InstallClock(&clock); }
    ~Rig() { InstallClock(nullptr); }
    QtSoundPlayer player{std::make_unique<RecordingOutput>(log, clock)};
};

QByteArray le16(int v) {
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(quint16(v), b.data());
    return b;
}

QByteArray le32(qint64 v) {
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(quint32(v), b.data());
    return b;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    QByteArray c = id + le32(body.size()) + body;
    if (body.size() % 2)
        c.append('\0');
    return c;
}

QByteArray formatBody(int format, int channels, int rate, int bits) {
    const int align = channels * bits / 8;
    return le16(format) + le16(channels) + le32(rate) + le32(qint64(rate) * align) + le16(align) +
           le16(bits);
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}

QByteArray resource(const QString& name) {
    SoundBank::Register();
    QFile file(SoundBank::Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sample bytes of a canonical WAVE resource (RIFF header, then chunks).
QByteArray samples(const QByteArray& wave) {
    qint64 at = 12;
    while (at + 8 <= wave.size()) {
        const qint64 length = qFromLittleEndian<quint32>(wave.constData() + at + 4);
        if (wave.mid(at, 4) == "data")
            return wave.mid(at + 8, length);
        at += 8 + length + (length & 1);
    }
    return {};
}

} // namespace

class TestSounds : public QObject {
    Q_OBJECT

private slots:
    void everySoundIsAMono16BitPcmWave_data();
    void everySoundIsAMono16BitPcmWave();
    void everySoundStartsAndEndsQuietly();
    void soundsAreDistinct();

    void headerReadsFormatAndDuration();
    void headerSkipsPaddedChunksBeforeTheData();
    void headerRejectsDamagedOrCompressedFiles_data();
    void headerRejectsDamagedOrCompressedFiles();

    void backgroundModeStartsEverySoundAndNeverWaits();
    void quietModeSkipsWhileASoundPlays();
    void quietModePlaysOnceTheSoundHasEnded();
    void waitingModeWaitsTheSoundsLengthAtMost();
    void waitingModeCutsOffThePlayingSound();
    void otherModesPlayInTheBackground();
    void unknownNamesAreIgnored();
    void playWaveReachesTheInstalledPlayer();

    void realPlayerReturnsForEveryModeWithoutWarnings();
};

void TestSounds::everySoundIsAMono16BitPcmWave_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : SoundBank::Names())
        QTest::newRow(qPrintable(name)) << name;
}

void TestSounds::everySoundIsAMono16BitPcmWave() {
    QFETCH(QString, name);
    const QByteArray wave = resource(name);
    QVERIFY2(!wave.isEmpty(), "the sound is not compiled in");
    QCOMPARE(wave.left(4), QByteArray("RIFF"));
    QCOMPARE(wave.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(qint64(qFromLittleEndian<quint32>(wave.constData() + 4)), qint64(wave.size() - 8));

    const auto header = WaveHeader::Parse(wave);
    QVERIFY(header.has_value());
    QCOMPARE(header->channels, 1);
    QCOMPARE(header->bitsPerSample, 16);
    QCOMPARE(header->sampleRate, 22050);
    QCOMPARE(header->dataBytes, qint64(samples(wave).size()));
    QVERIFY2(header->DurationMs() >= 40 && header->DurationMs() <= 400,
             qPrintable(QString::number(header->DurationMs())));
    QCOMPARE(SoundBank::LengthMs(name), header->DurationMs());
}

void TestSounds::everySoundStartsAndEndsQuietly() {
    // A sound that starts or stops at a high amplitude clicks.
    for (const QString& name : SoundBank::Names()) {
        const QByteArray data = samples(resource(name));
        QVERIFY2(data.size() >= 8, qPrintable(name));
        const auto sample = [&data](qint64 i) {
            return std::abs(int(qFromLittleEndian<qint16>(data.constData() + 2 * i)));
        };
        const qint64 count = data.size() / 2;
        QVERIFY2(sample(0) < 500 && sample(count - 1) < 500, qPrintable(name));
        int peak = 0;
        for (qint64 i = 0; i < count; ++i)
            peak = std::max(peak, sample(i));
        QVERIFY2(peak > 8000 && peak < 32767, qPrintable(name)); // audible, never clipped
    }
}

void TestSounds::soundsAreDistinct() {
    const QStringList names = SoundBank::Names();
    QCOMPARE(names.size(), 9);
    for (int i = 0; i < names.size(); ++i)
        for (int j = i + 1; j < names.size(); ++j)
            QVERIFY2(samples(resource(names[i])) != samples(resource(names[j])),
                     qPrintable(names[i] + " = " + names[j]));
}

void TestSounds::headerReadsFormatAndDuration() {
    const auto mono = WaveHeader::Parse(
        riff(chunk("fmt ", formatBody(1, 1, 22050, 16)) + chunk("data", QByteArray(4410, 'x'))));
    QVERIFY(mono.has_value());
    QCOMPARE(mono->channels, 1);
    QCOMPARE(mono->sampleRate, 22050);
    QCOMPARE(mono->DurationMs(), 100);

    const auto stereo = WaveHeader::Parse(
        riff(chunk("fmt ", formatBody(1, 2, 44100, 16)) + chunk("data", QByteArray(44100, 'x'))));
    QVERIFY(stereo.has_value());
    QCOMPARE(stereo->DurationMs(), 250);
}

void TestSounds::headerSkipsPaddedChunksBeforeTheData() {
    const auto header =
        WaveHeader::Parse(riff(chunk("LIST", "odd") + chunk("fmt ", formatBody(1, 1, 8000, 8)) +
                               chunk("fact", "abcde") + chunk("data", QByteArray(800, 'x'))));
    QVERIFY(header.has_value());
    QCOMPARE(header->bitsPerSample, 8);
    QCOMPARE(header->DurationMs(), 100);
}

void TestSounds::headerRejectsDamagedOrCompressedFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray fmt = chunk("fmt ", formatBody(1, 1, 22050, 16));
    const QByteArray data = chunk("data", QByteArray(100, 'x'));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not riff") << QByteArray("RIFX") + riff(fmt + data).mid(4);
    QTest::newRow("not wave") << riff(fmt + data).replace(8, 4, "AVI ");
    QTest::newRow("compressed") << riff(chunk("fmt ", formatBody(0x55, 1, 22050, 16)) + data);
    QTest::newRow("float") << riff(chunk("fmt ", formatBody(3, 1, 22050, 32)) + data);
    QTest::newRow("no channels") << riff(chunk("fmt ", formatBody(1, 0, 22050, 16)) + data);
    QTest::newRow("zero rate") << riff(chunk("fmt ", formatBody(1, 1, 0, 16)) + data);
    QByteArray badAlign = formatBody(1, 1, 22050, 16);
    badAlign.replace(12, 2, le16(4));
    QTest::newRow("block align") << riff(chunk("fmt ", badAlign) + data);
    QTest::newRow("short format") << riff(chunk("fmt ", formatBody(1, 1, 22050, 16).left(10)) +
                                          data);
    QTest::newRow("data before format") << riff(data + fmt);
    QTest::newRow("no data") << riff(fmt);
    QTest::newRow("data past the end") << riff(fmt + data).chopped(10);
    QTest::newRow("huge chunk") << riff(chunk("fmt ", formatBody(1, 1, 22050, 16)) + "data" +
                                        le32(0xFFFFFFF0));
}

void TestSounds::headerRejectsDamagedOrCompressedFiles() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!WaveHeader::Parse(bytes).has_value());
}

void TestSounds::backgroundModeStartsEverySoundAndNeverWaits() {
    Rig rig;
    auto& [clock, log, player] = rig;
    player.Play("CLICK", 2);
    player.Play("ERROR", 2); // cuts off the click
    player.Play("CLICK", 2);
    QCOMPARE(log.started, QStringList({"CLICK", "ERROR", "CLICK"}));
    QVERIFY(log.waits.isEmpty());
}

void TestSounds::quietModeSkipsWhileASoundPlays() {
    Rig rig;
    auto& [clock, log, player] = rig;
    player.Play("T_GO", 2);
    clock.advance(SoundBank::LengthMs("T_GO") - 1);
    QVERIFY(player.Playing());
    player.Play("T_SHOW", 3);
    QCOMPARE(log.started, QStringList({"T_GO"}));
}

void TestSounds::quietModePlaysOnceTheSoundHasEnded() {
    Rig rig;
    auto& [clock, log, player] = rig;
    player.Play("T_SHOW", 3); // nothing played before
    clock.advance(SoundBank::LengthMs("T_SHOW"));
    QVERIFY(!player.Playing());
    player.Play("T_SHOW", 3);
    player.Play("T_YES", 3); // the second showing is still playing
    QCOMPARE(log.started, QStringList({"T_SHOW", "T_SHOW"}));
    QVERIFY(log.waits.isEmpty());
}

void TestSounds::waitingModeWaitsTheSoundsLengthAtMost() {
    Rig rig;
    auto& [clock, log, player] = rig;
    player.Play("T_GO", 1);
    const bool playingAfterWait = player.Playing();
    player.Play("T_SHOW", 3); // the wait let T_GO end

    const int length = SoundBank::LengthMs("T_GO");
    QCOMPARE(log.waits.size(), 1);
    QCOMPARE(log.waits[0].first, QString("T_GO"));
    QVERIFY(log.waits[0].second >= length);
    QVERIFY(log.waits[0].second <= length + SoundTimeline::WaitMarginMs);
    QVERIFY(!playingAfterWait);
    QCOMPARE(log.started, QStringList({"T_GO", "T_SHOW"}));
}

void TestSounds::waitingModeCutsOffThePlayingSound() {
    Rig rig;
    auto& [clock, log, player] = rig;
    player.Play("REC_IN", 2);
    player.Play("T_GO", 1);
    QCOMPARE(log.started, QStringList({"REC_IN", "T_GO"}));
    QCOMPARE(log.waits.size(), 1);
}

void TestSounds::otherModesPlayInTheBackground() {
    Rig rig;
    auto& [clock, log, player] = rig;
    player.Play("N3", 0);
    player.Play("N3", 7);
    QCOMPARE(log.started, QStringList({"N3", "N3"}));
    QVERIFY(log.waits.isEmpty());
}

void TestSounds::unknownNamesAreIgnored() {
    Rig rig;
    auto& [clock, log, player] = rig;
    for (int mode = 1; mode <= 3; ++mode)
        for (const char* name : {"", "click", "BEEP", "CLICK.wav", "../CLICK"})
            player.Play(name, mode);
    const bool playing = player.Playing();
    player.Play("CLICK", 3); // an ignored name does not count as playing
    QVERIFY(!playing);
    QCOMPARE(log.started, QStringList({"CLICK"}));
    QVERIFY(log.waits.isEmpty());
}

void TestSounds::playWaveReachesTheInstalledPlayer() {
    Rig rig;
    auto& [clock, log, player] = rig;
    InstallSoundPlayer(&player);
    PlayWave("REC_IN", 2);
    PlayWave("ERROR", 3);
    InstallSoundPlayer(nullptr);
    PlayWave("CLICK", 2); // silent once the player is removed
    QCOMPARE(log.started, QStringList({"REC_IN"}));
}

void TestSounds::realPlayerReturnsForEveryModeWithoutWarnings() {
    struct ClockGuard {
        ManualClock clock;
        ClockGuard() { InstallClock(&clock); }
        ~ClockGuard() { InstallClock(nullptr); }
    } guard;
    QtSoundPlayer player; // the audio device, or silence where there is none
    QTest::failOnWarning(QRegularExpression(".*"));
    for (int mode : {2, 3, 1})
        for (const QString& name : SoundBank::Names())
            player.Play(name, mode);
    player.Play("NOPE", 1);
    // Every sound was known to the real player: the last one counts as playing.
    const bool playing = player.Playing();
    QVERIFY(playing);
}

QTEST_MAIN(TestSounds)
#include "tst_sounds.moc"
