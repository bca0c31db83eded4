#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows-1251 text and the line lists every plain data file of the program is made of
// (tables, statistics, word and heading lists).

// The converter name of the code page of every data file.
inline constexpr const char* CodePage1251 = "windows-1251";

// True when the named code page can be converted both ways. Otherwise it shows the message
// that the program cannot work with its files and returns false; the start-up ends then,
// since every text would be written empty and every list read empty.
bool CheckCodePage(const char* name = CodePage1251);

QByteArray EncodeText(const QString& text);
QString DecodeText(const QByteArray& bytes);
// True when Windows-1251 holds every character of the text, so that it reads back the same.
bool Fits1251(const QString& text);

// Splits Windows-1251 bytes into lines: CR, LF or CR LF end a line; a zero byte ends the
// text; a last line without an end is an entry; a line end at the very end adds no entry.
// Lines are taken exactly as they stand (no trimming, empty lines kept).
QStringList ReadLines(const QByteArray& bytes);
// Every entry followed by CR LF, in Windows-1251.
QByteArray WriteLines(const QStringList& lines);

// Whole-file helpers. Loading a missing or unreadable file throws OxelError naming it.
QByteArray LoadFileBytes(const QString& path);
QStringList LoadLinesFile(const QString& path);
// Saving replaces the file atomically (written beside, then renamed); throws OxelError.
void SaveFileBytes(const QString& path, const QByteArray& bytes);
void SaveLinesFile(const QString& path, const QStringList& lines);
