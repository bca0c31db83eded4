#include "HistoryRecord.h"

#include <array>

namespace {

constexpr std::array<std::pair<RunKind, const char*>, 3> KindNames = {{
    {RunKind::Single, "single"},
    {RunKind::Series, "series"},
    {RunKind::Ladder, "ladder"},
}};

} // namespace

QString RunKindName(RunKind kind) {
    for (const auto& [k, name] : KindNames)
        if (k == kind)
            return QLatin1String(name);
    return {};
}

std::optional<RunKind> RunKindOfName(const QString& name) {
    for (const auto& [k, text] : KindNames)
        if (name == QLatin1String(text))
            return k;
    return std::nullopt;
}

QString StartedText(const QDateTime& started) {
    // A local time is written with the offset it had then, never as "Z".
    const QDateTime withOffset = started.toOffsetFromUtc(started.offsetFromUtc());
    const QString text = withOffset.toString(Qt::ISODate);
    return text.endsWith(u'Z') ? text.chopped(1) + QStringLiteral("+00:00") : text;
}
