#include "StatsLabels.h"

#include "data/ExerciseInfo.h"

#include <algorithm>

namespace {

// "[поле]" on the mode button, "(поле)" in the label; sizes and counts get the brackets.
QString LabelModeText(const ExerciseInfo& info, int mode) {
    return QStringLiteral(" (") + info.modeName(mode) + QLatin1Char(')');
}

} // namespace

QList<StatsLabel> StatsLabels::All() {
    QList<StatsLabel> labels;
    for (int index = 0; index < ExerciseCount; ++index) {
        const ExerciseInfo& info = Exercise(index);
        for (int mode : info.modes)
            labels.append({index, mode, T(info.title) + LabelModeText(info, mode)});
    }
    return labels;
}

QString StatsLabels::Of(int exercise, int mode) {
    const ExerciseInfo& info = Exercise(exercise);
    return T(info.title) + LabelModeText(info, mode);
}

std::optional<StatsLabel> StatsLabels::Find(const QString& text) {
    for (const StatsLabel& label : All())
        if (label.text == text)
            return label;
    return std::nullopt;
}

void StatsLabels::Sort(QStringList& labels) {
    std::stable_sort(labels.begin(), labels.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

bool StatsLabels::IsScore(const QString& text) {
    const std::optional<StatsLabel> label = Find(text);
    return label && Exercise(label->exercise).result == ResultKind::Score;
}
