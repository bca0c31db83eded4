#pragma once

#include "board/ColorRef.h"
#include "data/DataFile.h"

#include <QFont>
#include <QString>

// The font object of the boards and looks: a QFont plus its colour ($BBGGRR) and the two
// bytes the stored font record keeps (character set, pitch). Converts to and from FontRecord.
class BoardFont {
public:
    // The toolkit default: ARIAL 8 points in the window text colour.
    BoardFont();
    explicit BoardFont(const FontRecord& record);

    FontRecord ToRecord() const;

    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font) { font_ = font; }

    // Face as stored ("ARIAL"); the painted family is resolved by font substitution.
    QString Face() const { return font_.family(); }
    void SetFace(const QString& face);

    // Size in points, at least 1.
    int Size() const { return font_.pointSize(); }
    void SetSize(int points);

    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }

    quint8 Charset() const { return charset_; }
    void SetCharset(quint8 charset) { charset_ = charset; }
    // 0 default, 1 variable, 2 fixed.
    quint8 Pitch() const { return pitch_; }
    void SetPitch(quint8 pitch);

    bool operator==(const BoardFont& other) const;

    // Makes the Windows faces the looks name resolve to their Liberation metric twins.
    static void InstallSubstitutions();

private:
    QFont font_;
    TColor color_ = clWindowText;
    quint8 charset_ = 1;
    quint8 pitch_ = 0;
};
