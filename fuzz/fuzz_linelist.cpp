// Feeds arbitrary bytes to the plain-text line reader and the whole-file cipher: no crash,
// written lines read back as they were, and the cipher returns every byte it was given.
#include "data/FileCipher.h"
#include "data/Text1251.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString text = DecodeText(bytes);
    Check(text.size() == bytes.size()); // one character per byte
    const QStringList lines = ReadLines(bytes);
    for (const QString& line : lines)
        Check(!line.contains(u'\r') && !line.contains(u'\n') && !line.contains(QChar(0)));

    // Characters the code page lacks are replaced once; after that a round trip is exact.
    const QStringList written = ReadLines(WriteLines(lines));
    Check(written.size() == lines.size());
    Check(ReadLines(WriteLines(written)) == written);

    const QByteArray stored = EncryptBytes(bytes);
    Check(stored.size() == bytes.size());
    Check(DecryptBytes(stored) == bytes);
    Check(bytes.isEmpty() || static_cast<quint8>(stored[0] ^ bytes[0]) == (ProgramKey >> 8));
    return 0;
}
