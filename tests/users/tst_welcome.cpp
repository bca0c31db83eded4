#include "TestSupport.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "data/UserFiles.h"
#include "users/Welcome.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// A program folder with users/ and an open settings store, and the sign-in window on it.
struct Installation {
    TestSeams seams;
    ProgramFolder folder{false};
    std::unique_ptr<TDataFile> settings;

    Installation() {
        QDir(folder.path()).mkdir(QStringLiteral("users"));
        settings = std::make_unique<TDataFile>(folder.file(QStringLiteral("oxel.ini")));
    }
    void user(const QString& name, const QString& password) {
        UserFiles(folder.path()).CreateUser(name, password);
    }
    std::unique_ptr<TWelcomeForm> shownForm() {
        auto form = std::make_unique<TWelcomeForm>(folder.path(), settings.get());
        form->show();
        return form;
    }
    bool lastUserWritten() {
        return settings->EntryExists(QStringLiteral("COMMON"), QStringLiteral("LastUser"));
    }
};

// The background near the field's top right corner, clear of text and arrow.
QColor FieldColour(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() - 6, 3);
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Once the modal loop runs, hands the sign-in window to the steps; a window the steps leave
// open is quit, so no test waits on it. False when no window was found.
void AnswerWelcome(const std::function<void(TWelcomeForm&)>& steps, bool* found) {
    QTimer::singleShot(0, [steps, found] {
        auto* form = qobject_cast<TWelcomeForm*>(QApplication::activeModalWidget());
        *found = form != nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!form && w->isVisible())
                form = qobject_cast<TWelcomeForm*>(w);
        if (!form)
            return;
        steps(*form);
        if (form->isVisible())
            form->ExitProgramSB->click();
    });
}

} // namespace

class TestWelcome : public QObject {
    Q_OBJECT

private slots:
    void windowHasItsSizeCaptionsAndColours() {
        Installation in;
        auto form = in.shownForm();
        QCOMPARE(form->size(), QSize(272, 129));
        QCOMPARE(form->windowTitle(), QStringLiteral("Выбор пользователя:"));
        QCOMPARE(form->NameL->text(), QStringLiteral("Имя"));
        QCOMPARE(form->PassL->text(), QStringLiteral("Пароль"));
        QCOMPARE(form->OkSB->text(), QStringLiteral("Да"));
        QCOMPARE(form->AddUserSB->text(), QStringLiteral("Новый"));
        QCOMPARE(form->DelUserSB->text(), QStringLiteral("Удалить"));
        QCOMPARE(form->ExitProgramSB->text(), QStringLiteral("Выход из программы"));
        QVERIFY(!(form->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));

        for (QWidget* field :
             {static_cast<QWidget*>(form->UserCB), static_cast<QWidget*>(form->PasswordME)}) {
            QCOMPARE(FieldColour(field), QColor(0x00, 0x97, 0x79));
            QCOMPARE(field->font().pixelSize(), 13);
            QVERIFY(field->font().bold());
            QVERIFY(form->rect().contains(field->geometry()));
        }
        // The quit button runs across the bottom, the three others above it.
        const QRect quit = form->ExitProgramSB->geometry();
        QVERIFY(quit.width() > 3 * form->OkSB->width());
        for (QToolButton* b : {form->OkSB, form->AddUserSB, form->DelUserSB}) {
            QVERIFY(b->geometry().bottom() < quit.top());
            QVERIFY(form->rect().contains(b->geometry()));
        }
        QVERIFY(form->rect().contains(quit));
    }

    void passwordFieldIsMaskedAndTakesTwelveCharacters() {
        Installation in;
        auto form = in.shownForm();
        QCOMPARE(form->PasswordME->echoMode(), QLineEdit::Password);
        QTest::keyClicks(form->PasswordME, QStringLiteral("abcdefghijklmnop"));
        QCOMPARE(form->PasswordME->text(), QStringLiteral("abcdefghijkl"));
        QCOMPARE(form->PasswordME->displayText(), QString(12, QLatin1Char('*')));
    }

