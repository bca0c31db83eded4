#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>

// The fixed number, date and time formats of every text the program stores or shows:
// "." as decimal separator whatever the locale, dates as dd.MM.yyyy, times as HH:mm:ss.

// General floating format: up to 15 significant digits, no trailing zeros
// (30.0 -> "30", 23.4 + 15 -> "38.4").
QString FormatGeneral(double value);
// The run timer text: seconds with one decimal, rounded to the nearest tenth
// (12345 ms -> "12.3", 12350 ms -> "12.4").
QString FormatTenths(qint64 milliseconds);
// Fixed notation with one decimal ("117.1"), halves rounded away from zero.
QString FormatOneDecimal(double value);
// An average as the statistics keep it: in single precision, then to one decimal with
// halves rounded away from zero.
double RoundAverage(double value);

// A result text as a number: blanks around it allowed, "." as separator, an exponent
// allowed. Anything else throws OxelError "'abc' is not a valid floating point value".
double ParseResult(const QString& text);
// The same rules without the error: nothing for a text that is not a number.
std::optional<double> TryParseResult(const QString& text);
// A decimal integer (optional sign, blanks around it allowed) within 32 bits;
// anything else throws OxelError "'abc' is not a valid integer value".
qint32 ParseInteger(const QString& text);
// The same rules without the error: nothing for a text that is not an integer.
std::optional<qint32> TryParseInteger(const QString& text);

QString FormatDate(const QDate& date);
QString FormatTime(const QTime& time);
// Date, a space and the time; only the date at exact midnight.
QString FormatDateTime(const QDateTime& moment);
// The local date and time of a text FormatDateTime writes; nothing for any other text.
std::optional<QDateTime> ParseDateTime(const QString& text);
// The local date and time of a program-clock reading (milliseconds since the epoch).
QDateTime LocalMoment(qint64 epochMs);

// A moment as the interface shows it: as FormatDateTime writes it in Russian (language 2);
// in English (1) the locale's short date and short time. The locale is the system's unless
// the program set another default.
QString ShownDateTime(const QDateTime& moment, int language,
                      const QLocale& locale = QLocale());
// A stored date ("dd.MM.yyyy") or date and time as the interface shows it: the stored text in
// Russian; in English the locale's short formats. Any other text is shown as it is.
QString ShownDate(const QString& stored, int language, const QLocale& locale = QLocale());
// The date format of chart axes: "dd.MM.yy" in Russian, the locale's short date in English.
QString ShownDateFormat(int language, const QLocale& locale = QLocale());
