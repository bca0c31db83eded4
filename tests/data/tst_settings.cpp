#include "FileBytes.h"
#include "TestSupport.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/InterfaceLanguage.h"
#include "data/Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

const char* const StoreKey = "Qwzr7TnbpXahkM2VdeLFyuo4s";

// Section/name pairs of a store file in file order, deciphered independently of TDataFile.
QStringList EntryNames(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    QStringList names;
    qsizetype pos = 0;
    while (pos + 80 <= bytes.size()) {
        QByteArray header = bytes.mid(pos, 80);
        for (int i = 1; i < 80; ++i)
            header[i] = static_cast<char>(header[i] ^ StoreKey[(i - 1) % 25]);
        const auto field = [&](int offset) {
            return QString::fromLatin1(header.constData() + offset);
        };
        const quint32 length = static_cast<quint8>(header[76]) |
                               static_cast<quint8>(header[77]) << 8 |
                               static_cast<quint8>(header[78]) << 16 |
                               static_cast<quint32>(static_cast<quint8>(header[79])) << 24;
        names.append(field(4) + '/' + field(40));
        pos += 80 + length;
    }
    return names;
}

// A settings object whose every value differs from its default.
Settings Changed() {
    Settings s;
    quint32 colour = 0x010203;
    for (quint32* c :
         {&s.ShulteBGColor, &s.ShulteGridColor, &s.ShulteGPColor, &s.MnemoBGColor, &s.ProbeBGColor,
          &s.MathBGColor, &s.MathGridColor, &s.DwordsBGColor, &s.DwordsGridColor, &s.NumbersBGColor,
          &s.NumbersGridColor, &s.TargetBGColor})
        *c = colour++;
    for (quint32& c : s.TargetColor)
        c = colour++;
    quint16 size = 30;
    for (FontRecord* f :
         {&s.ShulteFont1, &s.ShulteFont2, &s.RbShulteFont1, &s.RbShulteFont2, &s.MnemoFont1,
          &s.MnemoFont2, &s.ProbeFont1, &s.ProbeFont2, &s.MathFont1, &s.MathFont2, &s.DwordsFont1,
          &s.DwordsFont2, &s.NumbersFont1, &s.NumbersFont2}) {
        f->size = size++;
        f->face = QStringLiteral("Liberation Serif");
        f->style = FontRecord::Italic | FontRecord::Underline;
        f->charset = 204;
        f->pitch = 2;
    }
    s.NumbersShowHints = false;
    s.NumbersShowJordano = true;
    return s;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void missingFileGivesEveryDefault();
    void defaultFontsAreArial();
    void savedOptionsLoadBackUnchanged();
    void saveWritesTheFixedOrder();
    void redBlackFontsWrittenUpperReadMixedCase();
    void damagedFontEntryKeepsItsDefault();
    void shortIntegerEntryGivesDefault();
    void damagedStoreThrowsAndKeepsDefaults();
    void switchesAreWrittenToCommon();
    void restoreOneTabLeavesOthers();
    void boardBackgroundPerExercise();
    void lastUserAndLessonsSize();
    void languageOfNewOldAndChosenFolders();
};

