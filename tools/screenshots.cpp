// Takes the screenshots of docs/screenshots/ from the real program: a user with a made-up year
// of practice signs in through the sign-in window, a Schulte run is played part of the way,
// and the statistics window, the ladder and the progress window are opened from the menu
// handlers. Run by tools/screenshots.sh under Xvfb:
//     oxel_screenshots PROGRAMFILES_DIR OUTPUT_DIR [en|ru]
// With a language it works in that one, plays a whole run and a dual n-back block and opens
// their analysis, and shows every other window too, for looking over an interface language:
// each exercise, the settings pages, both editors, the about box, the series countdown, the
// help panel and the help window.
#include "app/AnalysisLauncher.h"
#include "app/Glyphs.h"
#include "app/Main.h"
#include "app/MainWidgets.h"
#include "app/PracticeWatch.h"
#include "board/BoardFont.h"
#include "board/OxelPanel.h"
#include "data/DataFile.h"
#include "data/Clock.h"
#include "data/FileLookup.h"
#include "data/NumberFormat.h"
#include "data/Settings.h"
#include "data/StatsStore.h"
#include "data/UserFiles.h"
#include "exercises/NBackExercise.h"
#include "help/HelpViewer.h"
#include "history/HistoryDb.h"
#include "progress/DailyGoal.h"
#include "settings/Setting.h"
#include "stats/ProgressWindow.h"
#include "users/Welcome.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <utility>

