#include "Settings.h"

#include "Texts.h"

#include <stdexcept>

namespace {

const QString Options = QStringLiteral("OPTIONS");
const QString Common = QStringLiteral("COMMON");
const QString Lessons = QStringLiteral("Lessons");

FontRecord ArialFont(quint16 size, quint32 colour, quint8 style) {
    FontRecord font;
    font.face = QStringLiteral("ARIAL");
    font.size = size;
    font.colour = colour;
    font.style = style;
    return font;
}

QString TargetColorName(int number) {
    return QStringLiteral("TargetColor%1").arg(number);
}

// Typed access to the "OPTIONS" section; reads keep the field's current value as default.
class OptionsAccess {
public:
    explicit OptionsAccess(TDataFile& file) : file_(file) {}

    void Read(const char* name, quint32& colour) {
        colour = static_cast<quint32>(
            file_.ReadInteger(Options, QLatin1String(name), static_cast<qint32>(colour)));
    }
    void Read(const char* name, bool& flag) {
        flag = file_.ReadBool(Options, QLatin1String(name), flag);
    }
    // A present entry is read over the default; a damaged one leaves the default.
    void Read(const char* name, FontRecord& font) {
        if (file_.EntryExists(Options, QLatin1String(name)))
            file_.ReadFont(Options, QLatin1String(name), font);
    }

    void Write(const char* name, quint32 colour) {
        file_.WriteInteger(Options, QLatin1String(name), static_cast<qint32>(colour));
    }
    void Write(const char* name, bool flag) { file_.WriteBool(Options, QLatin1String(name), flag); }
    void Write(const char* name, const FontRecord& font) {
        file_.WriteFont(Options, QLatin1String(name), font);
    }

private:
    TDataFile& file_;
};

} // namespace

Settings::Settings() {
    RestoreDefaults();
}

FontRecord Settings::SchulteLargeFont() {
    return ArialFont(22, 0x000000, 0);
}
FontRecord Settings::SchulteSmallFont() {
    return ArialFont(10, 0xFF0000, 0);
}
FontRecord Settings::SmallBoldFont() {
    return ArialFont(10, 0xFF0000, FontRecord::Bold);
}
FontRecord Settings::Large14Font() {
    return ArialFont(14, 0x000000, 0);
}
FontRecord Settings::Large12Font() {
    return ArialFont(12, 0x000000, 0);
}
FontRecord Settings::NumbersLargeFont() {
    return ArialFont(22, 0xFFFFFF, 0);
}
FontRecord Settings::NumbersSmallFont() {
    return ArialFont(10, 0x00FFFF, FontRecord::Bold);
}

FontRecord Settings::TargetFont() {
    FontRecord font = ArialFont(14, 0x0000FF, 0);
    font.face = QStringLiteral("TIMES NEW ROMAN");
    return font;
}

void Settings::RestoreDefaults() {
    for (int number = 1; number <= 8; ++number)
        RestoreDefaults(number);
    FullScreen = false;
    LightClick = true;
    RightCP = true;
}

void Settings::RestoreDefaults(int exerciseNumber) {
    switch (exerciseNumber) {
    case 1:
        ShulteBGColor = 0xF0FBFF;
        ShulteGridColor = 0xC0C0C0;
        ShulteGPColor = 0x00FF00;
        ShulteFont1 = SchulteLargeFont();
        ShulteFont2 = SchulteSmallFont();
        break;
    case 2:
        RbShulteFont1 = SchulteLargeFont();
        RbShulteFont2 = SmallBoldFont();
        break;
    case 3:
        MnemoBGColor = 0xF0CAA6;
        MnemoFont1 = Large14Font();
        MnemoFont2 = SmallBoldFont();
        break;
    case 4:
        TargetBGColor = 0x000000;
        TargetColor = DefaultTargetColors;
        break;
    case 5:
        MathBGColor = 0xF0FBFF;
        MathGridColor = 0xC0C0C0;
        MathFont1 = SchulteLargeFont();
        MathFont2 = SmallBoldFont();
        break;
    case 6:
        DwordsBGColor = 0xF0CAA6;
        DwordsGridColor = 0xF0FBFF;
        DwordsFont1 = Large14Font();
        DwordsFont2 = SmallBoldFont();
        break;
    case 7:
        NumbersBGColor = 0x9C8C1F;
        NumbersGridColor = 0x9C8C1F;
        NumbersShowHints = true;
        NumbersShowJordano = false;
        NumbersFont1 = NumbersLargeFont();
        NumbersFont2 = NumbersSmallFont();
        break;
    case 8:
        ProbeBGColor = 0xF0FBFF;
        ProbeFont1 = Large12Font();
        ProbeFont2 = SmallBoldFont();
        break;
    default:
        break;
    }
}

