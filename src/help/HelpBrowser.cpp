#include "HelpBrowser.h"

#include "RtfReader.h"

#include <QFile>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.isLocalFile() && name.path().endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive)) {
        QFile file(name.toLocalFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return RtfReader::ToHtml(file.readAll());
    }
    return QTextBrowser::loadResource(type, name);
}
