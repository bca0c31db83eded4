#include "HelpPanel.h"

#include "Glyphs.h"
#include "MainWidgets.h"
#include "help/RtfReader.h"
#include "data/Errors.h"
#include "data/ExerciseInfo.h"
#include "data/FileLookup.h"
#include "data/Text1251.h"
#include "data/Texts.h"

#include <QFrame>
#include <QTextBrowser>
#include <QToolButton>

HelpPanel::HelpPanel(MainWidgets& widgets, QString programDir)
    : w_(widgets), programDir_(std::move(programDir)) {}

bool HelpPanel::Visible() const {
    return w_.HelpP->isVisibleTo(w_.HelpP->parentWidget());
}

void HelpPanel::ShulteHelpSBClick() {
    w_.HelpP->setVisible(!Visible());
    ClearHelp();
    if (Visible())
        LoadDocument(exercise_);
}

void HelpPanel::ClearHelp() {
    const QIcon icon = Glyphs::Icon(Visible() ? Glyphs::CloseHelp : Glyphs::Help);
    for (ControlPage& page : w_.pages)
        page.HelpSB->setIcon(icon);
}

QString HelpPanel::DocumentName(int exerciseIndex, int language) {
    const QString name = QLatin1String(Exercise(exerciseIndex).helpName);
    return QStringLiteral("hlp/") + (language == 1 ? QStringLiteral("e") : QString()) + name +
           QStringLiteral(".rtf");
}

void HelpPanel::LoadDocument(int exerciseIndex) {
    loaded_ = DocumentName(exerciseIndex, Language());
    try {
        w_.HelpMemo->setHtml(RtfReader::ToHtml(LoadFileBytes(FileLookup::Find(programDir_, loaded_))));
    } catch (const OxelError& e) {
        w_.HelpMemo->setPlainText(e.text());
    }
}
