#pragma once

#include <QByteArray>
#include <QString>

// The whole-file byte-stream cipher of the best-result tables and statistics files:
// a 16-bit key state whose high byte masks each byte, advanced from the stored
// (enciphered) byte. A stored file is exactly as long as its plain form.

inline constexpr quint16 ProgramKey = 24089;
inline constexpr quint16 CipherMultiplier = 38219;
inline constexpr quint16 CipherIncrement = 27431;

QByteArray EncryptBytes(const QByteArray& plain, quint16 key = ProgramKey);
QByteArray DecryptBytes(const QByteArray& stored, quint16 key = ProgramKey);

// Read the whole source, transform, write the destination in one piece (atomically).
// A source that cannot be opened or a destination that cannot be written throws OxelError
// naming the file; nothing is written then. The source is never changed.
void EncryptFile(const QString& source, const QString& destination, quint16 key = ProgramKey);
void DecryptFile(const QString& source, const QString& destination, quint16 key = ProgramKey);
