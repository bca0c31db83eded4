#include "TestSupport.h"
#include "data/IniFile.h"
#include "data/LessonsIni.h"
#include "data/Text1251.h"

#include <QFile>
#include <QTest>

namespace {

// An INI file holding the text in Windows-1251.
IniFile Ini(const QString& text) {
    return IniFile::FromBytes(EncodeText(text));
}

} // namespace

class TestLessonsIni : public QObject {
    Q_OBJECT

private slots:
    void namesIgnoreCaseAndValuesAreTrimmed();
    void firstOfDuplicatesWins();
    void textIsWindows1251();
    void integersMustBeWhole();
    void emptyValueIsPresent();
    void missingFileHasNoLessons();
    void lessonsEndAtFirstMissingSection();
    void stepsEndAtFirstMissingExerciseKey();
    void missingKeysTakeDefaults();
    void passRuleDependsOnExercise();
    void stepOutsideExerciseListIsRefused();
    void modeTheExerciseLacksIsRefused();
    void lessonWithoutStepsIsRefused();
    void deliveredLadderIsStartable();
    void damagedBytesNeverFail();
};

void TestLessonsIni::namesIgnoreCaseAndValuesAreTrimmed() {
    const IniFile ini = Ini("orphan=1\r\n"
                            "  [ Lesson_1 ]  \r\n"
                            "; name=comment\r\n"
                            "  NAME  =  Первый  \n"
                            "quoted=\"  spaced  \"\n"
                            "single='x'\n"
                            "half=\"open\n"
                            "no equals sign\n");
    QVERIFY(ini.SectionExists("LESSON_1"));
    QVERIFY(!ini.KeyExists("LESSON_1", "orphan"));
    QCOMPARE(ini.ReadString("lesson_1", "name", "?"), QStringLiteral("Первый"));
    QCOMPARE(ini.ReadString("LESSON_1", "Quoted", "?"), QStringLiteral("  spaced  "));
    QCOMPARE(ini.ReadString("LESSON_1", "single", "?"), QStringLiteral("x"));
    QCOMPARE(ini.ReadString("LESSON_1", "half", "?"), QStringLiteral("\"open"));
    QCOMPARE(ini.ReadString("LESSON_1", "; name", "?"), QStringLiteral("?"));
    QVERIFY(!ini.KeyExists("LESSON_1", "no equals sign"));
    const IniFile cyrillic = Ini("[УРОК]\nКлюч=1\n");
    QCOMPARE(cyrillic.ReadInteger("урок", "кЛЮЧ", 0), 1);
}

void TestLessonsIni::firstOfDuplicatesWins() {
    const IniFile ini = Ini("[A]\nk=first\nk=second\n[B]\nx=1\n[a]\nk=third\nonly=later\n");
    QCOMPARE(ini.ReadString("A", "k", "?"), QStringLiteral("first"));
    QVERIFY(!ini.KeyExists("A", "only"));
    QCOMPARE(ini.ReadInteger("B", "x", 0), 1);
}

void TestLessonsIni::textIsWindows1251() {
    // "Урок" in Windows-1251
    const IniFile ini = IniFile::FromBytes("[LESSON_1]\r\nname=\xD3\xF0\xEE\xEA\r\n");
    QCOMPARE(ini.ReadString("LESSON_1", "name", "?"), QStringLiteral("Урок"));
}

void TestLessonsIni::integersMustBeWhole() {
    const IniFile ini = Ini("[S]\na=40.5\nb= 7 \nc=abc\nd=\ne=-3\nf=99999999999\ng=1e2\n");
    QCOMPARE(ini.ReadInteger("S", "a", 0), 0);
    QCOMPARE(ini.ReadInteger("S", "b", 0), 7);
    QCOMPARE(ini.ReadInteger("S", "c", 0), 0);
    QCOMPARE(ini.ReadInteger("S", "d", 5), 5);
    QCOMPARE(ini.ReadInteger("S", "e", 0), -3);
    QCOMPARE(ini.ReadInteger("S", "f", 0), 0);
    QCOMPARE(ini.ReadInteger("S", "g", 0), 0);
    QCOMPARE(ini.ReadInteger("S", "missing", 11), 11);
}

