#pragma once

#include <QString>
#include <QWidget>

class HelpBrowser;
class QToolButton;
class QUrl;

// The program's help window, standing in for the platform help viewer: one window, reused,
// with a read-only browser, Back/Forward/Contents buttons and links that work inside the
// help book and between the help documents.
//
// Use from the main window and the other windows:
//   HelpViewer::ShowContext(programDir, 1);              // F1: the help book at its contents
//   HelpViewer::ShowContext(programDir, 540);            // statistics window's help button
//   HelpViewer::ShowDocument(programDir, HelpViewer::WhatsNewName(Language()));
// The help book is oxel.hlp (eoxel.hlp in English) in the program folder, an HTML document
// whose topics are anchors named by their context number. A missing document is reported through the dialogs seam
// ("Не найден файл справки: ...") and no window is shown. Opened while a modal window is up,
// the help window is itself modal so that it can be used; otherwise it is an ordinary window
// beside the main window. The window lives until Release() or the end of the program.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* BookName = "oxel.hlp";

    // The help book of the interface language: "oxel.hlp" (2) or "eoxel.hlp" (1).
    static QString BookFile(int language);
    // The same document in the other language, for the help book and the what's-new
    // document; any other name comes back unchanged.
    static QString Counterpart(const QString& fileName, int language);

    // Opens the help book of the interface language at the topic with this context number.
    // Returns the window shown, or nullptr when the book is missing.
    static HelpViewer* ShowContext(const QString& programDir, int context);
    // Opens a document of the program folder by its relative name ("new.htm",
    // "hlp/shulte.rtf"); "#anchor" may follow the name. nullptr when it is missing.
    static HelpViewer* ShowDocument(const QString& programDir, const QString& name);
    // The what's-new document of the interface language: "new.htm" (2) or "enew.htm" (1).
    static QString WhatsNewName(int language);
    // The window, if one has been opened and not released.
    static HelpViewer* Instance();
    // Frees the window (at the end of the program, or in tests).
    static void Release();

    HelpBrowser* browser() const { return browser_; }
    // Follows a link as a click in the browser does: relative to the shown document, to an
    // anchor of it or to another local document; a missing target gives the message.
    void openLink(const QUrl& url);

protected:
    // A switch of the interface language relabels the window and shows the help book or the
    // what's-new document of the new language at the same place.
    void changeEvent(QEvent* event) override;

private:
    HelpViewer();
    void ShowTexts();
    static HelpViewer* Open(const QString& programDir, const QString& path, const QString& anchor);
    void showUrl(const QUrl& url);
    void present();

    HelpBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    QToolButton* contents_;
    QString programDir_;
};
