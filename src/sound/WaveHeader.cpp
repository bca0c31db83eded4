#include "WaveHeader.h"

#include <QtEndian>

namespace {

quint32 u32(const QByteArray& b, qint64 at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 u16(const QByteArray& b, qint64 at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

constexpr quint16 PcmFormat = 1;

} // namespace

std::optional<WaveHeader> WaveHeader::Parse(const QByteArray& bytes) {
    const qint64 size = bytes.size();
    if (size < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;

    WaveHeader h;
    bool haveFormat = false;
    qint64 at = 12;
    while (at + 8 <= size) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 length = u32(bytes, at + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (length < 16 || body + 16 > size)
                return std::nullopt;
            const quint16 format = u16(bytes, body);
            h.channels = u16(bytes, body + 2);
            h.sampleRate = static_cast<int>(u32(bytes, body + 4));
            const quint32 byteRate = u32(bytes, body + 8);
            const quint16 blockAlign = u16(bytes, body + 12);
            h.bitsPerSample = u16(bytes, body + 14);
            const bool sampleSizeOk = h.bitsPerSample == 8 || h.bitsPerSample == 16;
            if (format != PcmFormat || h.channels < 1 || h.channels > 2 || h.sampleRate <= 0 ||
                !sampleSizeOk || blockAlign != h.channels * h.bitsPerSample / 8 ||
                byteRate != quint32(h.sampleRate) * blockAlign)
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            // The samples must come after the format and lie wholly inside the file.
            if (!haveFormat || body + length > size)
                return std::nullopt;
            h.dataBytes = length;
            return h;
        }
        // Chunks are padded to an even length.
        at = body + length + (length & 1);
    }
    return std::nullopt;
}

int WaveHeader::DurationMs() const {
    const qint64 bytesPerSecond = qint64(sampleRate) * channels * (bitsPerSample / 8);
    return bytesPerSecond > 0 ? static_cast<int>(dataBytes * 1000 / bytesPerSecond) : 0;
}
