#pragma once

#include "ExerciseInfo.h"
#include "Texts.h"

#include <QString>
#include <QStringList>
#include <array>

// The plain-text lists under dic/: the word list, the number list (a memory word for each
// of 00..99) and the heading list (one heading per exercise), one of each per interface
// language (1 English, 2 Russian).
class Dictionaries {
public:
    explicit Dictionaries(QString programDir); // the data folder

    static constexpr int HeadingCount = ExerciseCount;

    // The headings by exercise index and the number list, as the main window keeps them.
    struct GipnoText {
        std::array<QString, HeadingCount> headings;
        QStringList numbers;
    };

    // Paths relative to the data folder ("dic/rus.dic").
    static QString WordListName(int language);
    static QString NumberListName(int language);
    static QString HeadingListName(int language);

    // Where the list is read: the data folder's copy, else the delivered one (FileLookup).
    QString WordListPath(int language = Language()) const;
    QString NumberListPath(int language = Language()) const;
    QString HeadingListPath(int language = Language()) const;

    // Loading a missing or unreadable list throws OxelError naming the file.
    QStringList LoadWordList(int language = Language()) const;
    QStringList LoadNumberList(int language = Language()) const;
    QStringList LoadHeadingList(int language = Language()) const;
    // Headings padded with empty ones to one per exercise (further lines ignored), then the
    // number list.
    GipnoText LoadGipnoText(int language = Language()) const;

    // Saving replaces the whole file of the data folder at once, every line followed by CR LF.
    void SaveNumberList(const QStringList& lines, int language = Language()) const;
    void SaveHeadingList(const QStringList& lines, int language = Language()) const;

private:
    QString Path(const QString& relative) const;
    void Save(const QString& relative, const QStringList& lines) const;

    QString programDir_;
};
