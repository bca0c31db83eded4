#pragma once

#include <QString>

struct MainWidgets;

// The help panel over the board: shown and hidden by the help buttons, its glyphs following
// its state, showing the description of the active exercise in the current language.
class HelpPanel {
public:
    HelpPanel(MainWidgets& widgets, QString programDir);

    // The exercise whose description the panel shows.
    void SetExercise(int exerciseIndex) { exercise_ = exerciseIndex; }

    // The handler of every help button: toggles the panel and loads the description.
    void ShulteHelpSBClick();
    // Sets every help button's glyph to the panel's state (close help while shown).
    void ClearHelp();
    bool Visible() const;
    // Loads the description of the exercise into the viewer, replacing its content.
    void LoadDocument(int exerciseIndex);
    // hlp/<name>.rtf, or hlp/e<name>.rtf in English, relative to the program folder.
    static QString DocumentName(int exerciseIndex, int language);
    // The document last loaded (relative name), empty before the first.
    const QString& LoadedDocument() const { return loaded_; }

private:
    MainWidgets& w_;
    QString programDir_;
    int exercise_ = 0;
    QString loaded_;
};