void TestSettings::missingFileGivesEveryDefault() {
    ProgramFolder folder(false);
    TDataFile file(folder.file("oxel.ini"));
    Settings s = Changed();
    s.FullScreen = true;
    s.LightClick = false;
    s.RightCP = false;
    s.Load(file);
    QCOMPARE(s.ShulteBGColor, 0xF0FBFFu);
    QCOMPARE(s.ShulteGridColor, 0xC0C0C0u);
    QCOMPARE(s.ShulteGPColor, 0x00FF00u);
    QCOMPARE(s.MnemoBGColor, 0xF0CAA6u);
    QCOMPARE(s.ProbeBGColor, 0xF0FBFFu);
    QCOMPARE(s.MathBGColor, 0xF0FBFFu);
    QCOMPARE(s.MathGridColor, 0xC0C0C0u);
    QCOMPARE(s.DwordsBGColor, 0xF0CAA6u);
    QCOMPARE(s.DwordsGridColor, 0xF0FBFFu);
    QCOMPARE(s.NumbersBGColor, 0x9C8C1Fu);
    QCOMPARE(s.NumbersGridColor, 0x9C8C1Fu);
    QCOMPARE(s.NumbersShowHints, true);
    QCOMPARE(s.NumbersShowJordano, false);
    QCOMPARE(s.TargetBGColor, 0u);
    const std::array<quint32, 10> targets = {0x00FF00, 0xFFFFFF, 0x0000FF, 0xFF8000, 0x3EFFFF,
                                             0x73A332, 0xB6B6B6, 0xFF80FF, 0xA46C71, 0x5681A7};
    QVERIFY(s.TargetColor == targets);
    QCOMPARE(s.FullScreen, false);
    QCOMPARE(s.LightClick, true);
    QCOMPARE(s.RightCP, true);
    QCOMPARE(s, Settings());
    QCOMPARE(QFileInfo(file.FileName()).size(), 0);
}

void TestSettings::defaultFontsAreArial() {
    const Settings s;
    const auto check = [](const FontRecord& f, int size, quint32 colour, int style) {
        QCOMPARE(f.face, QStringLiteral("ARIAL"));
        QCOMPARE(int(f.size), size);
        QCOMPARE(f.colour, colour);
        QCOMPARE(int(f.style), style);
        QCOMPARE(int(f.charset), 1);
        QCOMPARE(int(f.pitch), 0);
    };
    check(s.ShulteFont1, 22, 0x000000, 0);
    check(s.RbShulteFont1, 22, 0x000000, 0);
    check(s.MathFont1, 22, 0x000000, 0);
    check(s.ShulteFont2, 10, 0xFF0000, 0);
    for (const FontRecord* f :
         {&s.RbShulteFont2, &s.MnemoFont2, &s.ProbeFont2, &s.MathFont2, &s.DwordsFont2})
        check(*f, 10, 0xFF0000, FontRecord::Bold);
    check(s.MnemoFont1, 14, 0x000000, 0);
    check(s.DwordsFont1, 14, 0x000000, 0);
    check(s.ProbeFont1, 12, 0x000000, 0);
    check(s.NumbersFont1, 22, 0xFFFFFF, 0);
    check(s.NumbersFont2, 10, 0x00FFFF, FontRecord::Bold);
    const FontRecord target = Settings::TargetFont();
    QCOMPARE(target.face, QStringLiteral("TIMES NEW ROMAN"));
    QCOMPARE(int(target.size), 14);
    QCOMPARE(target.colour, 0x0000FFu);
}

void TestSettings::savedOptionsLoadBackUnchanged() {
    ProgramFolder folder(false);
    const Settings written = Changed();
    {
        TDataFile file(folder.file("oxel.ini"));
        written.SaveOptions(file);
    }
    TDataFile file(folder.file("oxel.ini"));
    Settings read;
    read.Load(file);
    QCOMPARE(read, written);
    QVERIFY(read != Settings());
}

void TestSettings::saveWritesTheFixedOrder() {
    ProgramFolder folder(false);
    TDataFile file(folder.file("oxel.ini"));
    Settings().SaveOptions(file);
    QStringList expected;
    for (const char* name :
         {"DwordsBGColor",      "DwordsGridColor", "DwordsFont1",      "DwordsFont2",
          "MathBGColor",        "MathGridColor",   "MathFont1",        "MathFont2",
          "RBShulteFont1",      "RBShulteFont2",   "ShulteBGColor",    "ShulteGridColor",
          "ShulteGPColor",      "ShulteFont1",     "ShulteFont2",      "MnemoBGColor",
          "MnemoFont1",         "MnemoFont2",      "ProbeBGColor",     "ProbeFont1",
          "ProbeFont2",         "NumbersBGColor",  "NumbersGridColor", "NumbersShowHints",
          "NumbersShowJordano", "NumbersFont1",    "NumbersFont2",     "TargetBGColor"})
        expected.append(QStringLiteral("OPTIONS/") + name);
    for (int i = 1; i <= 10; ++i)
        expected.append(QStringLiteral("OPTIONS/TargetColor%1").arg(i));
    for (const char* name : {"NBackBGColor", "NBackGridColor", "NBackGPColor", "NBackFont1"})
        expected.append(QStringLiteral("OPTIONS/") + name);
    QCOMPARE(EntryNames(file.FileName()), expected);
    // A second save rewrites every entry, so the order stays the same.
    Changed().SaveOptions(file);
    QCOMPARE(EntryNames(file.FileName()), expected);
}

