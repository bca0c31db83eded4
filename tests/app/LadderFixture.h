#pragma once

// What the ladder tests share: a main window with a user signed in and a lessons.ini of the
// test's own, and a driver that answers the ladder window whenever it opens.

#include "ShellFixture.h"
#include "app/RunCycle.h"
#include "data/DataFile.h"
#include "data/UserFiles.h"
#include "users/Upr.h"

#include <QApplication>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

namespace ladder {

// Answers the ladder window whenever it opens modally: the n-th opening gets the n-th
// steps; a window the steps leave open, or one opened past the steps, is closed.
struct UprDriver {
    QList<std::function<void(TUprForm&)>> steps;
    int opened = 0;
    QTimer poll;

    explicit UprDriver(QList<std::function<void(TUprForm&)>> answers) : steps(answers) {
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto* form = qobject_cast<TUprForm*>(QApplication::activeModalWidget());
            if (!form)
                return;
            if (opened < steps.size())
                steps[opened](*form);
            ++opened;
            if (form->isVisible())
                form->reject();
        });
        poll.start();
    }
};

inline void Start(TUprForm& form) {
    QTest::mouseClick(form.StartSB, Qt::LeftButton);
}

// A main window with Anna signed in at the given level and the given lessons.ini.
struct Ladder : shell::Window {
    explicit Ladder(const QString& lessons, int level = 0) : shell::Window(77, "Anna") {
        shell::WriteFile(folder.file("lessons.ini"), EncodeText(lessons));
        UserFiles(folder.path()).CreateUser("Anna", QString());
        if (level > 0)
            UserFiles(folder.path()).SaveLadderPosition("Anna", level, 0);
        form->UprLevel = level;
    }
    RunCycle& cycle() { return form->Cycle(); }
    UserFiles::Record stored(const QString& user = QStringLiteral("Anna")) {
        return UserFiles(folder.path()).ReadUser(user);
    }
    bool stored(const char* entry) {
        TDataFile file(folder.file("users/Anna.dat"));
        return file.EntryExists("COMMON", entry);
    }
    // Waits for the ladder timer to announce and start the next step.
    void awaitStep(int announcements) {
        QTRY_COMPARE(seams.dialogs.messages.size(), announcements);
        QTRY_VERIFY(!cycle().UprTimer().isActive());
    }
    // Plays the Schulte table shown on the board to its end in the given time.
    void playSchulte(qint64 ms) {
        const int cells = board().LinesList().size();
        for (int v = 1; v < cells; ++v)
            QVERIFY(press(v));
        tickAfter(ms);
        QVERIFY(press(cells));
    }
};

} // namespace ladder
