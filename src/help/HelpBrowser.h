#pragma once

#include <QTextBrowser>

// The help window's read-only browser: HTML documents as they are, RTF documents (the
// exercise descriptions) through our own RTF reader, so a link may point at either.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;
};
