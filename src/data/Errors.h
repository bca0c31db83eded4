#pragma once

#include <QString>
#include <exception>

// An expected failure of a file or format operation. Handlers catch it, show its text in a
// message box and abandon the operation in progress; nothing else is changed.
class OxelError : public std::exception {
public:
    explicit OxelError(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) {}
    const QString& text() const noexcept { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString text_;
    QByteArray utf8_;
};
