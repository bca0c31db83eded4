#include "TestSupport.h"
#include "data/IniFile.h"
#include "data/LessonsIni.h"
#include "data/Text1251.h"
#include "users/LadderState.h"
#include "users/UprLessons.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <limits>

namespace {

QList<Lesson> Lessons(const QString& text) {
    return LessonsIni::Read(IniFile::FromBytes(EncodeText(text)));
}

// Three lessons; the second one holds the two steps of a Schulte table and a Targets game.
QList<Lesson> ThreeLessons() {
    return Lessons("[LESSON_1]\nname=Первый\nopis=о первом\nL1=0\nR1=5\nF1=60\n"
                   "[LESSON_2]\nname=Второй\nopis=о втором\n"
                   "L1=0\nR1=5\nF1=40\nS1=Шульте 5x5\nL2=2\nR2=1\nF2=100\nS2=Мишени\n"
                   "[LESSON_3]\nname=Третий\nopis=о третьем\nL1=6\nR1=3\nF1=30\n");
}

LadderState Loaded(const Lesson& lesson) {
    LadderState state;
    state.Load(lesson);
    return state;
}

} // namespace

class TestLadderRules : public QObject {
    Q_OBJECT

private slots:
    void showOrderTakesTheLastRowForRowsThatDoNotExist_data() {
        QTest::addColumn<int>("lessonCount");
        QTest::addColumn<int>("uprLevel");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("new user") << 3 << 0 << QList<int>{2, 1, 1};
        QTest::newRow("level 1") << 3 << 1 << QList<int>{2, 1, 2};
        QTest::newRow("every lesson passed") << 3 << 3 << QList<int>{2, 1, 3};
        QTest::newRow("level beyond the list") << 3 << 9 << QList<int>{2, 1, 3};
        QTest::newRow("one lesson") << 1 << 0 << QList<int>{1, 1, 1};
        QTest::newRow("no lessons") << 0 << 0 << QList<int>{};
        QTest::newRow("damaged level") << 3 << -4 << QList<int>{2, 1, 1};
    }
    void showOrderTakesTheLastRowForRowsThatDoNotExist() {
        QFETCH(int, lessonCount);
        QFETCH(int, uprLevel);
        QFETCH(QList<int>, rows);
        QCOMPARE(UprLessons(ThreeLessons().mid(0, lessonCount), uprLevel).ShowOrder(), rows);
    }

    void spoiledLessonCannotStartAndSaysWhy() {
        const UprLessons lessons(Lessons("[LESSON_1]\nname=a\n"
                                         "[LESSON_2]\nL1=0\nR1=5\nL2=9\nR2=1\n"
                                         "[LESSON_3]\nL1=0\nR1=5\nL2=0\nR2=6\nL3=2\nR3=5\n"
                                         "[LESSON_4]\nL1=0\nR1=7\n"),
                                 9);
        QVERIFY(!lessons.MayStart(1));
        QVERIFY(!lessons.MayStart(2));
        QVERIFY(!lessons.MayStart(3));
        QVERIFY(lessons.MayStart(4));
        QCOMPARE(UprLessons::Problem(lessons.At(1)),
                 QStringLiteral("Начать нельзя: в lessons.ini у упражнения нет этапов."));
        QCOMPARE(UprLessons::Problem(lessons.At(2)),
                 QStringLiteral("Начать нельзя: у этапа 2 в lessons.ini нет такого упражнения."));
        QCOMPARE(UprLessons::Problem(lessons.At(3)),
                 QStringLiteral("Начать нельзя: у этапа 3 в lessons.ini нет такого режима."));
        QVERIFY(UprLessons::Problem(lessons.At(4)).isEmpty());
    }

    void loadingALessonStartsAtItsFirstStep() {
        const QList<Lesson> lessons = ThreeLessons();
        LadderState state = Loaded(lessons[1]);
        QCOMPARE(state.Judge(12.0), LadderState::Verdict::StepPassed);
        state.Load(lessons[1]);
        QCOMPARE(state.LadderLesson(), 2);
        QCOMPARE(state.Step(), 1);
        QCOMPARE(state.LadderStepCount(), 2);
        QVERIFY(state.StepPending());
        QCOMPARE(state.StepAt(2).exercisePosition, 2);
        QCOMPARE(state.StepAt(2).limit, 100);

        // A shorter lesson leaves nothing of the longer one behind.
        state.Load(lessons[2]);
        QCOMPARE(state.LadderStepCount(), 1);
        QCOMPARE(state.StepAt(2).limit, 0);
        QVERIFY(state.StepAt(2).text.isEmpty());
    }

