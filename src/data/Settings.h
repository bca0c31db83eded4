#pragma once

#include "DataFile.h"

#include <QSize>
#include <QString>
#include <array>

// The program's settings held in memory: the look of every exercise board ("OPTIONS"), the
// three window switches ("COMMON"), with their defaults, loaded from and saved to the
// settings store in the fixed entry order. Colours are $BBGGRR values.
class Settings {
public:
    Settings();

    // Section "OPTIONS".
    quint32 ShulteBGColor;
    quint32 ShulteGridColor;
    quint32 ShulteGPColor;
    FontRecord ShulteFont1;
    FontRecord ShulteFont2;
    FontRecord RbShulteFont1;
    FontRecord RbShulteFont2;
    quint32 MnemoBGColor;
    FontRecord MnemoFont1;
    FontRecord MnemoFont2;
    quint32 ProbeBGColor;
    FontRecord ProbeFont1;
    FontRecord ProbeFont2;
    quint32 MathBGColor;
    quint32 MathGridColor;
    FontRecord MathFont1;
    FontRecord MathFont2;
    quint32 DwordsBGColor;
    quint32 DwordsGridColor;
    FontRecord DwordsFont1;
    FontRecord DwordsFont2;
    quint32 NumbersBGColor;
    quint32 NumbersGridColor;
    bool NumbersShowHints;
    bool NumbersShowJordano;
    FontRecord NumbersFont1;
    FontRecord NumbersFont2;
    quint32 TargetBGColor;
    std::array<quint32, 10> TargetColor; // TargetColor1 ... TargetColor10

    // Section "COMMON".
    bool FullScreen;
    bool LightClick;
    bool RightCP;

    // Every value back to its default.
    void RestoreDefaults();
    // The values of one settings tab back to their defaults, by its exercise number
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

    // The background an exercise's board draws with, by exercise index 0..7.
    quint32 BoardBgColor(int exerciseIndex) const;

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
    static FontRecord SchulteLargeFont();
    static FontRecord SchulteSmallFont();
    static FontRecord SmallBoldFont();
    static FontRecord Large14Font();
    static FontRecord Large12Font();
    static FontRecord NumbersLargeFont();
    static FontRecord NumbersSmallFont();

    // Fixed looks that have no entry.
    static constexpr quint32 RBShulteBGColor = 0xF0FBFF;
    static constexpr quint32 RBShulteGridColor = 0xC0C0C0;
    static constexpr quint32 TargetGridColor = 0xC0C0C0;
    static FontRecord TargetFont();

    static constexpr std::array<quint32, 10> DefaultTargetColors = {
        0x00FF00, 0xFFFFFF, 0x0000FF, 0xFF8000, 0x3EFFFF,
        0x73A332, 0xB6B6B6, 0xFF80FF, 0xA46C71, 0x5681A7};

    bool operator==(const Settings&) const = default;
};
