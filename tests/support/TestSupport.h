#pragma once

#include "data/Clock.h"
#include "data/Dialogs.h"
#include "data/Sound.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>

// A clock the test moves by hand.
class ManualClock : public Clock {
public:
    qint64 now = 1'800'000'000'000;
    qint64 monotonic = 0;
    qint64 NowMs() const override { return now; }
    qint64 MonotonicMs() const override { return monotonic; }
    void advance(qint64 ms) { now += ms; monotonic += ms; }
};

// Records every sound the program plays, with its mode.
class SoundRecorder : public SoundPlayer {
public:
    QList<QPair<QString, int>> played;
    void Play(const QString& name, int mode) override { played.append({name, mode}); }
    QStringList names() const;
    int count(const QString& name) const;
};

// Answers dialogs from prepared answers and records every text shown.
class ScriptedDialogs : public Dialogs {
public:
    QStringList messages;                 // texts of message boxes, in order
    QStringList notices;                  // those of them shown without waiting
    QStringList questions;                // texts of Yes/No questions
    QStringList prompts;                  // "caption|label" of prompts
    QList<int> promptLimits;              // maxLength of each prompt
    QList<bool> promptMasked;             // whether each prompt showed "*" for the typing
    std::deque<bool> confirmAnswers;      // answers to questions (No when exhausted)
    std::deque<QString> promptAnswers;    // answers to prompts (empty when exhausted)
    std::deque<QString> saveAnswers;      // answers to save dialogs (Cancel when exhausted)

    void Message(const QString& text, Kind) override { messages.append(text); }
    void Notice(const QString& text, Kind) override {
        messages.append(text);
        notices.append(text);
    }
    bool Confirm(const QString& text) override;
    QString Prompt(const QString& caption, const QString& label, int maxLength) override;
    QString PasswordPrompt(const QString& caption, const QString& label, int maxLength) override;
    QString SaveFileName(const QString&, const QString&) override {
        if (saveAnswers.empty())
            return {};
        QString answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

private:
    QString Answer(const QString& caption, const QString& label, int maxLength, bool masked);
};

// Installs the recorder, the scripted dialogs and the manual clock for the lifetime of the
// object, and restores the program's own afterwards.
class TestSeams {
public:
    ManualClock clock;
    SoundRecorder sounds;
    ScriptedDialogs dialogs;
    TestSeams();
    ~TestSeams();
};

// A fresh program folder for one test. withProgramFiles copies the delivered files
// (dic/, hlp/, lessons.ini, help documents) into it.
class ProgramFolder {
public:
    explicit ProgramFolder(bool withProgramFiles = true);
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
};
