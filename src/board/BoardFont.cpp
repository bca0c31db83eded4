#include "BoardFont.h"

void BoardFont::InstallSubstitutions() {
    static const bool installed = [] {
        // Substitution look-ups ignore letter case, so "ARIAL" is covered too.
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                                  QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Courier New"),
                                  QStringLiteral("Liberation Mono"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(installed);
}

BoardFont::BoardFont() : BoardFont(FontRecord{}) {
    color_ = clWindowText;
}

BoardFont::BoardFont(const FontRecord& record)
    : color_(record.colour), charset_(record.charset) {
    InstallSubstitutions();
    font_.setFamily(record.face);
    SetSize(record.size);
    font_.setBold(record.style & FontRecord::Bold);
    font_.setItalic(record.style & FontRecord::Italic);
    font_.setUnderline(record.style & FontRecord::Underline);
    font_.setStrikeOut(record.style & FontRecord::StrikeOut);
    SetPitch(record.pitch);
}

FontRecord BoardFont::ToRecord() const {
    FontRecord r;
    r.charset = charset_;
    r.colour = color_;
    r.pitch = pitch_;
    r.size = quint16(qMax(1, Size()));
    r.style = quint8((font_.bold() ? FontRecord::Bold : 0) |
                     (font_.italic() ? FontRecord::Italic : 0) |
                     (font_.underline() ? FontRecord::Underline : 0) |
                     (font_.strikeOut() ? FontRecord::StrikeOut : 0));
    r.face = Face();
    return r;
}

void BoardFont::SetFace(const QString& face) {
    InstallSubstitutions();
    font_.setFamily(face);
}

void BoardFont::SetSize(int points) {
    font_.setPointSize(qMax(1, points));
}

void BoardFont::SetPitch(quint8 pitch) {
    pitch_ = pitch;
    font_.setFixedPitch(pitch == 2);
}

bool BoardFont::operator==(const BoardFont& other) const {
    return font_ == other.font_ && color_ == other.color_ && charset_ == other.charset_ &&
           pitch_ == other.pitch_;
}
