#include "TestSupport.h"
#include "app/Main.h"
#include "app/RecordLayout.h"
#include "app/RecordPanel.h"
#include "board/OxelPanel.h"
#include "data/DataFile.h"
#include "data/NumberFormat.h"
#include "data/Settings.h"
#include "data/UserFiles.h"
#include "users/Welcome.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// Answers the sign-in window as soon as it is shown modally (the activation that opens it
// may come after any number of events). A window the steps leave open, and any window
// opened after the first, is quit, so no test waits on it. It keeps looking while it exists.
struct WelcomeDriver {
    int opened = 0;
    QString preselected;
    QTimer poll;

    bool found() const { return opened > 0; }
    void stop() { poll.stop(); }
    void answer(std::function<void(TWelcomeForm&)> steps) {
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this, steps] {
            auto* form = qobject_cast<TWelcomeForm*>(QApplication::activeModalWidget());
            if (!form)
                return;
            if (++opened == 1) {
                preselected = form->UserCB->currentText();
                steps(*form);
            }
            if (form->isVisible())
                form->ExitProgramSB->click();
        });
        poll.start();
    }
};

void Choose(TWelcomeForm& form, const QString& name, const QString& password) {
    form.UserCB->setCurrentIndex(form.UserCB->findText(name));
    form.PasswordME->setText(password);
    form.OkSB->click();
}

// A main window on a program folder with the delivered files; the sign-in window opens at
// the first activation.
struct Program {
    TestSeams seams;
    ProgramFolder folder{true};
    std::unique_ptr<TMainForm> form;

    Program() { start(); }
    void start() {
        TMainForm::SetSignInOnActivation(true);
        form = std::make_unique<TMainForm>(folder.path());
    }
    QString lastUser() { return Settings::ReadLastUser(*form->SettingsFile()); }
    bool lastUserWritten() {
        return form->SettingsFile()->EntryExists(QStringLiteral("COMMON"),
                                                 QStringLiteral("LastUser"));
    }
    QMenu* levelMenu() { return form->Menu().LevelNameN; }
};

} // namespace

class TestWelcomeMain : public QObject {
    Q_OBJECT

private slots:
    void firstStartCreatesAnnaAndSignsHerIn() {
        Program p;
        p.form->show();
        WelcomeDriver driver;
        driver.answer([&](TWelcomeForm& form) {
            form.OkSB->click();
            p.seams.dialogs.promptAnswers = {QStringLiteral("Anna"), QString()};
            form.AddUserSB->click();
            form.OkSB->click();
        });
        p.form->FormActivate();
        // Closing the sign-in window activates the main window again: nothing opens.
        QCoreApplication::processEvents();
        QCOMPARE(driver.opened, 1);
        QCOMPARE(p.seams.dialogs.messages, QStringList{"Пользователь не выбран!"});
        QCOMPARE(p.form->CurrentUser, QStringLiteral("Anna"));
        QCOMPARE(p.form->UprLevel, 0);
        QCOMPARE(p.form->UprSubLevel, 0);
        QCOMPARE(p.form->windowTitle(), QStringLiteral("Oxelium (v1.8) [Anna]"));
        QCOMPARE(p.levelMenu()->title(), QStringLiteral("Anna - ступень 0.0"));
        QVERIFY(p.levelMenu()->menuAction()->isVisible());
        QCOMPARE(p.lastUser(), QStringLiteral("Anna"));
        QVERIFY(p.form->isVisible());
    }

    void laterActivationsOpenNothing() {
        Program p;
        p.form->show();
        WelcomeDriver first;
        first.answer([](TWelcomeForm& form) {
            form.UserCB->setCurrentIndex(0);
            form.OkSB->click();
        });
        UserFiles(p.folder.path()).CreateUser("Anna", QString());
        // The window opens when the activation arrives with the events.
        QTRY_VERIFY(first.found());
        QCOMPARE(p.form->CurrentUser, QStringLiteral("Anna"));
        QCoreApplication::processEvents();
        QCOMPARE(first.opened, 1);
        first.stop();

        WelcomeDriver again;
        again.answer([](TWelcomeForm& form) { form.ExitProgramSB->click(); });
        // Refocus after another window, and a direct second activation.
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(p.form.get());
        p.form->FormActivate();
        QCoreApplication::processEvents();
        QVERIFY(!again.found());
        QVERIFY(p.form->isVisible());
        QCOMPARE(p.form->CurrentUser, QStringLiteral("Anna"));
    }

    void startUpThatEndsTheProgramSignsNobodyIn() {
        TestSeams seams;
        ProgramFolder folder(true);
        QVERIFY(QFile::remove(folder.file("dic/rus.dic")));
        TMainForm::SetSignInOnActivation(true);
        TMainForm form(folder.path());
        QVERIFY(form.TerminateRequested());
        WelcomeDriver driver;
        driver.answer([](TWelcomeForm&) {});
        form.show();
        form.FormActivate();
        QCoreApplication::processEvents();
        QVERIFY(!driver.found());
        QVERIFY(form.CurrentUser.isEmpty());
    }