void Settings::Load(TDataFile& file) {
    RestoreDefaults();
    OptionsAccess o(file);
    o.Read("ShulteBGColor", ShulteBGColor);
    o.Read("ShulteGridColor", ShulteGridColor);
    o.Read("ShulteGPColor", ShulteGPColor);
    o.Read("ShulteFont1", ShulteFont1);
    o.Read("ShulteFont2", ShulteFont2);
    o.Read("RbShulteFont1", RbShulteFont1);
    o.Read("RbShulteFont2", RbShulteFont2);
    o.Read("MnemoBGColor", MnemoBGColor);
    o.Read("MnemoFont1", MnemoFont1);
    o.Read("MnemoFont2", MnemoFont2);
    o.Read("ProbeBGColor", ProbeBGColor);
    o.Read("ProbeFont1", ProbeFont1);
    o.Read("ProbeFont2", ProbeFont2);
    o.Read("MathBGColor", MathBGColor);
    o.Read("MathGridColor", MathGridColor);
    o.Read("MathFont1", MathFont1);
    o.Read("MathFont2", MathFont2);
    o.Read("DwordsBGColor", DwordsBGColor);
    o.Read("DwordsGridColor", DwordsGridColor);
    o.Read("DwordsFont1", DwordsFont1);
    o.Read("DwordsFont2", DwordsFont2);
    o.Read("NumbersBGColor", NumbersBGColor);
    o.Read("NumbersGridColor", NumbersGridColor);
    o.Read("NumbersShowHints", NumbersShowHints);
    o.Read("NumbersShowJordano", NumbersShowJordano);
    o.Read("NumbersFont1", NumbersFont1);
    o.Read("NumbersFont2", NumbersFont2);
    o.Read("TargetBGColor", TargetBGColor);
    for (int i = 0; i < 10; ++i)
        TargetColor[i] = static_cast<quint32>(
            file.ReadInteger(Options, TargetColorName(i + 1), static_cast<qint32>(TargetColor[i])));
    FullScreen = file.ReadBool(Common, QStringLiteral("FullScreen"), FullScreen);
    LightClick = file.ReadBool(Common, QStringLiteral("LightClick"), LightClick);
    RightCP = file.ReadBool(Common, QStringLiteral("RightCP"), RightCP);
}

void Settings::SaveOptions(TDataFile& file) const {
    TDataFile::Batch batch(file);
    OptionsAccess o(file);
    o.Write("DwordsBGColor", DwordsBGColor);
    o.Write("DwordsGridColor", DwordsGridColor);
    o.Write("DwordsFont1", DwordsFont1);
    o.Write("DwordsFont2", DwordsFont2);
    o.Write("MathBGColor", MathBGColor);
    o.Write("MathGridColor", MathGridColor);
    o.Write("MathFont1", MathFont1);
    o.Write("MathFont2", MathFont2);
    o.Write("RBShulteFont1", RbShulteFont1);
    o.Write("RBShulteFont2", RbShulteFont2);
    o.Write("ShulteBGColor", ShulteBGColor);
    o.Write("ShulteGridColor", ShulteGridColor);
    o.Write("ShulteGPColor", ShulteGPColor);
    o.Write("ShulteFont1", ShulteFont1);
    o.Write("ShulteFont2", ShulteFont2);
    o.Write("MnemoBGColor", MnemoBGColor);
    o.Write("MnemoFont1", MnemoFont1);
    o.Write("MnemoFont2", MnemoFont2);
    o.Write("ProbeBGColor", ProbeBGColor);
    o.Write("ProbeFont1", ProbeFont1);
    o.Write("ProbeFont2", ProbeFont2);
    o.Write("NumbersBGColor", NumbersBGColor);
    o.Write("NumbersGridColor", NumbersGridColor);
    o.Write("NumbersShowHints", NumbersShowHints);
    o.Write("NumbersShowJordano", NumbersShowJordano);
    o.Write("NumbersFont1", NumbersFont1);
    o.Write("NumbersFont2", NumbersFont2);
    o.Write("TargetBGColor", TargetBGColor);
    for (int i = 0; i < 10; ++i)
        file.WriteInteger(Options, TargetColorName(i + 1), static_cast<qint32>(TargetColor[i]));
    batch.Commit();
}

void Settings::TakeOptions(const Settings& other) {
    const bool fullScreen = FullScreen;
    const bool lightClick = LightClick;
    const bool rightCP = RightCP;
    *this = other;
    FullScreen = fullScreen;
    LightClick = lightClick;
    RightCP = rightCP;
}

void Settings::WriteFullScreen(TDataFile& file, bool on) {
    FullScreen = on;
    file.WriteBool(Common, QStringLiteral("FullScreen"), on);
}

void Settings::WriteLightClick(TDataFile& file, bool on) {
    LightClick = on;
    file.WriteBool(Common, QStringLiteral("LightClick"), on);
}

void Settings::WriteRightCP(TDataFile& file, bool on) {
    RightCP = on;
    file.WriteBool(Common, QStringLiteral("RightCP"), on);
}

quint32 Settings::BoardBgColor(int exerciseIndex) const {
    switch (exerciseIndex) {
    case 0:
        return ShulteBGColor;
    case 1:
        return RBShulteBGColor;
    case 2:
        return MnemoBGColor;
    case 3:
        return TargetBGColor;
    case 4:
        return MathBGColor;
    case 5:
        return DwordsBGColor;
    case 6:
        return NumbersGridColor;
    case 7:
        return ProbeBGColor;
    default:
        throw std::out_of_range("exercise index out of range");
    }
}

QString Settings::ReadLastUser(TDataFile& file) {
    return file.ReadString(Common, QStringLiteral("LastUser"), T(Tx::NoName, 2));
}

void Settings::WriteLastUser(TDataFile& file, const QString& name) {
    file.WriteString(Common, QStringLiteral("LastUser"), name);
}

int Settings::ReadLanguage(TDataFile& file) {
    return file.ReadInteger(Common, QStringLiteral("Language"), 2) == 1 ? 1 : 2;
}

void Settings::WriteLanguage(TDataFile& file, int language) {
    file.WriteInteger(Common, QStringLiteral("Language"), language == 1 ? 1 : 2);
}

QSize Settings::ReadLessonsSize(TDataFile& file) {
    const int height = file.ReadInteger(Lessons, QStringLiteral("Height"), 300);
    const int width = file.ReadInteger(Lessons, QStringLiteral("Width"), 500);
    return QSize(width, height);
}

void Settings::WriteLessonsSize(TDataFile& file, const QSize& size) {
    file.WriteInteger(Lessons, QStringLiteral("Height"), size.height());
    file.WriteInteger(Lessons, QStringLiteral("Width"), size.width());
}