void TestLessonsIni::emptyValueIsPresent() {
    const QList<Lesson> lessons = LessonsIni::Read(Ini("[LESSON_1]\nname=\nL1=0\nR1=5\nS1=\n"));
    QCOMPARE(lessons.size(), 1);
    QCOMPARE(lessons[0].name, QString());
    QCOMPARE(lessons[0].opis, QStringLiteral("ошибка"));
    QCOMPARE(lessons[0].steps.size(), 1);
    QCOMPARE(lessons[0].steps[0].text, QString());
}

void TestLessonsIni::missingFileHasNoLessons() {
    ProgramFolder folder(false);
    QVERIFY(LessonsIni::Load(folder.file("lessons.ini")).isEmpty());
}

void TestLessonsIni::lessonsEndAtFirstMissingSection() {
    QByteArray text;
    for (int n : {1, 2, 4})
        text += "[LESSON_" + QByteArray::number(n) + "]\nL1=0\nR1=5\n";
    QList<Lesson> lessons = LessonsIni::Read(IniFile::FromBytes(text));
    QCOMPARE(lessons.size(), 2);
    QCOMPARE(lessons[1].number, 2);

    text.clear();
    for (int n = 1; n <= 12; ++n)
        text += "[LESSON_" + QByteArray::number(n) + "]\nname=n" + QByteArray::number(n) + "\n";
    lessons = LessonsIni::Read(IniFile::FromBytes(text));
    QCOMPARE(lessons.size(), 10);
    QCOMPARE(lessons[9].name, QStringLiteral("n10"));
}

void TestLessonsIni::stepsEndAtFirstMissingExerciseKey() {
    QList<Lesson> lessons =
        LessonsIni::Read(Ini("[LESSON_1]\nL1=0\nR1=5\nL2=6\nR2=3\nR3=9\nF3=1\nL4=0\nR4=5\n"));
    QCOMPARE(lessons[0].steps.size(), 2);
    QCOMPARE(lessons[0].steps[1].exercisePosition, 6);
    QCOMPARE(lessons[0].steps[1].mode, 3);

    QByteArray text = "[LESSON_1]\n";
    for (int k = 1; k <= 11; ++k)
        text += "L" + QByteArray::number(k) + "=0\nR" + QByteArray::number(k) + "=5\nF" +
                QByteArray::number(k) + "=" + QByteArray::number(10 * k) + "\n";
    lessons = LessonsIni::Read(IniFile::FromBytes(text));
    QCOMPARE(lessons[0].steps.size(), 10);
    QCOMPARE(lessons[0].steps[9].limit, 100);
}

void TestLessonsIni::missingKeysTakeDefaults() {
    const QList<Lesson> lessons = LessonsIni::Read(Ini("[LESSON_1]\nL1=2\nR1=1\n"));
    QCOMPARE(lessons[0].name, QStringLiteral("ошибка"));
    QCOMPARE(lessons[0].opis, QStringLiteral("ошибка"));
    QCOMPARE(lessons[0].steps[0].limit, 0);
    QCOMPARE(lessons[0].steps[0].text, QString());
    const QList<Lesson> noMode = LessonsIni::Read(Ini("[LESSON_1]\nL1=0\nF1=30\n"));
    QCOMPARE(noMode[0].steps[0].mode, 0);
    QCOMPARE(noMode[0].problem, LessonProblem::BadMode);
}

void TestLessonsIni::passRuleDependsOnExercise() {
    const QList<Lesson> lessons = LessonsIni::Read(
        Ini("[LESSON_1]\nname=Two\nL1=0\nR1=5\nF1=40\nS1=first\nL2=2\nR2=1\nF2=100\nS2=second\n"));
    const Lesson& lesson = lessons[0];
    QVERIFY(lesson.Startable());
    QCOMPARE(lesson.steps.size(), 2);
    QCOMPARE(lesson.steps[0].text, QStringLiteral("first"));
    QVERIFY(lesson.steps[0].Passed(40.0));
    QVERIFY(lesson.steps[0].Passed(12.3));
    QVERIFY(!lesson.steps[0].Passed(40.1));
    QVERIFY(!lesson.steps[1].Passed(99));
    QVERIFY(lesson.steps[1].Passed(100));
    QVERIFY(lesson.steps[1].Passed(250));
}

