#include "CsvWriter.h"

#include "data/NumberFormat.h"

void CsvWriter::Separate() {
    if (rowStarted_)
        out_.append(',');
    rowStarted_ = true;
}

CsvWriter& CsvWriter::Text(const QString& text) {
    Separate();
    const QByteArray bytes = text.toUtf8();
    const bool quoted =
        bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r');
    if (!quoted) {
        out_.append(bytes);
        return *this;
    }
    out_.append('"');
    for (const char c : bytes) {
        if (c == '"')
            out_.append('"');
        out_.append(c);
    }
    out_.append('"');
    return *this;
}

CsvWriter& CsvWriter::Number(qint64 value) {
    Separate();
    out_.append(QByteArray::number(value));
    return *this;
}

CsvWriter& CsvWriter::Decimal(double value) {
    Separate();
    out_.append(FormatOneDecimal(value).toLatin1());
    return *this;
}

CsvWriter& CsvWriter::Optional(const std::optional<int>& value) {
    if (value)
        return Number(*value);
    Separate();
    return *this;
}

void CsvWriter::EndRow() {
    out_.append("\r\n");
    rowStarted_ = false;
}

void CsvWriter::Row(std::initializer_list<const char*> fields) {
    for (const char* field : fields)
        Text(QLatin1String(field));
    EndRow();
}
