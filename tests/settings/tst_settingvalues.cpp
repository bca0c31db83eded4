#include "FileBytes.h"
#include "TestSupport.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/ExerciseInfo.h"
#include "settings/SettingValues.h"

#include <QSet>
#include <QTest>

namespace {

// Gives every control of the table a value different from its default and from every other.
SettingValues ChangeEveryControl(const Settings& from) {
    SettingValues values(from);
    quint32 colour = 0x100000;
    quint16 size = 40;
    for (const SettingField& field : SettingFields()) {
        switch (field.control) {
        case SettingControl::FontButton: {
            FontRecord font = values.Font(field);
            font.size = size++;
            font.face = QStringLiteral("Liberation Serif");
            values.SetFont(field, font);
            break;
        }
        case SettingControl::ColourBox:
        case SettingControl::TargetPanel:
            values.SetColour(field, colour++);
            break;
        case SettingControl::Toggle:
            values.SetFlag(field, !values.Flag(field));
            break;
        }
    }
    return values;
}

// The "OPTIONS" values of the looks that differ between the two, by entry name.
QStringList Differences(const Settings& a, const Settings& b) {
    QStringList names;
    const auto check = [&](const char* name, bool differs) {
        if (differs)
            names << QLatin1String(name);
    };
    check("ShulteBGColor", a.ShulteBGColor != b.ShulteBGColor);
    check("ShulteGridColor", a.ShulteGridColor != b.ShulteGridColor);
    check("ShulteGPColor", a.ShulteGPColor != b.ShulteGPColor);
    check("ShulteFont1", a.ShulteFont1 != b.ShulteFont1);
    check("ShulteFont2", a.ShulteFont2 != b.ShulteFont2);
    check("RbShulteFont1", a.RbShulteFont1 != b.RbShulteFont1);
    check("RbShulteFont2", a.RbShulteFont2 != b.RbShulteFont2);
    check("MnemoBGColor", a.MnemoBGColor != b.MnemoBGColor);
    check("MnemoFont1", a.MnemoFont1 != b.MnemoFont1);
    check("MnemoFont2", a.MnemoFont2 != b.MnemoFont2);
    check("ProbeBGColor", a.ProbeBGColor != b.ProbeBGColor);
    check("ProbeFont1", a.ProbeFont1 != b.ProbeFont1);
    check("ProbeFont2", a.ProbeFont2 != b.ProbeFont2);
    check("MathBGColor", a.MathBGColor != b.MathBGColor);
    check("MathGridColor", a.MathGridColor != b.MathGridColor);
    check("MathFont1", a.MathFont1 != b.MathFont1);
    check("MathFont2", a.MathFont2 != b.MathFont2);
    check("DwordsBGColor", a.DwordsBGColor != b.DwordsBGColor);
    check("DwordsGridColor", a.DwordsGridColor != b.DwordsGridColor);
    check("DwordsFont1", a.DwordsFont1 != b.DwordsFont1);
    check("DwordsFont2", a.DwordsFont2 != b.DwordsFont2);
    check("NumbersBGColor", a.NumbersBGColor != b.NumbersBGColor);
    check("NumbersGridColor", a.NumbersGridColor != b.NumbersGridColor);
    check("NumbersShowHints", a.NumbersShowHints != b.NumbersShowHints);
    check("NumbersShowJordano", a.NumbersShowJordano != b.NumbersShowJordano);
    check("NumbersFont1", a.NumbersFont1 != b.NumbersFont1);
    check("NumbersFont2", a.NumbersFont2 != b.NumbersFont2);
    check("TargetBGColor", a.TargetBGColor != b.TargetBGColor);
    for (int i = 0; i < 10; ++i)
        if (a.TargetColor[i] != b.TargetColor[i])
            names << QStringLiteral("TargetColor%1").arg(i + 1);
    const ExerciseLook &nbackA = a.Look(8), &nbackB = b.Look(8);
    check("NBackBGColor", nbackA.background != nbackB.background);
    check("NBackGridColor", nbackA.grid != nbackB.grid);
    check("NBackGPColor", nbackA.glyph != nbackB.glyph);
    check("NBackFont1", nbackA.font1 != nbackB.font1);
    return names;
}

// The entries a tab edits, by its tag.
QStringList EntriesOfTab(int tag) {
    switch (tag) {
    case 1:
        return {"ShulteBGColor", "ShulteGridColor", "ShulteGPColor", "ShulteFont1", "ShulteFont2"};
    case 2:
        return {"RbShulteFont1", "RbShulteFont2"};
    case 3:
        return {"MnemoBGColor", "MnemoFont1", "MnemoFont2"};
    case 4: {
        QStringList names{"TargetBGColor"};
        for (int i = 1; i <= 10; ++i)
            names << QStringLiteral("TargetColor%1").arg(i);
        return names;
    }
    case 5:
        return {"MathBGColor", "MathGridColor", "MathFont1", "MathFont2"};
    case 6:
        return {"DwordsBGColor", "DwordsGridColor", "DwordsFont1", "DwordsFont2"};
    case 7:
        return {"NumbersBGColor",     "NumbersGridColor", "NumbersShowHints",
                "NumbersShowJordano", "NumbersFont1",     "NumbersFont2"};
    case 8:
        return {"ProbeBGColor", "ProbeFont1", "ProbeFont2"};
    default:
        return {"NBackBGColor", "NBackGridColor", "NBackGPColor", "NBackFont1"};
    }
}

} // namespace

