#pragma once

#include <QByteArray>
#include <optional>

// The format of a RIFF/WAVE file holding uncompressed PCM samples, read from its header,
// and the playing time that follows from it.
struct WaveHeader {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = 0; // sample bytes present in the file

    // The header of a PCM WAVE file, or nothing when the bytes are not one (wrong magic,
    // a compressed format, inconsistent fields, no data chunk, chunks running past the end).
    static std::optional<WaveHeader> Parse(const QByteArray& bytes);

    // Whole milliseconds the samples play for.
    int DurationMs() const;
};
