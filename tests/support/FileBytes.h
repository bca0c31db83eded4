#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Byte-level helpers for tests that check stored files independently of the library.

// The file cipher of tables and statistics written out a second time, so that tests do not
// check the library against itself: mask = high byte of the key (start 24089), key advanced
// from the stored byte by (k + c) * 38219 + 27431 mod 65536.
QByteArray ReferenceCipher(const QByteArray& in, bool enciphering);

// The whole file, or "<missing>" when it cannot be read.
QByteArray ReadBytes(const QString& path);
// Writes the bytes, replacing the file; fails the current test when it cannot.
void WriteBytes(const QString& path, const QByteArray& bytes);
// Every file under the folder, by its path relative to it, with its bytes.
QMap<QString, QByteArray> FolderBytes(const QString& root);
