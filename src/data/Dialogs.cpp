#include "Dialogs.h"

#include <cstdio>

namespace {
class StderrDialogs : public Dialogs {
public:
    void Message(const QString& text, Kind) override {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    }
    bool Confirm(const QString& text) override {
        std::fprintf(stderr, "%s [No]\n", text.toUtf8().constData());
        return false;
    }
    QString Prompt(const QString&, const QString&, int) override { return {}; }
    QString PasswordPrompt(const QString&, const QString&, int) override { return {}; }
    QString SaveFileName(const QString&, const QString&) override { return {}; }
};

StderrDialogs fallback;
Dialogs* installed = nullptr;
} // namespace

Dialogs& AppDialogs() { return installed ? *installed : fallback; }

void InstallDialogs(Dialogs* dialogs) { installed = dialogs; }

void ShowMessage(const QString& text, Dialogs::Kind kind) { AppDialogs().Message(text, kind); }

void ShowError(const QString& text) { AppDialogs().Message(text, Dialogs::Kind::Error); }

void ShowNotice(const QString& text, Dialogs::Kind kind) { AppDialogs().Notice(text, kind); }
