#include "NumberFormat.h"

#include "Errors.h"
#include "Texts.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

const QRegularExpression& FloatPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    return pattern;
}

const QRegularExpression& IntegerPattern() {
    static const QRegularExpression pattern(QStringLiteral(R"(^[+-]?\d+$)"));
    return pattern;
}

} // namespace

QString FormatGeneral(double value) {
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0.0
    return QString::number(value, 'g', 15);
}

QString FormatTenths(qint64 milliseconds) {
    const bool negative = milliseconds < 0;
    const qint64 magnitude = negative ? -milliseconds : milliseconds;
    const qint64 tenths = (magnitude + 50) / 100;
    const QString text = QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
    return negative && tenths != 0 ? QLatin1Char('-') + text : text;
}

QString FormatOneDecimal(double value) {
    const double rounded = std::round(value * 10.0) / 10.0; // std::round: halves away from 0
    return QString::number(rounded == 0.0 ? 0.0 : rounded, 'f', 1);
}

double RoundAverage(double value) {
    // A float times ten is exact in a double, so only the one rounding step decides.
    const double single = static_cast<float>(value);
    return std::round(single * 10.0) / 10.0;
}

std::optional<double> TryParseResult(const QString& text) {
    const QString trimmed = text.trimmed();
    if (!FloatPattern().match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double ParseResult(const QString& text) {
    if (const auto value = TryParseResult(text))
        return *value;
    throw OxelError(T(Tx::NotAFloat).arg(text));
}

std::optional<qint32> TryParseInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    if (!IntegerPattern().match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = trimmed.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

qint32 ParseInteger(const QString& text) {
    if (const auto value = TryParseInteger(text))
        return *value;
    throw OxelError(T(Tx::NotAnInteger).arg(text));
}

QString FormatDate(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString FormatTime(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString FormatDateTime(const QDateTime& moment) {
    const QString date = FormatDate(moment.date());
    if (moment.time().msecsSinceStartOfDay() == 0)
        return date;
    return date + QLatin1Char(' ') + FormatTime(moment.time());
}

std::optional<QDateTime> ParseDateTime(const QString& text) {
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        return std::nullopt;
    if (text.size() == 10)
        return QDateTime(date, QTime(0, 0));
    const QTime time = QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss"));
    if (text.at(10) != u' ' || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

QDateTime LocalMoment(qint64 epochMs) {
    return QDateTime::fromMSecsSinceEpoch(epochMs);
}

QString ShownDateTime(const QDateTime& moment, int language, const QLocale& locale) {
    if (language != 1)
        return FormatDateTime(moment);
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), QLocale::ShortFormat);
}

QString ShownDate(const QString& stored, int language, const QLocale& locale) {
    const std::optional<QDateTime> moment = language == 1 ? ParseDateTime(stored) : std::nullopt;
    if (!moment)
        return stored;
    if (stored.size() == 10)
        return locale.toString(moment->date(), QLocale::ShortFormat);
    return ShownDateTime(*moment, language, locale);
}

QString ShownDateFormat(int language, const QLocale& locale) {
    return language == 1 ? locale.dateFormat(QLocale::ShortFormat) : QStringLiteral("dd.MM.yy");
}
