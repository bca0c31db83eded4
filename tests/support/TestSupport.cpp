#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QStringList SoundRecorder::names() const {
    QStringList out;
    for (const auto& p : played)
        out.append(p.first);
    return out;
}

int SoundRecorder::count(const QString& name) const { return names().count(name); }

bool ScriptedDialogs::Confirm(const QString& text) {
    questions.append(text);
    if (confirmAnswers.empty())
        return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::Prompt(const QString& caption, const QString& label, int maxLength) {
    return Answer(caption, label, maxLength, false);
}

QString ScriptedDialogs::PasswordPrompt(const QString& caption, const QString& label,
                                        int maxLength) {
    return Answer(caption, label, maxLength, true);
}

QString ScriptedDialogs::Answer(const QString& caption, const QString& label, int maxLength,
                                bool masked) {
    prompts.append(caption + '|' + label);
    promptLimits.append(maxLength);
    promptMasked.append(masked);
    if (promptAnswers.empty())
        return {};
    QString answer = promptAnswers.front();
    promptAnswers.pop_front();
    return maxLength > 0 ? answer.left(maxLength) : answer;
}

TestSeams::TestSeams() {
    InstallClock(&clock);
    InstallSoundPlayer(&sounds);
    InstallDialogs(&dialogs);
}

TestSeams::~TestSeams() {
    InstallClock(nullptr);
    InstallSoundPlayer(nullptr);
    InstallDialogs(nullptr);
}

ProgramFolder::ProgramFolder(bool withProgramFiles) {
    if (!withProgramFiles)
        return;
    const QDir source(QStringLiteral(OXEL_PROGRAMFILES_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = dir_.filePath(source.relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).path());
        QFile::copy(from, to);
    }
}
