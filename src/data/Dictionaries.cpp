#include "Dictionaries.h"

#include "FileLookup.h"
#include "Text1251.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString ByLanguage(int language, const char* english, const char* russian) {
    return QLatin1String(language == 1 ? english : russian);
}

} // namespace

Dictionaries::Dictionaries(QString programDir) : programDir_(std::move(programDir)) {}

QString Dictionaries::WordListName(int language) {
    return ByLanguage(language, "dic/eng.dic", "dic/rus.dic");
}

QString Dictionaries::NumberListName(int language) {
    return ByLanguage(language, "dic/enum.dic", "dic/rnum.dic");
}

QString Dictionaries::HeadingListName(int language) {
    return ByLanguage(language, "dic/egipno.dic", "dic/rgipno.dic");
}

QString Dictionaries::Path(const QString& relative) const {
    return FileLookup::Find(programDir_, relative);
}

// An edited list goes into the data folder, where it wins over the delivered one from then on.
void Dictionaries::Save(const QString& relative, const QStringList& lines) const {
    const QString path = QDir(programDir_).filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    SaveLinesFile(path, lines);
}

QString Dictionaries::WordListPath(int language) const {
    return Path(WordListName(language));
}

QString Dictionaries::NumberListPath(int language) const {
    return Path(NumberListName(language));
}

QString Dictionaries::HeadingListPath(int language) const {
    return Path(HeadingListName(language));
}

QStringList Dictionaries::LoadWordList(int language) const {
    return LoadLinesFile(WordListPath(language));
}

QStringList Dictionaries::LoadNumberList(int language) const {
    return LoadLinesFile(NumberListPath(language));
}

QStringList Dictionaries::LoadHeadingList(int language) const {
    return LoadLinesFile(HeadingListPath(language));
}

Dictionaries::GipnoText Dictionaries::LoadGipnoText(int language) const {
    GipnoText text;
    const QStringList headings = LoadHeadingList(language);
    // A list of an earlier version lacks the lines of exercises added since: they keep the
    // built-in heading.
    for (int k = 0; k < HeadingCount; ++k)
        text.headings[k] = k < headings.size() ? headings[k] : T(Exercise(k).heading, language);
    text.numbers = LoadNumberList(language);
    return text;
}

void Dictionaries::SaveNumberList(const QStringList& lines, int language) const {
    Save(NumberListName(language), lines);
}

void Dictionaries::SaveHeadingList(const QStringList& lines, int language) const {
    Save(HeadingListName(language), lines);
}
