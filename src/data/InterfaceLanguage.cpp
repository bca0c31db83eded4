#include "InterfaceLanguage.h"

#include "DataFile.h"
#include "Settings.h"

#include <QFile>

namespace InterfaceLanguage {

int OfLocale(const QString& localeName) {
    return localeName.startsWith(QLatin1String("ru"), Qt::CaseInsensitive) ? 2 : 1;
}

int Of(const QString& settingsPath, const QString& localeName) {
    if (!QFile::exists(settingsPath))
        return OfLocale(localeName);
    TDataFile file(settingsPath);
    return Settings::ReadLanguage(file);
}

int Settle(const QString& settingsPath, const QString& localeName) {
    const bool firstStart = !QFile::exists(settingsPath);
    TDataFile file(settingsPath);
    if (!firstStart)
        return Settings::ReadLanguage(file);
    const int language = OfLocale(localeName);
    Settings::WriteLanguage(file, language);
    return language;
}

} // namespace InterfaceLanguage