    void withNoUsersOkSaysNobodyIsChosenAndTheWindowStays() {
        Installation in;
        auto form = in.shownForm();
        QCOMPARE(form->UserCB->count(), 0);
        QTest::mouseClick(form->OkSB, Qt::LeftButton);
        QCOMPARE(in.seams.dialogs.messages, QStringList{"Пользователь не выбран!"});
        QTest::keyClick(form.get(), Qt::Key_Escape);
        form->close();
        QVERIFY(form->isVisible());
        QVERIFY(!form->SignedIn());
        QVERIFY(!in.lastUserWritten());
    }

    void lastUserIsPreselectedByExactName() {
        Installation in;
        in.user("Anna", QString());
        in.user("Bob", QString());
        Settings::WriteLastUser(*in.settings, "Bob");
        auto form = in.shownForm();
        QCOMPARE(Items(form->UserCB), QStringList({"Anna", "Bob"}));
        QCOMPARE(form->UserCB->currentText(), QStringLiteral("Bob"));
        QCOMPARE(form->focusWidget(), form->PasswordME);

        Settings::WriteLastUser(*in.settings, "bob");
        auto again = in.shownForm();
        QCOMPARE(again->UserCB->currentIndex(), -1);
        QVERIFY(again->UserCB->currentText().isEmpty());
    }

    void enterInThePasswordFieldSignsIn() {
        Installation in;
        in.user("Anna", "pw");
        UserFiles(in.folder.path()).SaveLadderPosition("Anna", 1, 3);
        auto form = in.shownForm();
        form->UserCB->setCurrentIndex(0);
        QTest::keyClicks(form->PasswordME, "pw");
        QTest::keyClick(form->PasswordME, Qt::Key_Return);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(form->SignedIn());
        QCOMPARE(form->SignedIn()->name, QStringLiteral("Anna"));
        QCOMPARE(form->SignedIn()->LevelCaption(), QStringLiteral("Anna - ступень 1.3"));
        QCOMPARE(Settings::ReadLastUser(*in.settings), QStringLiteral("Anna"));
    }

    void wrongPasswordKeepsTheWindowOpen() {
        Installation in;
        in.user("Anna", "pw");
        auto form = in.shownForm();
        form->UserCB->setCurrentIndex(0);
        QTest::keyClicks(form->PasswordME, "PW");
        QTest::mouseClick(form->OkSB, Qt::LeftButton);
        QCOMPARE(in.seams.dialogs.messages, QStringList{"Неверный пароль!"});
        QVERIFY(form->isVisible());
        QVERIFY(!form->SignedIn());
        // A correct name alone does not let the window be closed.
        form->close();
        QVERIFY(form->isVisible());
        QVERIFY(!in.lastUserWritten());
    }

    void newUserIsSelectedButMustStillSignIn() {
        Installation in;
        in.user("Zoe", QString());
        auto form = in.shownForm();
        in.seams.dialogs.promptAnswers = {"Anna", "secret", "secret"};
        QTest::mouseClick(form->AddUserSB, Qt::LeftButton);
        QCOMPARE(Items(form->UserCB), QStringList({"Anna", "Zoe"}));
        QCOMPARE(form->UserCB->currentText(), QStringLiteral("Anna"));
        QCOMPARE(form->focusWidget(), form->PasswordME);
        QVERIFY(form->isVisible());
        QVERIFY(!form->SignedIn());

        QTest::keyClicks(form->PasswordME, "secret");
        QTest::mouseClick(form->OkSB, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->SignedIn()->name, QStringLiteral("Anna"));
    }