void TestSettings::redBlackFontsWrittenUpperReadMixedCase() {
    ProgramFolder folder(false);
    TDataFile file(folder.file("oxel.ini"));
    FontRecord font = Settings::SchulteLargeFont();
    font.size = 40;
    font.face = QStringLiteral("Liberation Mono");
    file.WriteFont("OPTIONS", "RBShulteFont1", font);
    file.WriteInteger("options", "shultebgcolor", 0x123456);
    Settings s;
    s.Load(file);
    QCOMPARE(s.RbShulteFont1, font);
    QCOMPARE(s.ShulteBGColor, 0x123456u);
    QCOMPARE(s.ShulteFont1, Settings::SchulteLargeFont());
}

void TestSettings::damagedFontEntryKeepsItsDefault() {
    ProgramFolder folder(false);
    TDataFile file(folder.file("oxel.ini"));
    file.WriteData("OPTIONS", "NumbersFont2", 9, "123456789");
    Settings s;
    s.NumbersFont2.size = 99;
    s.Load(file);
    QCOMPARE(s.NumbersFont2, Settings::NumbersSmallFont());
}

void TestSettings::shortIntegerEntryGivesDefault() {
    ProgramFolder folder(false);
    TDataFile file(folder.file("oxel.ini"));
    file.WriteData("OPTIONS", "MnemoBGColor", 1, "\x05");
    file.WriteData("OPTIONS", "TargetColor3", 2, "\x05\x06");
    file.WriteInteger("OPTIONS", "TargetColor4", 0x112233);
    Settings s;
    s.Load(file);
    QCOMPARE(s.MnemoBGColor, 0xF0CAA6u);
    QCOMPARE(s.TargetColor[2], 0x0000FFu);
    QCOMPARE(s.TargetColor[3], 0x112233u);
}

