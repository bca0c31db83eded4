#include "IniFile.h"

#include "NumberFormat.h"
#include "Text1251.h"

#include <QFile>

namespace {

QString Folded(const QString& name) {
    return name.trimmed().toCaseFolded();
}

QString Unquoted(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

IniFile::IniFile(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        Parse(file.readAll());
}

IniFile IniFile::FromBytes(const QByteArray& bytes) {
    IniFile ini;
    ini.Parse(bytes);
    return ini;
}

void IniFile::Parse(const QByteArray& bytes) {
    QHash<QString, QString>* current = nullptr;
    for (const QString& raw : ReadLines(bytes)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QString name = Folded(line.mid(1, close < 0 ? -1 : close - 1));
            current = sections_.contains(name) ? nullptr : &sections_[name];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!current || equals <= 0)
            continue;
        const QString key = Folded(line.left(equals));
        if (!key.isEmpty() && !current->contains(key))
            current->insert(key, Unquoted(line.mid(equals + 1).trimmed()));
    }
}

const QString* IniFile::Find(const QString& section, const QString& key) const {
    const auto s = sections_.constFind(Folded(section));
    if (s == sections_.constEnd())
        return nullptr;
    const auto k = s->constFind(Folded(key));
    return k == s->constEnd() ? nullptr : &k.value();
}

bool IniFile::SectionExists(const QString& section) const {
    return sections_.contains(Folded(section));
}

bool IniFile::KeyExists(const QString& section, const QString& key) const {
    return Find(section, key) != nullptr;
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const QString* value = Find(section, key);
    return value ? *value : defaultValue;
}

qint32 IniFile::ReadInteger(const QString& section, const QString& key, qint32 defaultValue) const {
    const QString* value = Find(section, key);
    if (!value)
        return defaultValue;
    return TryParseInteger(*value).value_or(defaultValue);
}