class TestSettingValues : public QObject {
    Q_OBJECT

private slots:
    // 42 controls for 42 entries: changing every control changes every entry, so no entry
    // lacks a control and no two controls share one.
    void everyEntryHasItsOwnControl() {
        const Settings defaults;
        QCOMPARE(SettingFields().size(), std::size_t(42));
        QCOMPARE(Differences(ChangeEveryControl(defaults).Edited(), defaults).size(), 42);
        QSet<QString> names;
        for (const SettingField& field : SettingFields())
            names.insert(QLatin1String(field.name));
        QCOMPARE(names.size(), 42);
    }

    // Each tab's controls edit the entries of its own exercise.
    void controlsSitOnTheTabOfTheirExercise() {
        const Settings defaults;
        for (int tag = 1; tag <= ExerciseCount; ++tag) {
            SettingValues values(defaults);
            const SettingValues changed = ChangeEveryControl(defaults);
            for (const SettingField* field : SettingFieldsOfTab(tag)) {
                QCOMPARE(field->tag, tag);
                if (field->control == SettingControl::FontButton)
                    values.SetFont(*field, changed.Font(*field));
                else if (field->control == SettingControl::Toggle)
                    values.SetFlag(*field, changed.Flag(*field));
                else
                    values.SetColour(*field, changed.Colour(*field));
            }
            QStringList touched = Differences(values.Edited(), defaults);
            QStringList expected = EntriesOfTab(tag);
            touched.sort();
            expected.sort();
            QCOMPARE(touched, expected);
        }
    }

    void numberBackgroundBoxEditsTheGridColour() {
        const SettingField& shown = SettingFieldNamed("NumbersGridCB");
        QCOMPARE(shown.Caption(), QStringLiteral("Цвет фона"));
        QVERIFY(!shown.hidden);
        const SettingField& hidden = SettingFieldNamed("NumbersBgCB");
        QCOMPARE(hidden.Caption(), QStringLiteral("Цвет сетки"));
        QVERIFY(hidden.hidden);
        QVERIFY(SettingFieldNamed("ProbeFont2SB").hidden);
        SettingValues values{Settings()};
        values.SetColour(shown, 0x0000FF);
        QCOMPARE(values.Edited().NumbersGridColor, 0x0000FFu);
        QCOMPARE(values.Edited().NumbersBGColor, 0x9C8C1Fu);
    }

    void restoreChangesOnlyItsTab() {
        const Settings defaults;
        for (int tag = 1; tag <= ExerciseCount; ++tag) {
            SettingValues values = ChangeEveryControl(defaults);
            values.Restore(tag);
            QStringList still = Differences(values.Edited(), defaults);
            QStringList expected = Differences(ChangeEveryControl(defaults).Edited(), defaults);
            for (const QString& name : EntriesOfTab(tag))
                expected.removeAll(name);
            still.sort();
            expected.sort();
            QCOMPARE(still, expected);
        }
    }

    // Confirming stores every edited value and writes them; the window switches stay as the
    // main window has them.
    void confirmStoresAndWritesTheOptionsOnly() {
        ProgramFolder folder(false);
        TDataFile file(folder.file("oxel.ini"));
        Settings looks;
        looks.FullScreen = true;
        looks.LightClick = false;
        const SettingValues values = ChangeEveryControl(looks);
        values.Confirm(looks, &file);
        QVERIFY(looks.FullScreen);
        QVERIFY(!looks.LightClick);
        QVERIFY(Differences(looks, values.Edited()).isEmpty());
        Settings reread;
        reread.Load(file);
        QVERIFY(Differences(reread, values.Edited()).isEmpty());
        QVERIFY(!file.EntryExists("COMMON", "FullScreen"));

        Settings memoryOnly;
        values.Confirm(memoryOnly, nullptr);
        QVERIFY(Differences(memoryOnly, values.Edited()).isEmpty());
    }

    void confirmThatCannotWriteChangesNothing() {
        ProgramFolder folder(false);
        const QString path = folder.file("oxel.ini");
        WriteBytes(path, QByteArray(80, '\x55'));
        TDataFile file(path);
        Settings looks;
        const SettingValues values = ChangeEveryControl(looks);
        QVERIFY_THROWS_EXCEPTION(OxelError, values.Confirm(looks, &file));
        QVERIFY(looks == Settings());
        QCOMPARE(ReadBytes(path), QByteArray(80, '\x55'));
    }
};

QTEST_GUILESS_MAIN(TestSettingValues)
#include "tst_settingvalues.moc"