void TestSettings::damagedStoreThrowsAndKeepsDefaults() {
    ProgramFolder folder(false);
    {
        QFile f(folder.file("oxel.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, 'x'));
    }
    TDataFile file(folder.file("oxel.ini"));
    Settings s = Changed();
    try {
        s.Load(file);
        QFAIL("a damaged store loaded without an error");
    } catch (const OxelError& e) {
        QCOMPARE(e.text(), QStringLiteral("Invalid file format."));
    }
    QCOMPARE(s, Settings());
}

void TestSettings::switchesAreWrittenToCommon() {
    ProgramFolder folder(false);
    TDataFile file(folder.file("oxel.ini"));
    Settings s;
    s.WriteFullScreen(file, true);
    s.WriteLightClick(file, false);
    s.WriteRightCP(file, false);
    QVERIFY(s.FullScreen && !s.LightClick && !s.RightCP);
    QCOMPARE(EntryNames(file.FileName()),
             QStringList({"COMMON/FullScreen", "COMMON/LightClick", "COMMON/RightCP"}));
    Settings read;
    read.Load(file);
    QCOMPARE(read.FullScreen, true);
    QCOMPARE(read.LightClick, false);
    QCOMPARE(read.RightCP, false);
}

void TestSettings::restoreOneTabLeavesOthers() {
    const Settings changed = Changed();
    Settings s = changed;
    s.RestoreDefaults(4);
    QVERIFY(s.TargetColor == Settings::DefaultTargetColors);
    QCOMPARE(s.TargetBGColor, 0u);
    s.TargetColor = changed.TargetColor;
    s.TargetBGColor = changed.TargetBGColor;
    QCOMPARE(s, changed);

    s.RestoreDefaults(7);
    QCOMPARE(s.NumbersGridColor, 0x9C8C1Fu);
    QCOMPARE(s.NumbersBGColor, 0x9C8C1Fu);
    QVERIFY(s.NumbersShowHints && !s.NumbersShowJordano);
    QCOMPARE(s.NumbersFont1, Settings::NumbersLargeFont());
    QCOMPARE(s.ShulteBGColor, changed.ShulteBGColor);

    s.RestoreDefaults(2);
    QCOMPARE(s.RbShulteFont1, Settings::SchulteLargeFont());
    QCOMPARE(s.RbShulteFont2, Settings::SmallBoldFont());
    QCOMPARE(s.ShulteFont1, changed.ShulteFont1);

    Settings untouched = changed;
    untouched.RestoreDefaults(0);
    untouched.RestoreDefaults(9);
    QCOMPARE(untouched, changed);
}

void TestSettings::boardBackgroundPerExercise() {
    const Settings s = Changed();
    QCOMPARE(s.BoardBgColor(0), s.ShulteBGColor);
    QCOMPARE(s.BoardBgColor(1), 0xF0FBFFu);
    QCOMPARE(s.BoardBgColor(2), s.MnemoBGColor);
    QCOMPARE(s.BoardBgColor(3), s.TargetBGColor);
    QCOMPARE(s.BoardBgColor(4), s.MathBGColor);
    QCOMPARE(s.BoardBgColor(5), s.DwordsBGColor);
    QCOMPARE(s.BoardBgColor(6), s.NumbersGridColor);
    QCOMPARE(s.BoardBgColor(7), s.ProbeBGColor);
    QCOMPARE(s.BoardBgColor(8), s.Look(8).background);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.BoardBgColor(9));
}

void TestSettings::lastUserAndLessonsSize() {
    ProgramFolder folder(false);
    TDataFile file(folder.file("oxel.ini"));
    QCOMPARE(Settings::ReadLastUser(file), QStringLiteral("без имени"));
    QCOMPARE(Settings::ReadLessonsSize(file), QSize(500, 300));
    Settings::WriteLastUser(file, QStringLiteral("Анна"));
    Settings::WriteLessonsSize(file, QSize(640, 420));
    QCOMPARE(Settings::ReadLastUser(file), QStringLiteral("Анна"));
    QCOMPARE(Settings::ReadLessonsSize(file), QSize(640, 420));
    QCOMPARE(EntryNames(file.FileName()),
             QStringList({"COMMON/LastUser", "Lessons/Height", "Lessons/Width"}));
}

// A new folder follows the locale and keeps it; an older oxel.ini without the entry stays
// Russian and is not touched; a stored choice wins over the locale.
void TestSettings::languageOfNewOldAndChosenFolders() {
    // Stored before: -1 no file, 0 a file without the entry, else the language stored.
    const struct {
        int before;
        const char* locale;
        int language;
    } cases[] = {
        {-1, "en_US", 1}, {-1, "C", 1}, {-1, "ru_RU", 2}, {0, "en_US", 2}, {1, "ru_RU", 1}};
    for (const auto& c : cases) {
        ProgramFolder folder(false);
        const QString path = folder.file("oxel.ini");
        if (c.before >= 0) {
            TDataFile file(path);
            Settings::WriteLastUser(file, QStringLiteral("Анна"));
            if (c.before > 0)
                Settings::WriteLanguage(file, c.before);
        }
        const QByteArray before = ReadBytes(path);
        QCOMPARE(InterfaceLanguage::Settle(path, QLatin1String(c.locale)), c.language);
        if (c.before >= 0)
            QCOMPARE(ReadBytes(path), before);
        else
            QCOMPARE(EntryNames(path), QStringList({"COMMON/Language"}));
        TDataFile file(path);
        QCOMPARE(Settings::ReadLanguage(file), c.language);
    }
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
