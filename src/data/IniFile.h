#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// A read-only INI text file in Windows-1251, read the way the Windows profile reader does:
// section and key names compared without regard to case, keys and values trimmed, a pair of
// quotes around a value removed, lines starting with ";" ignored, and of a section or key
// that occurs twice only the first counts.
class IniFile {
public:
    IniFile() = default;
    // A missing or unreadable file reads as an empty one.
    explicit IniFile(const QString& path);
    static IniFile FromBytes(const QByteArray& bytes);

    bool SectionExists(const QString& section) const;
    bool KeyExists(const QString& section, const QString& key) const;
    // A present key gives its value, even an empty one.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // The default when the key is absent or its value is not a whole number.
    qint32 ReadInteger(const QString& section, const QString& key, qint32 defaultValue) const;

private:
    void Parse(const QByteArray& bytes);
    const QString* Find(const QString& section, const QString& key) const;

    // Folded section name -> folded key name -> value.
    QHash<QString, QHash<QString, QString>> sections_;
};