    void nextStartPreselectsTheLastUser() {
        Program p;
        UserFiles(p.folder.path()).CreateUser("Anna", "pw");
        UserFiles(p.folder.path()).CreateUser("Bob", QString());
        WelcomeDriver first;
        first.answer([](TWelcomeForm& form) { Choose(form, "Anna", "pw"); });
        p.form->UserNClick();
        QCOMPARE(first.preselected, QString());
        first.stop();

        p.start();
        WelcomeDriver second;
        second.answer([](TWelcomeForm& form) {
            form.PasswordME->setText("pw");
            form.OkSB->click();
        });
        p.form->UserNClick();
        QCOMPARE(second.preselected, QStringLiteral("Anna"));
        QCOMPARE(p.form->CurrentUser, QStringLiteral("Anna"));
    }

    void signingInAgainReplacesUserAndLadderPosition() {
        Program p;
        UserFiles users(p.folder.path());
        users.CreateUser("Anna", QString());
        users.CreateUser("Bob", "b");
        users.SaveLadderPosition("Bob", 2, 1);
        // Shown for its exercise list; the sign-in here comes from the menu.
        TMainForm::SetSignInOnActivation(false);
        p.form->show();
        WelcomeDriver first;
        first.answer([](TWelcomeForm& form) { Choose(form, "Anna", QString()); });
        p.form->UserNClick();
        first.stop();
        p.form->Widgets().TabSwitchCB->setCurrentIndex(5);

        WelcomeDriver second;
        second.answer([](TWelcomeForm& form) { Choose(form, "Bob", "b"); });
        p.form->Menu().UserN->trigger();
        QVERIFY(second.found());
        QCOMPARE(second.preselected, QStringLiteral("Anna"));
        QCOMPARE(p.form->CurrentUser, QStringLiteral("Bob"));
        QCOMPARE(p.form->UprLevel, 2);
        QCOMPARE(p.form->UprSubLevel, 1);
        QCOMPARE(p.form->windowTitle(), QStringLiteral("Oxelium (v1.8) [Bob]"));
        QCOMPARE(p.levelMenu()->title(), QStringLiteral("Bob - ступень 2.1"));
        QCOMPARE(p.lastUser(), QStringLiteral("Bob"));
        // Nothing else of the window is reset.
        QCOMPARE(p.form->ActiveExercise(), 6);
    }

    void quitInTheSignInWindowClosesTheProgram() {
        Program p;
        UserFiles(p.folder.path()).CreateUser("Anna", QString());
        p.form->show();
        WelcomeDriver driver;
        driver.answer([](TWelcomeForm& form) {
            form.UserCB->setCurrentIndex(0);
            form.ExitProgramSB->click();
        });
        p.form->FormActivate();
        QVERIFY(driver.found());
        QVERIFY(!p.form->isVisible());
        QVERIFY(p.form->CurrentUser.isEmpty());
        QVERIFY(!p.lastUserWritten());
        QVERIFY(!p.levelMenu()->menuAction()->isVisible());
    }

    void runSignedInAsAnnaEntersHerName() {
        Program p;
        UserFiles(p.folder.path()).CreateUser("Anna", QString());
        p.form->show();
        WelcomeDriver driver;
        driver.answer([](TWelcomeForm& form) { Choose(form, "Anna", QString()); });
        p.form->FormActivate();

        ControlPage& page = p.form->Widgets().pages[0];
        TOxelPanel& board = *p.form->Widgets().OxelP;
        QTest::mouseClick(page.StartSB, Qt::LeftButton);
        for (int v = 1; v <= 25; ++v) {
            if (v == 25) {
                p.seams.clock.advance(8400);
                p.form->SysTimerTimer();
            }
            const int cell = board.LinesList().indexOf(QString::number(v));
            QTest::mouseClick(&board, Qt::LeftButton, {}, board.CellRect(cell).center());
        }
        const QList<QLabel*>& cells = p.form->Records().RecList();
        QCOMPARE(cells.at(RecordLayout::FirstName)->text(), QStringLiteral("Anna"));
        QCOMPARE(cells.at(RecordLayout::FirstResult)->text(), QStringLiteral("8.4"));
        QCOMPARE(cells.at(RecordLayout::FirstDate)->text(),
                 FormatDate(LocalMoment(p.seams.clock.now).date()));
        QCOMPARE(p.seams.sounds.count("REC_IN"), 1);
    }
};

QTEST_MAIN(TestWelcomeMain)
#include "tst_welcome_main.moc"
