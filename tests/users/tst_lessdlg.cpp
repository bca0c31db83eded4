#include "TestSupport.h"
#include "users/LessDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

// A countdown for run `step` with the series box checked, its bar captions recorded.
struct Countdown {
    TestSeams seams;
    QCheckBox lessonChB;
    QStringList captions;
    TLessDlgForm form;

    explicit Countdown(int step = 1)
        : form({QStringLiteral("Шульте"), step, 5, &lessonChB,
                [this](const QString& text) { captions.append(text); }}) {
        lessonChB.setChecked(true);
        form.LessonModeP->setText(QStringLiteral("Режим 7x7"));
    }
};

} // namespace

class TestLessDlg : public QObject {
    Q_OBJECT

private slots:
    void showsTheRunAndCountsDownToTheStart() {
        Countdown c(3);
        c.form.show();
        QCOMPARE(c.form.size(), QSize(215, 160));
        QCOMPARE(c.form.LessonNameP->text(), QStringLiteral("Шульте"));
        QCOMPARE(c.form.LessonModeP->text(), QStringLiteral("Режим 7x7"));
        QCOMPARE(c.form.LevelP->text(), QStringLiteral("3 из 5"));
        QCOMPARE(c.form.CancelSB->text(), QStringLiteral("Отмена"));
        QCOMPARE(c.captions, QStringList{"запуск..."});
        QVERIFY(c.form.TimerP->text().isEmpty());
        QVERIFY(c.form.Timer1.isActive());
        QCOMPARE(c.form.Timer1.interval(), 1000);

        QStringList shown;
        for (int tick = 1; tick <= 4; ++tick) {
            c.form.Timer1Timer();
            shown << c.form.TimerP->text();
            QVERIFY(c.form.isVisible());
        }
        QCOMPARE(shown, QStringList({"3", "2", "1", "0"}));
        QCOMPARE(c.seams.sounds.names(), QStringList(4, "T_SHOW"));
        c.form.Timer1Timer();
        QVERIFY(!c.form.isVisible());
        QVERIFY(!c.form.Timer1.isActive());
        QCOMPARE(c.seams.sounds.played.last(), qMakePair(QStringLiteral("T_GO"), 2));
        QCOMPARE(c.seams.sounds.played.size(), 5);
        QVERIFY(c.lessonChB.isChecked());
    }

    void closingIsRefusedWhileCounting() {
        Countdown c;
        c.form.show();
        c.form.close();
        QVERIFY(c.form.isVisible());
        QTest::keyClick(&c.form, Qt::Key_Escape);
        QVERIFY(c.form.isVisible());
        QVERIFY(!c.form.FormCloseQuery());
        // A left-button release is no skip.
        QTest::mouseClick(c.form.TimerP, Qt::LeftButton);
        QVERIFY(c.form.isVisible());
        QVERIFY(c.form.Timer1.isActive());
    }

    void cancelUnchecksTheSeriesBoxAndCloses() {
        Countdown c;
        c.form.show();
        c.form.Timer1Timer();
        QTest::mouseClick(c.form.CancelSB, Qt::LeftButton);
        QVERIFY(!c.form.isVisible());
        QVERIFY(!c.form.Timer1.isActive());
        QVERIFY(!c.lessonChB.isChecked());
        QCOMPARE(c.seams.sounds.count("T_GO"), 0);
    }

    void rightButtonReleaseSkipsTheCount() {
        for (const char* part : {"TimerP", "LevelP", "Panel1", "CancelSB"}) {
            Countdown c;
            c.form.show();
            QWidget* target = c.form.findChild<QWidget*>(part);
            QVERIFY2(target, part);
            QTest::mouseClick(target, Qt::RightButton);
            QVERIFY2(!c.form.isVisible(), part);
            QVERIFY(!c.form.Timer1.isActive());
            QVERIFY(c.lessonChB.isChecked());
            QCOMPARE(c.seams.sounds.count("T_GO"), 0);
        }
    }

    // The real timer drives the modal count to its end.
    void modalCountEndsByItself() {
        Countdown c(5);
        c.form.Timer1.setInterval(5);
        QStringList shown;
        connect(&c.form.Timer1, &QTimer::timeout, this, [&] { shown << c.form.TimerP->text(); });
        QTimer::singleShot(5000, &c.form, [&] { c.form.CancelSBClick(); });
        c.form.exec();
        QCOMPARE(shown, QStringList({"3", "2", "1", "0", "0"}));
        QCOMPARE(c.seams.sounds.count("T_SHOW"), 4);
        QCOMPARE(c.seams.sounds.count("T_GO"), 1);
        QVERIFY(c.lessonChB.isChecked());
    }
};

QTEST_MAIN(TestLessDlg)
#include "tst_lessdlg.moc"
