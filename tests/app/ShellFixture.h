#pragma once

// What the main-window tests share: a program folder with every file the start-up checks
// for, written by the test so that the contents are known.

#include "TestSupport.h"
#include "app/Main.h"
#include "app/MainWidgets.h"
#include "board/OxelPanel.h"
#include "data/FileCipher.h"
#include "data/NumberFormat.h"
#include "data/Random.h"
#include "data/Text1251.h"
#include "app/RunHooks.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace shell {

inline const char* const HelpNames[] = {"shulte", "rbshulte", "mnemo",   "target",
                                        "math",   "dwords",   "numbers", "probe"};

// The heading list written into the test folder, by exercise index.
inline QStringList Headings() {
    return {QStringLiteral("смотрим в центр"),  QStringLiteral("красный и черный"),
            QStringLiteral("слова в картинки"), QStringLiteral("ловим пары"),
            QStringLiteral("складываем"),       QStringLiteral("пары слов"),
            QStringLiteral("числа в образы"),   QStringLiteral("ищем буквы")};
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Writes the help documents (each saying "<name> document"), the three Russian lists, the
// help book and the what's-new page into the folder. The main windows of these tests start
// without the sign-in window, which would wait for a user at the first activation.
inline void Install(const ProgramFolder& folder) {
    TMainForm::SetSignInOnActivation(false);
    for (const char* name : HelpNames)
        WriteFile(folder.file(QStringLiteral("hlp/%1.rtf").arg(QLatin1String(name))),
                  QByteArray("{\\rtf1\\ansi ") + name + " document\\par}");
    QStringList words;
    for (int i = 0; i < 60; ++i)
        words << QStringLiteral("слово%1").arg(i);
    WriteFile(folder.file(QStringLiteral("dic/rus.dic")), WriteLines(words));
    QStringList numbers;
    for (int i = 0; i < 100; ++i)
        numbers << QStringLiteral("образ%1").arg(i);
    WriteFile(folder.file(QStringLiteral("dic/rnum.dic")), WriteLines(numbers));
    WriteFile(folder.file(QStringLiteral("dic/rgipno.dic")), WriteLines(Headings()));
    WriteFile(folder.file(QStringLiteral("oxel.hlp")),
              "<html><head><meta charset=\"utf-8\"></head><body>"
              "<a name=\"1\"></a><h1>Contents</h1><p>Book</p></body></html>");
    WriteFile(folder.file(QStringLiteral("new.htm")),
              "<html><head><meta charset=\"utf-8\"></head><body><p>New</p></body></html>");
}

// Records the calls of series mode and the ladder; the interlude may cancel the series.
class HookRecorder : public SeriesHooks, public LadderHooks {
public:
    QCheckBox* lessonChB = nullptr;
    bool cancelInterlude = false;
    QStringList calls;
    void SeriesInterlude(const QString& modeCaption) override {
        calls << "SeriesInterlude:" + modeCaption;
        if (cancelInterlude)
            lessonChB->setChecked(false);
    }
    void SaveStats(const RunResult&) override { calls << "SaveStats"; }
    void LadderStep(const RunResult&) override { calls << "LadderStep"; }
    void UprTimerTimer() override { calls << "UprTimerTimer"; }
};

// A shown main window in a fresh folder with the files above, the generator seeded and,
// when a user is given, that user signed in.
struct Window {
    TestSeams seams;
    ProgramFolder folder{false};
    std::unique_ptr<TMainForm> form;
    // The verdict of the last press the board reported, as the run cycle answered it.
    bool lastVerdict = false;
    // The last run the run cycle pushed to its subscribers.
    RunResult finished;

    explicit Window(quint32 seed = 4242, const QString& user = QString()) {
        Install(folder);
        open(user);
        ProgramRandom().Seed(seed);
    }
    // A main window on the folder, the user signed in, in place of the one before (closed).
    void open(const QString& user) {
        form = std::make_unique<TMainForm>(folder.path());
        form->CurrentUser = user;
        form->Cycle().Finished().Subscribe(FinishedRuns::Stage::Keeping,
                                           [this](const RunResult& run) { finished = run; });
        auto judge = board().OnPress;
        board().OnPress = [this, judge](const Press& press) {
            const std::optional<bool> verdict = judge(press);
            lastVerdict = verdict.value_or(false);
            return verdict;
        };
        form->show();
    }
    MainWidgets& w() { return form->Widgets(); }
    TOxelPanel& board() { return *w().OxelP; }
    ControlPage& shulte() { return w().pages[0]; }
    void start() { QTest::mouseClick(shulte().StartSB, Qt::LeftButton); }
    // Presses the cell holding the text with the left button; the verdict of the press.
    bool press(const QString& text) {
        const int cell = board().LinesList().indexOf(text);
        if (cell < 0)
            return false;
        lastVerdict = false;
        QTest::mouseClick(&board(), Qt::LeftButton, {}, board().CellRect(cell).center());
        return lastVerdict;
    }
    bool press(int number) { return press(QString::number(number)); }
    // Moves the clock on and lets the run timer tick.
    void tickAfter(qint64 ms) {
        seams.clock.advance(ms);
        form->SysTimerTimer();
    }
    QString tablePath(const QString& name) const { return folder.file("rec/" + name); }
    // The plain lines of a best-result table.
    QStringList table(const QString& name) const {
        return ReadLines(DecryptBytes(LoadFileBytes(tablePath(name))));
    }
    // The date the program clock of the test shows.
    QString today() const { return FormatDate(LocalMoment(seams.clock.now).date()); }
};

} // namespace shell
