#include "OptionsReference.h"

#include "data/DataFile.h"
#include "data/Settings.h"

void WriteOptionsOneByOne(TDataFile& file, const Settings& s) {
    const QString o = QStringLiteral("OPTIONS");
    const auto colour = [&](const char* name, quint32 value) {
        file.WriteInteger(o, QLatin1String(name), static_cast<qint32>(value));
    };
    const auto font = [&](const char* name, const FontRecord& value) {
        file.WriteFont(o, QLatin1String(name), value);
    };
    colour("DwordsBGColor", s.DwordsBGColor);
    colour("DwordsGridColor", s.DwordsGridColor);
    font("DwordsFont1", s.DwordsFont1);
    font("DwordsFont2", s.DwordsFont2);
    colour("MathBGColor", s.MathBGColor);
    colour("MathGridColor", s.MathGridColor);
    font("MathFont1", s.MathFont1);
    font("MathFont2", s.MathFont2);
    font("RBShulteFont1", s.RbShulteFont1);
    font("RBShulteFont2", s.RbShulteFont2);
    colour("ShulteBGColor", s.ShulteBGColor);
    colour("ShulteGridColor", s.ShulteGridColor);
    colour("ShulteGPColor", s.ShulteGPColor);
    font("ShulteFont1", s.ShulteFont1);
    font("ShulteFont2", s.ShulteFont2);
    colour("MnemoBGColor", s.MnemoBGColor);
    font("MnemoFont1", s.MnemoFont1);
    font("MnemoFont2", s.MnemoFont2);
    colour("ProbeBGColor", s.ProbeBGColor);
    font("ProbeFont1", s.ProbeFont1);
    font("ProbeFont2", s.ProbeFont2);
    colour("NumbersBGColor", s.NumbersBGColor);
    colour("NumbersGridColor", s.NumbersGridColor);
    file.WriteBool(o, QStringLiteral("NumbersShowHints"), s.NumbersShowHints);
    file.WriteBool(o, QStringLiteral("NumbersShowJordano"), s.NumbersShowJordano);
    font("NumbersFont1", s.NumbersFont1);
    font("NumbersFont2", s.NumbersFont2);
    colour("TargetBGColor", s.TargetBGColor);
    for (int i = 0; i < 10; ++i)
        file.WriteInteger(o, QStringLiteral("TargetColor%1").arg(i + 1),
                          static_cast<qint32>(s.TargetColor[static_cast<std::size_t>(i)]));
    const ExerciseLook& nback = s.Look(8);
    colour("NBackBGColor", nback.background);
    colour("NBackGridColor", nback.grid);
    colour("NBackGPColor", nback.glyph);
    font("NBackFont1", nback.font1);
}
