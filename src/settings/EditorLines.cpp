#include "EditorLines.h"

#include "data/ExerciseInfo.h"
#include "data/Text1251.h"
#include "data/Texts.h"

#include <QRegularExpression>

EditorLines::EditorLines(const QString& programDir, EditorMode mode)
    : dictionaries_(programDir), mode_(mode) {}

QString EditorLines::Caption() const {
    return T(mode_ == EditorMode::Numbers ? Tx::MenuNumbersNet : Tx::MenuGipno);
}

int EditorLines::MinimumLines() const {
    return mode_ == EditorMode::Numbers ? 100 : Dictionaries::HeadingCount;
}

QStringList EditorLines::Load() const {
    QStringList lines = mode_ == EditorMode::Numbers ? dictionaries_.LoadNumberList()
                                                     : dictionaries_.LoadHeadingList();
    // A heading list of an earlier version lacks the lines of exercises added since: they
    // show the built-in heading the program uses for them.
    while (lines.size() < MinimumLines())
        lines.append(mode_ == EditorMode::Numbers ? QString()
                                                  : T(Exercise(int(lines.size())).heading));
    return lines;
}

QString EditorLines::Info(int index) const {
    if (mode_ == EditorMode::Numbers)
        return QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
    if (index >= 0 && index < ExerciseCount)
        return T(Exercise(index).title);
    return {};
}

// A line break or a zero inside a line would split or cut it in the file and move every
// later line to another number.
int EditorLines::FirstUnstorable(const QStringList& lines) {
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n\\x{0}]"));
    for (int i = 0; i < lines.size(); ++i)
        if (!Fits1251(lines[i]) || lines[i].contains(breaks))
            return i;
    return -1;
}

// A heading past the last exercise has no exercise name; its line number names it instead.
QString EditorLines::RefusalText(const QStringList& lines, int index) const {
    QString name = Info(index);
    if (name.isEmpty())
        name = QString::number(index + 1);
    return T(Tx::LineNotStorable).arg(name, lines.value(index));
}

void EditorLines::Save(const QStringList& lines) const {
    if (mode_ == EditorMode::Numbers)
        dictionaries_.SaveNumberList(lines);
    else
        dictionaries_.SaveHeadingList(lines);
}