void TestLessonsIni::stepOutsideExerciseListIsRefused() {
    for (const char* text :
         {"[LESSON_1]\nL1=0\nR1=5\nL2=9\nR2=5\n", "[LESSON_1]\nL1=0\nR1=5\nL2=-1\nR2=5\n"}) {
        const QList<Lesson> lessons = LessonsIni::Read(Ini(text));
        QVERIFY(!lessons[0].Startable());
        QCOMPARE(lessons[0].problem, LessonProblem::BadExercise);
    }
    // a position that is not a number reads as 0 (Schulte); the later step 9 is refused
    const Lesson third = LessonsIni::Read(Ini("[LESSON_1]\nL1=0\nR1=5\nL2=x\nR2=5\nL3=9\n"))[0];
    QCOMPARE(third.steps[1].exercisePosition, 0);
    QCOMPARE(third.problem, LessonProblem::BadExercise);
    QCOMPARE(third.problemStep, 3);
    const Lesson lesson = LessonsIni::Read(Ini("[LESSON_1]\nL1=0\nR1=5\nL2=9\nR2=5\n"))[0];
    QCOMPARE(lesson.problemStep, 2);
    QVERIFY(!lesson.steps[1].Passed(0));
}

void TestLessonsIni::modeTheExerciseLacksIsRefused() {
    // list positions: 0 Schulte (5..9), 1 red-black (5, 7, 9), 2 targets (1..4)
    const QList<Lesson> lessons = LessonsIni::Read(Ini("[LESSON_1]\nL1=0\nR1=4\n"
                                                       "[LESSON_2]\nL1=1\nR1=6\n"
                                                       "[LESSON_3]\nL1=2\nR1=5\n"
                                                       "[LESSON_4]\nL1=2\nR1=4\nL2=7\nR2=2\n"
                                                       "[LESSON_5]\nL1=6\nR1=9\nL2=3\nR2=3\n"));
    QCOMPARE(lessons.size(), 5);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(lessons[i].problem, LessonProblem::BadMode);
        QCOMPARE(lessons[i].problemStep, 1);
    }
    QVERIFY(lessons[3].Startable());
    QVERIFY(lessons[4].Startable());
}

void TestLessonsIni::lessonWithoutStepsIsRefused() {
    const QList<Lesson> lessons = LessonsIni::Read(Ini("[LESSON_1]\nname=Empty\nR1=5\n"));
    QCOMPARE(lessons.size(), 1);
    QVERIFY(lessons[0].steps.isEmpty());
    QCOMPARE(lessons[0].problem, LessonProblem::NoSteps);
    QVERIFY(!lessons[0].Startable());
}

void TestLessonsIni::deliveredLadderIsStartable() {
    ProgramFolder folder(true);
    if (!QFile::exists(folder.file("lessons.ini")))
        QSKIP("no delivered lessons.ini");
    const QList<Lesson> lessons = LessonsIni::Load(folder.file("lessons.ini"));
    QVERIFY(!lessons.isEmpty());
    for (const Lesson& lesson : lessons) {
        QVERIFY2(lesson.Startable(), qPrintable(lesson.name));
        QVERIFY(lesson.name != QStringLiteral("ошибка"));
    }
}

void TestLessonsIni::damagedBytesNeverFail() {
    QByteArray bytes = "[LESSON_1]\nL1=0\nR1=5\n";
    for (int i = 0; i < 2000; ++i)
        bytes += static_cast<char>((i * 131 + 7) % 256);
    const QList<Lesson> lessons = LessonsIni::Read(IniFile::FromBytes(bytes));
    QVERIFY(lessons.size() >= 1 && lessons.size() <= 10);
    QCOMPARE(lessons[0].steps.first().mode, 5);
}

QTEST_GUILESS_MAIN(TestLessonsIni)
#include "tst_lessonsini.moc"
