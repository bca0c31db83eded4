#include "CellTextCache.h"

const QStaticText& CellTextCache::Get(const QFont& font, const QString& text) {
    int index = -1;
    for (int i = 0; i < int(slots_.size()); ++i)
        if (slots_[i].used && slots_[i].font == font)
            index = i;
    if (index < 0) {
        // Replace the slot not used last.
        index = 1 - lastUsed_;
        slots_[index] = Slot{font, true, {}};
    }
    lastUsed_ = index;
    Slot& slot = slots_[index];
    if (slot.texts.size() >= MaxTexts)
        slot.texts.clear();
    auto it = slot.texts.find(text);
    if (it == slot.texts.end()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.prepare(QTransform(), font);
        it = slot.texts.insert(text, laidOut);
    }
    return it.value();
}
