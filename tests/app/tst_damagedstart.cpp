// The program's start-up on a data folder with one damaged file, with the real message boxes
// and splash: the damage is told, and the sign-in window is reached, never a crash.
#include "ShellFixture.h"
#include "app/ProgramWindows.h"
#include "app/WidgetDialogs.h"
#include "users/Welcome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

// What the start-up showed: the texts of its message boxes, each closed with OK after a
// while (long enough for the splash to come and go), and whether the sign-in window came.
struct Seen {
    QStringList messages;
    bool signIn = false;
};

// Watches the modal windows until the object goes; a start-up that reaches nothing ends
// after a minute.
std::unique_ptr<QTimer> Watch(Seen& seen) {
    auto watch = std::make_unique<QTimer>();
    QTimer::singleShot(60000, watch.get(), &QCoreApplication::quit);
    QObject::connect(watch.get(), &QTimer::timeout, [&seen, timer = watch.get()] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (!box->property("seen").toBool()) {
                box->setProperty("seen", true);
                seen.messages << box->text();
                QTimer::singleShot(300, box, [box] { box->button(QMessageBox::Ok)->click(); });
            }
        } else if (auto* welcome = qobject_cast<TWelcomeForm*>(modal)) {
            seen.signIn = true;
            timer->stop();
            welcome->ExitProgramSB->click();
        }
    });
    watch->start(20);
    return watch;
}

QByteArray Noise(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(27);
    for (char& byte : bytes)
        byte = static_cast<char>(random.generate());
    return bytes;
}

} // namespace

class TestDamagedStart : public QObject {
    Q_OBJECT

private slots:
    void damageIsToldAndTheSignInReached_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // "folder": a folder in the file's place
        QTest::addColumn<QString>("told"); // a part of the message that tells it; "" for none
        // An empty store is no damage: a store without settings.
        QTest::newRow("oxel.ini of zero bytes") << "oxel.ini" << QByteArray() << "";
        QTest::newRow("oxel.ini of random bytes") << "oxel.ini" << Noise(3000) << "Invalid";
        QTest::newRow("oxel.ini of 20 MB noise") << "oxel.ini" << Noise(20 << 20) << "Invalid";
        QTest::newRow("oxel.ini a folder") << "oxel.ini" << QByteArray("folder") << "oxel.ini";
        QTest::newRow("rnum.dic a folder") << "dic/rnum.dic" << QByteArray("folder") << "rnum";
    }

    void damageIsToldAndTheSignInReached() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, told);
        TestSeams seams;
        WidgetDialogs dialogs;
        InstallDialogs(&dialogs);
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm::SetSignInOnActivation(true);
        const QString path = folder.file(file);
        QFile::remove(path);
        if (bytes == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            shell::WriteFile(path, bytes);
        Seen seen;
        {
            const std::unique_ptr<QTimer> watch = Watch(seen);
            RunProgramWindows(folder.path(), false);
        }
        InstallDialogs(&seams.dialogs);
        QVERIFY(seen.signIn);
        if (told.isEmpty())
            QCOMPARE(seen.messages, QStringList());
        else
            QVERIFY2(seen.messages.join('\n').contains(told), qPrintable(seen.messages.join('\n')));
    }
};

QTEST_MAIN(TestDamagedStart)
#include "tst_damagedstart.moc"
