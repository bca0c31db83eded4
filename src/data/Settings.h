#pragma once

#include "DataFile.h"
#include "ExerciseInfo.h"

#include <QSize>
#include <QString>
#include <array>

// The program's settings held in memory: the look of every exercise board ("OPTIONS"), the
// three window switches ("COMMON"), with their defaults, loaded from and saved to the
// settings store in the fixed entry order. Colours are $BBGGRR values.
class Settings {
public:
    Settings();
    Settings(const Settings& other);
    Settings& operator=(const Settings& other);

    // Section "OPTIONS": one look per exercise, by exercise index.
    ExerciseLook& Look(int exerciseIndex) {
        return looks_.at(static_cast<std::size_t>(exerciseIndex));
    }
    const ExerciseLook& Look(int exerciseIndex) const {
        return looks_.at(static_cast<std::size_t>(exerciseIndex));
    }

private:
    std::array<ExerciseLook, ExerciseCount> looks_;

public:
    // Named views of single values of the first eight looks, by their entry names, for code
    // that reaches one value of a known exercise; a further exercise needs none.
    quint32& ShulteBGColor = looks_[0].background;
    quint32& ShulteGridColor = looks_[0].grid;
    quint32& ShulteGPColor = looks_[0].glyph;
    FontRecord& ShulteFont1 = looks_[0].font1;
    FontRecord& ShulteFont2 = looks_[0].font2;
    FontRecord& RbShulteFont1 = looks_[1].font1;
    FontRecord& RbShulteFont2 = looks_[1].font2;
    quint32& MnemoBGColor = looks_[2].background;
    FontRecord& MnemoFont1 = looks_[2].font1;
    FontRecord& MnemoFont2 = looks_[2].font2;
    quint32& TargetBGColor = looks_[3].background;
    std::array<quint32, 10>& TargetColor = looks_[3].targetColours; // TargetColor1 ... 10
    quint32& MathBGColor = looks_[4].background;
    quint32& MathGridColor = looks_[4].grid;
    FontRecord& MathFont1 = looks_[4].font1;
    FontRecord& MathFont2 = looks_[4].font2;
    quint32& DwordsBGColor = looks_[5].background;
    quint32& DwordsGridColor = looks_[5].grid;
    FontRecord& DwordsFont1 = looks_[5].font1;
    FontRecord& DwordsFont2 = looks_[5].font2;
    quint32& NumbersBGColor = looks_[6].background;
    quint32& NumbersGridColor = looks_[6].grid;
    bool& NumbersShowHints = looks_[6].showHints;
    bool& NumbersShowJordano = looks_[6].showJordano;
    FontRecord& NumbersFont1 = looks_[6].font1;
    FontRecord& NumbersFont2 = looks_[6].font2;
    quint32& ProbeBGColor = looks_[7].background;
    FontRecord& ProbeFont1 = looks_[7].font1;
    FontRecord& ProbeFont2 = looks_[7].font2;

    // Section "COMMON".
    bool FullScreen;
    bool LightClick;
    bool RightCP;

    // Every value back to its default.
    void RestoreDefaults();
    // The look of one settings tab back to its defaults, by its exercise number
    // (exercise index + 1); other numbers change nothing.
    void RestoreDefaults(int exerciseNumber);

    // Reads every "OPTIONS" entry and the three switches, in the fixed load order; absent
    // or too short entries give the defaults. OxelError of a damaged store propagates; the
    // values not read by then keep their defaults.
    void Load(TDataFile& file);
    // Writes every "OPTIONS" entry in the fixed save order, in one atomic replacement of the
    // file that leaves the same bytes as the writes one by one. On OxelError the file is
    // unchanged.
    void SaveOptions(TDataFile& file) const;
    // Takes every "OPTIONS" value of the other settings; the "COMMON" switches stay.
    void TakeOptions(const Settings& other);

    // The switches: the field is set, then written.
    void WriteFullScreen(TDataFile& file, bool on);
    void WriteLightClick(TDataFile& file, bool on);
    void WriteRightCP(TDataFile& file, bool on);

    // The colours an exercise's board draws with, by exercise index; out of range throws.
    quint32 BoardBgColor(int exerciseIndex) const;
    quint32 BoardGridColor(int exerciseIndex) const;

    // "COMMON"/"LastUser"; absent gives the Russian text for "no name" in every language.
    static QString ReadLastUser(TDataFile& file);
    static void WriteLastUser(TDataFile& file, const QString& name);
    // "COMMON"/"Language", the interface language byte; absent (every older file) gives
    // Russian.
    static int ReadLanguage(TDataFile& file);
    static void WriteLanguage(TDataFile& file, int language);
    // "Lessons"/"Height" and "Width" of the statistics window (300 x 500 by default);
    // written height first.
    static QSize ReadLessonsSize(TDataFile& file);
    static void WriteLessonsSize(TDataFile& file, const QSize& size);

    // The default fonts.
    static FontRecord SchulteLargeFont() { return DefaultFont::SchulteLarge.Record(); }
    static FontRecord SchulteSmallFont() { return DefaultFont::SchulteSmall.Record(); }
    static FontRecord SmallBoldFont() { return DefaultFont::SmallBold.Record(); }
    static FontRecord Large14Font() { return DefaultFont::Large14.Record(); }
    static FontRecord Large12Font() { return DefaultFont::Large12.Record(); }
    static FontRecord NumbersLargeFont() { return DefaultFont::NumbersLarge.Record(); }
    static FontRecord NumbersSmallFont() { return DefaultFont::NumbersSmall.Record(); }

    // Fixed looks that have no entry.
    static constexpr quint32 RBShulteBGColor = 0xF0FBFF;
    static constexpr quint32 RBShulteGridColor = 0xC0C0C0;
    static constexpr quint32 TargetGridColor = 0xC0C0C0;
    static FontRecord TargetFont() { return DefaultFont::Target.Record(); }

    static constexpr std::array<quint32, 10> DefaultTargetColors = DefaultTargetColours;

    bool operator==(const Settings& other) const;
};