namespace {

QString out;

void Save(QWidget* widget, const char* name) {
    const QString path = QDir(out).filePath(QLatin1String(name));
    if (!widget->grab().save(path, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Runs `open`, which shows a modal window, and hands that window to `use` once it is up.
void WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& use) {
    QTimer::singleShot(300, [use] {
        if (QWidget* modal = QApplication::activeModalWidget())
            use(modal);
    });
    open();
}

// Twelve series of Schulte 5×5 getting faster, a week apart.
void WriteStatistics(const QString& dataDir, const QString& user) {
    const StatsStore store(dataDir);
    QDateTime when(QDate(2026, 9, 1), QTime(18, 30));
    for (int s = 0; s < 12; ++s) {
        QStringList results;
        for (int r = 0; r < 5; ++r)
            results << QString::number(38.0 - 1.4 * s - 0.6 * r + (r % 2) * 1.1, 'f', 1);
        store.Append(user, 0, 5, when.addDays(7 * s), results);
    }
}

// A made-up year of practice up to today: a few runs of three exercises on most days, more
// weekends missed than weekdays, times falling and scores rising, the last nine days in a row;
// and a daily goal of 20 minutes.
void WriteYearOfPractice(const QString& dataDir, const QString& user) {
    QRandomGenerator random(7);
    HistoryDb db(dataDir);
    const QDate today = LocalMoment(ProgramClock().NowMs()).date();
    for (int back = 365; back >= 0; --back) {
        const QDate day = today.addDays(-back);
        if (back >= 9 && random.bounded(10) < (day.dayOfWeek() >= 6 ? 6 : 2))
            continue;
        const int runs = 1 + random.bounded(8);
        for (int k = 0; k < runs; ++k) {
            const int which = random.bounded(3);
            HistoryRun run;
            run.user = user;
            run.exercise = QLatin1String(which == 0 ? "shulte" : which == 1 ? "targets" : "rbshulte");
            run.mode = which == 1 ? 1 : 5;
            run.started = QDateTime(day, QTime(18, 0).addSecs(k * 300));
            run.durationMs = 30000 + random.bounded(120000);
            const double trend = back / 365.0;
            run.result = which == 1 ? QString::number(int(380 - 120 * trend) + random.bounded(60))
                                    : FormatOneDecimal(24 + 14 * trend + random.bounded(60) / 10.0);
            run.completed = random.bounded(12) != 0;
            db.Append(run);
        }
    }
    DailyGoal::Write(dataDir, user, 20);
}

// Presses the cell holding the number.
void PressNumber(TOxelPanel& board, int number) {
    for (int i = 0; i < board.LinesList().size(); ++i)
        if (board.Line(i) == QString::number(number))
            QTest::mouseClick(&board, Qt::LeftButton, {}, board.CellRect(i).center());
}

// A whole 5×5 run, slower in its middle, and the analysis window opened on it (F7).
void AnalysedRun(TMainForm& form) {
    form.Widgets().Page(0).StartSB->click();
    TOxelPanel& board = *form.Widgets().OxelP;
    for (int number = 1; number <= 25; ++number) {
        QTest::qWait(number % 7 == 0 ? 900 : 150);
        PressNumber(board, number);
    }
    QTest::qWait(500);
    WithModal([&form] { form.Analysis().AnalysisNClick(); },
              [](QWidget* modal) {
                  Save(modal, "analysis-run.png");
                  modal->close();
              });
}

// A whole 2-back block played as a user would, from what the board shows: each trial's
// filled cell and letter are noted as its counter moves on, a repeated place is answered by
// key A, a repeated letter by the right mouse button (one of them let slip), and one false
// alarm given. Then the end with its score and next-n line, and its analysis (F7).
void PlayedNBack(TMainForm& form) {
    constexpr int NBack = 8;
    constexpr int n = 2;
    MainWidgets& w = form.Widgets();
    w.TabSwitchCB->setCurrentIndex(Exercise(NBack).listPosition);
    QTest::qWait(200);
    ControlPage& page = w.Page(NBack);
    page.StartSB->click();
    TOxelPanel& board = *w.OxelP;
    QList<QPair<int, QString>> seen;
    QString counter;
    bool slipped = false;
    while (page.RunPhase != ControlPage::Idle) {
        QTest::qWait(40);
        if (w.TimerP->text() == counter)
            continue;
        int cell = -1;
        for (int i = 0; i < board.LinesList().size(); ++i)
            if (board.Mark(i) == NBackExercise::FilledMark)
                cell = i;
        if (cell < 0)
            continue;
        counter = w.TimerP->text();
        seen.append({cell, board.Line(cell)});
        const int k = int(seen.size()) - 1;
        if (k == 3)
            QTest::keyClick(&form, Qt::Key_A);
        if (k < n)
            continue;
        QTest::qWait(300);
        if (seen[k].first == seen[k - n].first)
            QTest::keyClick(&form, Qt::Key_A);
        if (seen[k].second == seen[k - n].second && std::exchange(slipped, true))
            QTest::mouseClick(&board, Qt::RightButton, {}, board.CellRect(cell).center());
        if (k == 16)
            Save(&form, "nback-run.png");
    }
    QTest::qWait(300);
    Save(&form, "nback-end.png");
    WithModal([&form] { form.Analysis().AnalysisNClick(); },
              [](QWidget* modal) {
                  Save(modal, "analysis-nback.png");
                  modal->close();
              });
}

// Every exercise idle and in a run, every settings page, both editors, the about box, the
// series countdown, the help panel and the help window.
void EveryWindow(TMainForm& form) {
    MainWidgets& w = form.Widgets();
    for (int position = 0; position < w.TabSwitchCB->count(); ++position) {
        w.TabSwitchCB->setCurrentIndex(position);
        ControlPage& page = w.pages[position];
        const QByteArray name = "exercise" + QByteArray::number(position);
        QTest::qWait(200);
        Save(&form, name + "-idle.png");
        page.StartSB->click();
        QTest::qWait(400);
        Save(&form, name + "-run.png");
        if (page.RunPhase == ControlPage::Memorising) {
            page.StartSB->click();
            QTest::qWait(200);
            Save(&form, name + "-answer.png");
        }
        if (page.RunPhase != ControlPage::Idle)
            page.StartSB->click();
        QTest::qWait(200);
    }
    w.TabSwitchCB->setCurrentIndex(0);
    WithModal([&form] { form.SettingsNClick(); },
              [](QWidget* modal) {
                  auto* settings = qobject_cast<TSettingForm*>(modal);
                  for (int tab = 0; settings && tab < settings->PageControl->count(); ++tab) {
                      settings->PageControl->setCurrentIndex(tab);
                      QTest::qWait(100);
                      Save(modal, ("settings" + QByteArray::number(tab) + ".png").constData());
                  }
                  modal->close();
              });
    for (void (TMainForm::*open)() : {&TMainForm::NumbersNetNClick, &TMainForm::GipnoNClick}) {
        const char* name = open == &TMainForm::GipnoNClick ? "headings.png" : "numbers.png";
        WithModal([&form, open] { (form.*open)(); },
                  [name](QWidget* modal) {
                      Save(modal, name);
                      modal->close();
                  });
    }
    WithModal([&form] { form.AboutNClick(); },
              [](QWidget* modal) {
                  Save(modal, "about.png");
                  modal->close();
              });
    w.SetSeriesMode(true);
    WithModal([&w] { w.pages[0].StartSB->click(); },
              [](QWidget* modal) {
                  Save(modal, "countdown.png");
                  modal->close();
              });
    QTest::qWait(200);
    if (w.pages[0].RunPhase != ControlPage::Idle)
        w.pages[0].StartSB->click();
    w.SetSeriesMode(false);
    w.pages[0].HelpSB->click();
    QTest::qWait(200);
    Save(&form, "help-panel.png");
    w.pages[0].HelpSB->click();
    if (HelpViewer* help = HelpViewer::ShowContext(form.ProgramDir(), 1)) {
        QTest::qWait(300);
        Save(help, "help-book.png");
        help->close();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3 || args.size() > 4) {
        std::fputs("usage: oxel_screenshots PROGRAMFILES_DIR OUTPUT_DIR [en|ru]\n", stderr);
        return 2;
    }
    const bool everyWindow = args.size() == 4;
    out = args[2];
    QDir().mkpath(out);
    BoardFont::InstallSubstitutions();
    Glyphs::SetProgramIcon();
    TMainForm::SetSignInOnActivation(false);
    FileLookup::SetDeliveredDir(args[1]);

    QTemporaryDir data;
    const bool english = everyWindow && args[3] == QLatin1String("en");
    const QString user = english ? QStringLiteral("Anna") : QStringLiteral("Анна");
    if (everyWindow) {
        TDataFile settings(QDir(data.path()).filePath(QStringLiteral("oxel.ini")));
        Settings::WriteLanguage(settings, english ? 1 : 2);
    }
    QDir(data.path()).mkdir(QStringLiteral("users"));
    UserFiles(data.path()).CreateUser(user, QString());
    WriteStatistics(data.path(), user);
    WriteYearOfPractice(data.path(), user);

    TMainForm form(data.path());
    form.show();
    QTest::qWaitForWindowExposed(&form);
    WithModal([&form] { form.UserNClick(); },
              [&user, everyWindow](QWidget* modal) {
                  auto* welcome = qobject_cast<TWelcomeForm*>(modal);
                  if (!welcome)
                      return;
                  if (everyWindow)
                      Save(modal, "signin.png");
                  welcome->UserCB->setCurrentText(user);
                  welcome->OkSB->click();
              });
    QTest::qWait(300);
    Save(&form, "main.png");

    // A run of the 5×5 table: the first seven numbers found, a few seconds in.
    ControlPage& page = form.Widgets().Page(0);
    page.StartSB->click();
    TOxelPanel& board = *form.Widgets().OxelP;
    for (int number = 1; number <= 7; ++number) {
        QTest::qWait(350);
        PressNumber(board, number);
    }
    QTest::qWait(400);
    Save(&form, "schulte.png");
    page.StartSB->click();

    WithModal([&form] { form.StatsNClick(); },
              [](QWidget* modal) {
                  Save(modal, "statistics.png");
                  modal->close();
              });
    WithModal([&form] { form.N1Click(); },
              [](QWidget* modal) {
                  Save(modal, "ladder.png");
                  modal->close();
              });
    form.Practice().ProgressNClick();
    if (ProgressWindow* progress = form.Practice().Window()) {
        QTest::qWaitForWindowExposed(progress);
        QTest::qWait(300);
        Save(progress, "progress.png");
        progress->close();
    }
    if (everyWindow) {
        AnalysedRun(form);
        // The run beat the made-up bests: the notice lies over the best-results panel.
        Save(&form, "notice.png");
        PlayedNBack(form);
        EveryWindow(form);
    }
    return 0;
}
