#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The label of one statistics file as the statistics window lists it.
struct StatsLabel {
    int exercise; // exercise index
    int mode;     // the mode number of the file name
    QString text; // "Шульте (5x5)", "Мишени (джокер)"
};

// The labels of the statistics files: the exercise title followed by its mode text in round
// brackets, one per exercise and mode, all read from the exercise table.
class StatsLabels {
public:
    // Every label in the order the files are looked for: by exercise index, the modes of an
    // exercise in table order.
    static QList<StatsLabel> All();
    static QString Of(int exercise, int mode);
    // The exercise and mode a label stands for; nothing for a text that is no label.
    static std::optional<StatsLabel> Find(const QString& text);
    // Alphabetical order, letter case ignored.
    static void Sort(QStringList& labels);
    // The label's results are scores, where larger is better.
    static bool IsScore(const QString& text);
};