    void deletingSelectsTheFirstRemainingUser() {
        Installation in;
        in.user("Anna", QString());
        in.user("Bob", "pw");
        in.user("Carl", QString());
        Settings::WriteLastUser(*in.settings, "Bob");
        auto form = in.shownForm();
        in.seams.dialogs.promptAnswers = {"pw"};
        in.seams.dialogs.confirmAnswers = {true};
        QTest::mouseClick(form->DelUserSB, Qt::LeftButton);
        QCOMPARE(in.seams.dialogs.questions,
                 QStringList{"Вы уверены что хотите удалить пользователя Bob?"});
        QCOMPARE(in.seams.dialogs.messages, QStringList{"Файл пользователя удалён."});
        QCOMPARE(Items(form->UserCB), QStringList({"Anna", "Carl"}));
        QCOMPARE(form->UserCB->currentIndex(), 0);
        QVERIFY(form->isVisible());
        QCOMPARE(Settings::ReadLastUser(*in.settings), QStringLiteral("Bob"));
    }

    void deletingTheLastUserLeavesNobodyChosen() {
        Installation in;
        in.user("Anna", QString());
        auto form = in.shownForm();
        form->UserCB->setCurrentIndex(0);
        in.seams.dialogs.confirmAnswers = {true};
        QTest::mouseClick(form->DelUserSB, Qt::LeftButton);
        QCOMPARE(form->UserCB->count(), 0);
        QCOMPARE(form->UserCB->currentIndex(), -1);
        QTest::mouseClick(form->OkSB, Qt::LeftButton);
        QCOMPARE(in.seams.dialogs.messages.last(), QStringLiteral("Пользователь не выбран!"));
        QVERIFY(form->isVisible());
    }

    void quitLeavesWithoutSigningAnybodyIn() {
        Installation in;
        in.user("Anna", QString());
        auto form = in.shownForm();
        form->UserCB->setCurrentIndex(0);
        QTest::mouseClick(form->ExitProgramSB, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QVERIFY(form->QuitChosen());
        QVERIFY(!form->SignedIn());
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QVERIFY(!in.lastUserWritten());
    }

    void damagedUserFileShowsItsErrorAndTheWindowStays() {
        Installation in;
        QFile damaged(in.folder.file("users/Bob.dat"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(1024, '\x7f'));
        damaged.close();
        auto form = in.shownForm();
        form->UserCB->setCurrentIndex(0);
        QTest::mouseClick(form->OkSB, Qt::LeftButton);
        QCOMPARE(in.seams.dialogs.messages.size(), 1);
        QVERIFY(in.seams.dialogs.messages.first() != QStringLiteral("Неверный пароль!"));
        QVERIFY(form->isVisible());
        QCOMPARE(form->UserCB->currentText(), QStringLiteral("Bob"));
    }

    void executeShowsTheWindowModallyUntilSignIn() {
        Installation in;
        in.user("Anna", QString());
        Settings::WriteLastUser(*in.settings, "Anna");
        bool wasModal = false;
        QString preselected;
        AnswerWelcome(
            [&](TWelcomeForm& form) {
                preselected = form.UserCB->currentText();
                form.OkSB->click();
            },
            &wasModal);
        const std::optional<SignedInUser> user =
            TWelcomeForm::Execute(in.folder.path(), in.settings.get(), nullptr);
        QVERIFY(wasModal);
        QCOMPARE(preselected, QStringLiteral("Anna"));
        QVERIFY(user);
        QCOMPARE(user->name, QStringLiteral("Anna"));
    }

    void executeGivesNothingWhenTheUserQuits() {
        Installation in;
        bool wasModal = false;
        AnswerWelcome([](TWelcomeForm& form) { form.ExitProgramSB->click(); }, &wasModal);
        QVERIFY(!TWelcomeForm::Execute(in.folder.path(), in.settings.get(), nullptr));
        QVERIFY(wasModal);
        QVERIFY(!in.lastUserWritten());
    }
};

QTEST_MAIN(TestWelcome)
#include "tst_welcome.moc"