    void announcementNamesLessonStepAndCount() {
        const QList<Lesson> lessons =
            Lessons("[LESSON_1]\nL1=0\nR1=5\n[LESSON_2]\nL1=0\nR1=5\n[LESSON_3]\n"
                    "L1=0\nR1=5\nL2=0\nR2=6\nS2=Шульте 6x6 за минуту\nL3=0\nR3=5\nL4=0\nR4=5\n");
        LadderState state = Loaded(lessons[2]);
        QCOMPARE(state.Judge(0.0), LadderState::Verdict::StepPassed);
        QCOMPARE(state.Announcement(),
                 QStringLiteral("УПРАЖНЕНИЕ 3 / этап 2 из 4\nШульте 6x6 за минуту"));
    }

    // The two-step lesson: a Schulte time at the limit passes, a Targets score one short of
    // its limit fails; above and at the limit the rules turn round.
    void timesPassAtOrBelowAndScoresAtOrAboveTheLimit() {
        const Lesson lesson = ThreeLessons()[1];
        LadderState state = Loaded(lesson);
        QCOMPARE(state.Judge(40.0), LadderState::Verdict::StepPassed);
        QCOMPARE(state.PassedSteps(), 1);
        QCOMPARE(state.Step(), 2);
        QCOMPARE(state.Judge(99.0), LadderState::Verdict::Failed);
        QCOMPARE(state.Step(), 2);

        state.Load(lesson);
        QCOMPARE(state.Judge(40.1), LadderState::Verdict::Failed);

        state.Load(lesson);
        QCOMPARE(state.Judge(39.9), LadderState::Verdict::StepPassed);
        QCOMPARE(state.Judge(100.0), LadderState::Verdict::LessonPassed);
        QCOMPARE(state.PassedSteps(), 2);
        QVERIFY(!state.StepPending());

        state.Load(lesson);
        state.Judge(0.0);
        QCOMPARE(state.Judge(2500.0), LadderState::Verdict::LessonPassed);

        // A result that is not a number passes no limit.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        state.Load(lesson);
        QCOMPARE(state.Judge(nan), LadderState::Verdict::Failed);
        state.Load(lesson);
        state.Judge(1.0);
        QCOMPARE(state.Judge(nan), LadderState::Verdict::Failed);
    }

    void endOfTheLadderClearsExercisesAndModesButKeepsLimitsAndTexts() {
        const Lesson lesson = ThreeLessons()[1];
        for (double second : {1.0, 500.0}) {
            LadderState state = Loaded(lesson);
            state.Judge(1.0);
            state.Judge(second);
            for (int k = 1; k <= LadderState::MaxSteps; ++k) {
                QCOMPARE(state.StepAt(k).exercisePosition, 0);
                QCOMPARE(state.StepAt(k).mode, 0);
            }
            QCOMPARE(state.StepAt(1).limit, 40);
            QCOMPARE(state.StepAt(2).limit, 100);
            QCOMPARE(state.StepAt(2).text, QStringLiteral("Мишени"));
        }
        // A passed step changes nothing of the steps.
        LadderState state = Loaded(lesson);
        state.Judge(1.0);
        QCOMPARE(state.StepAt(2).exercisePosition, 2);
        QCOMPARE(state.StepAt(2).mode, 1);
    }

    // English names the same lessons: the delivered English file has the Russian steps with
    // English texts, and a folder without it keeps the Russian ladder.
    void englishLessonsHaveTheRussianSteps() {
        ProgramFolder folder;
        QCOMPARE(UprLessons::FileName(folder.path(), 1), QStringLiteral("elessons.ini"));
        const UprLessons russian = UprLessons::Load(folder.path(), 0, 2);
        const UprLessons english = UprLessons::Load(folder.path(), 0, 1);
        QVERIFY(russian.Count() == english.Count() && russian.Count() > 0);
        const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        for (int n = 1; n <= russian.Count(); ++n) {
            QVERIFY(!english.At(n).name.contains(cyrillic));
            QCOMPARE(english.At(n).steps.size(), russian.At(n).steps.size());
            for (qsizetype k = 0; k < russian.At(n).steps.size(); ++k) {
                const LadderStep& e = english.At(n).steps[k];
                const LadderStep& r = russian.At(n).steps[k];
                QVERIFY(e.exercisePosition == r.exercisePosition && e.mode == r.mode &&
                        e.limit == r.limit && !e.text.contains(cyrillic));
            }
        }
        QVERIFY(QFile::remove(folder.file("elessons.ini")));
        QCOMPARE(UprLessons::Load(folder.path(), 0, 1).At(1).name, russian.At(1).name);
    }
};

QTEST_GUILESS_MAIN(TestLadderRules)
#include "tst_ladder_rules.moc"
