#include "Text1251.h"

#include "Dialogs.h"
#include "Errors.h"
#include "Texts.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

bool CheckCodePage(const char* name) {
    if (QStringEncoder(name).isValid() && QStringDecoder(name).isValid())
        return true;
    ShowError(T(Tx::NoCodePage));
    return false;
}

// Opening a converter costs far more than converting a name, and the code page keeps no
// state between calls, so each thread keeps one of each.
QByteArray EncodeText(const QString& text) {
    thread_local QStringEncoder encoder(CodePage1251, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString DecodeText(const QByteArray& bytes) {
    thread_local QStringDecoder decoder(CodePage1251, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool Fits1251(const QString& text) {
    return DecodeText(EncodeText(text)) == text;
}

QStringList ReadLines(const QByteArray& bytes) {
    const qsizetype zero = bytes.indexOf('\0');
    const QString text = DecodeText(zero < 0 ? bytes : bytes.left(zero));

    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        lines.append(text.mid(start, i - start));
        ++i;
        if (c == u'\r' && i < text.size() && text.at(i) == u'\n')
            ++i;
        start = i;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

QByteArray WriteLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return EncodeText(text);
}

QByteArray LoadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw OxelError(T(Tx::CannotOpenFile).arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw OxelError(T(Tx::CannotOpenFile).arg(path, file.errorString()));
    return bytes;
}

QStringList LoadLinesFile(const QString& path) {
    return ReadLines(LoadFileBytes(path));
}

void SaveFileBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw OxelError(T(Tx::CannotCreateFile).arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw OxelError(T(Tx::CannotWriteFile).arg(path, reason));
    }
    if (!file.commit())
        throw OxelError(T(Tx::CannotWriteFile).arg(path, file.errorString()));
}

void SaveLinesFile(const QString& path, const QStringList& lines) {
    SaveFileBytes(path, WriteLines(lines));
}
