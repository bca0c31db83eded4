#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Rows of comma-separated values as RFC 4180 has them, appended to a byte buffer: UTF-8,
// rows ended by CR LF, a field holding a comma, a quote or a line break put in quotes with
// its quotes doubled. Numbers are written with "." as the decimal point, whatever the locale.
class CsvWriter {
public:
    explicit CsvWriter(QByteArray& out) : out_(out) {}

    CsvWriter& Text(const QString& text);
    CsvWriter& Number(qint64 value);
    CsvWriter& Decimal(double value);                     // one decimal: 21.6
    CsvWriter& Optional(const std::optional<int>& value); // empty when there is none
    void EndRow();
    // A whole row of texts.
    void Row(std::initializer_list<const char*> fields);

private:
    void Separate();

    QByteArray& out_;
    bool rowStarted_ = false;
};
