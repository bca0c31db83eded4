#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>
#include <array>

// Cell texts laid out once per font, so a repaint does not shape the same texts again.
// Keeps the texts of the two most recently used fonts (the board's big and small fonts).
class CellTextCache {
public:
    const QStaticText& Get(const QFont& font, const QString& text);

private:
    struct Slot {
        QFont font;
        bool used = false;
        QHash<QString, QStaticText> texts;
    };
    static constexpr int MaxTexts = 2048;
    std::array<Slot, 2> slots_;
    int lastUsed_ = 0;
};
