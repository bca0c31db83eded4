#pragma once

#include <QString>

// Which interface language a data folder starts in. A folder seen for the first time follows
// the system; any folder that already has its settings keeps what they say, Russian when they
// say nothing, so that older installations look as they always did.
namespace InterfaceLanguage {

// The language byte for a locale name: "ru", "ru_RU", ... give 2 (Russian), anything else 1.
int OfLocale(const QString& localeName);

// The language of the settings file oxel.ini at the path, read only: the locale's language
// when the file does not exist. Throws OxelError when the file cannot be read.
int Of(const QString& settingsPath, const QString& localeName);

// The language of the settings file oxel.ini at the path. When the file does not exist yet,
// the locale's language is taken and written into a new file. Throws OxelError when the file
// cannot be created or read.
int Settle(const QString& settingsPath, const QString& localeName);

} // namespace InterfaceLanguage
