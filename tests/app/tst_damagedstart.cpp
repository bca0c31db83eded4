// The program's start-up on a data folder with one damaged file, with the real message boxes
// and splash: the damage is told, and the sign-in window is reached, never a crash.
#include "ShellFixture.h"
#include "app/ProgramWindows.h"
#include "app/WidgetDialogs.h"
#include "users/Welcome.h"

#include <QApplication>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QtTest>

namespace {

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
        QTest::addColumn<QString>("told");     // a part of the message; "" for no message
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
        QFile::remove(folder.file(file));
        if (bytes == "folder")
            QVERIFY(QDir().mkpath(folder.file(file)));
        else
            shell::WriteFile(folder.file(file), bytes);
        // Each message box is closed after a while (the splash comes and goes meanwhile);
        // the sign-in window is left by quitting, which ends the program.
        QStringList shown;
        bool signIn = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal);
                box && !box->property("seen").toBool()) {
                box->setProperty("seen", true);
                shown << box->text();
                QTimer::singleShot(300, box, [box] { box->button(QMessageBox::Ok)->click(); });
            } else if (auto* welcome = qobject_cast<TWelcomeForm*>(modal); welcome && !signIn) {
                signIn = true;
                welcome->ExitProgramSB->click();
            }
        });
        watch.start(20);
        QTimer::singleShot(60000, &watch, &QCoreApplication::quit);
        RunProgramWindows(folder.path(), false);
        InstallDialogs(&seams.dialogs);
        QVERIFY(signIn);
        QVERIFY2(told.isEmpty() ? shown.isEmpty() : shown.join('\n').contains(told),
                 qPrintable(shown.join('\n')));
    }
};

QTEST_MAIN(TestDamagedStart)
#include "tst_damagedstart.moc"
