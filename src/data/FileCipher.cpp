#include "FileCipher.h"

#include "Text1251.h"

namespace {

// The key is advanced from the stored byte in both directions, so one loop serves both:
// `enciphering` only says which of input and output is the stored byte.
QByteArray Transform(const QByteArray& input, quint16 key, bool enciphering) {
    QByteArray output(input.size(), Qt::Uninitialized);
    quint16 k = key;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const auto in = static_cast<quint8>(input[i]);
        const auto out = static_cast<quint8>(in ^ (k >> 8));
        output[i] = static_cast<char>(out);
        const quint8 stored = enciphering ? out : in;
        // Modulo 65536 throughout; in 32-bit unsigned arithmetic, since 16-bit operands would
        // be promoted to int and the product could overflow it.
        k = static_cast<quint16>((quint32{k} + stored) * CipherMultiplier + CipherIncrement);
    }
    return output;
}

} // namespace

QByteArray EncryptBytes(const QByteArray& plain, quint16 key) {
    return Transform(plain, key, true);
}

QByteArray DecryptBytes(const QByteArray& stored, quint16 key) {
    return Transform(stored, key, false);
}

void EncryptFile(const QString& source, const QString& destination, quint16 key) {
    SaveFileBytes(destination, EncryptBytes(LoadFileBytes(source), key));
}

void DecryptFile(const QString& source, const QString& destination, quint16 key) {
    SaveFileBytes(destination, DecryptBytes(LoadFileBytes(source), key));
}
